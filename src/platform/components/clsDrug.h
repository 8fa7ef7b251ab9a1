#pragma once

#include "clsDrugItem.h"

// The drug component: item look-ups and stock-card postings on the connection of the run.
class clsDrug {
public:
    // False when the stock of the locations cannot be read.
    bool InitConnect(db::Connection* connection);

    // The drug object.
    clsDrugItem& Drug() { return drug_; }

private:
    clsDrugItem drug_;
};

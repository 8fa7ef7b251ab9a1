#pragma once

#include <QString>

class AppContext;

// The log book of exam results. Charge entry uses its warning about a standing charge for the
// exam being typed; the result forms add the header of a result.
class clsLogBook {
public:
    explicit clsLogBook(AppContext& context)
        : context_(context)
    {}

    // Informs only: the charge goes on either way.
    void WarningAlreadyCharge(const QString& idNum, const QString& revenueId,
                              const QString& examCode, const QString& examName);

private:
    AppContext& context_;
};

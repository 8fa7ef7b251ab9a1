#pragma once

#include "clsPatientInfo.h"

#include <memory>

// The patient component: looks registered patients up on a connection of its own.
class clsPatient {
public:
    clsPatient();
    ~clsPatient();

    // False when the database cannot be reached.
    bool OpenConnection(const QString& connectionString);

    // The patient master object.
    clsPatientInfo& clsPatientMaster() { return master_; }

private:
    std::unique_ptr<db::Connection> connection_;
    clsPatientInfo master_;
};

#pragma once

#include "clsAdmission.h"

#include <memory>

// The patient search component: looks in-patient admissions up on a connection of its own.
class clsPatientSearch {
public:
    clsPatientSearch();
    ~clsPatientSearch();

    // False when the database cannot be reached. The search runs in-process, so the component
    // server's name is not needed and stays as given.
    bool InitConnection(const QString& connectionString, QString& serverName);

    // The admission object.
    clsAdmission& Admission() { return admission_; }

    // True when the admission exists; Admission() then describes it.
    bool ValidateAdmission(const QString& admissionNumber);

private:
    std::unique_ptr<db::Connection> connection_;
    clsAdmission admission_;
};

#pragma once

#include <QString>
#include <memory>

namespace db {
class Connection;
}
class clsAdmission;
class clsCurrentUser;
class clsDrug;
class clsListDrugs;
class clsPatient;
class clsPatientInfo;
class clsPatientSearch;
class clscodesearch;
class KeyPress;

// What the start-up routine gathers for the whole run; windows only read it.
class SessionState {
public:
    SessionState();
    ~SessionState();
    SessionState(const SessionState&) = delete;
    SessionState& operator=(const SessionState&) = delete;

    db::Connection* connection = nullptr; // owned by the session component
    QString EmployeeCode;
    QString LoginTime;
    QString Company;
    QString Address1;
    QString MtsServerName;

    std::unique_ptr<clsCurrentUser> user;
    std::unique_ptr<KeyPress> keyPress;
    std::unique_ptr<clsPatient> patient;
    std::unique_ptr<clsPatientSearch> patientSearch;
    std::unique_ptr<clscodesearch> codeSearch;
    std::unique_ptr<clsListDrugs> drugList;
    std::unique_ptr<clsDrug> drug;
    clsAdmission* admission = nullptr;
    clsPatientInfo* patientMaster = nullptr;

    // At log-out. Components that use the session's connection go before the session
    // component, which closes it.
    void releaseComponents();
};

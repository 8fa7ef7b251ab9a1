#pragma once

#include "db/RowSet.h"

#include <QString>
#include <optional>

namespace db {
class Connection;
}

// Finds the patients that may be assessed for cash. intOption1 is the kind (1 walk-in,
// 3 confined, 4 registered out-patient), intOption2 the mode (2 one patient, 1 a list).
class clsAssessInfo {
public:
    explicit clsAssessInfo(db::Connection& connection);

    // True when a patient matches; the properties then describe the first one. Otherwise they
    // keep the last patient found.
    bool PatientInformationFound(int intOption1, int intOption2, const QString& strSearch);
    // The matching patients, or nothing when none match.
    std::optional<db::RowSet> PatientList(int intOption1, int intOption2, const QString& strSearch);

    const QString& Idnumber() const { return idNumber_; }
    const QString& HospNumber() const { return hospNumber_; }
    const QString& LastName() const { return lastName_; }
    const QString& FirstName() const { return firstName_; }
    const QString& MiddleName() const { return middleName_; }
    const QString& ZipCode() const { return zipCode_; }
    const QString& Barangay() const { return barangay_; }
    const QString& HouseStreet() const { return houseStreet_; }
    const QString& Address() const { return address_; }
    const QString& Sex() const { return sex_; }
    const QString& BirthDate() const { return birthDate_; }
    const QString& CivilStatus() const { return civilStatus_; }

private:
    db::RowSet search(int intOption1, int intOption2, const QString& strSearch);

    db::Connection& connection_;
    QString idNumber_;
    QString hospNumber_;
    QString lastName_;
    QString firstName_;
    QString middleName_;
    QString zipCode_;
    QString barangay_;
    QString houseStreet_;
    QString address_;
    QString sex_;
    QString birthDate_;
    QString civilStatus_;
};

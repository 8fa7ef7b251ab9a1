#pragma once

#include <QDate>
#include <QString>

class clsPatientInfo;

namespace db {
class Connection;
class RowSet;
} // namespace db

// A registered patient's address; the town and province come from the zip code.
class PatientAddress {
public:
    const QString& HouseStreet() const { return houseStreet_; }
    const QString& Barangay() const { return barangay_; }
    const QString& Town() const { return town_; }
    const QString& Province() const { return province_; }
    const QString& ZipCode() const { return zipCode_; }

private:
    friend class clsPatientInfo;

    QString houseStreet_;
    QString barangay_;
    QString town_;
    QString province_;
    QString zipCode_;
};

// The patient master object: one registered patient of Patient_Data..tbMaster.
class clsPatientInfo {
public:
    // The connection the look-ups run on; the owning component keeps it open.
    void useConnection(db::Connection* connection) { connection_ = connection; }

    // True when the hospital number is registered; the properties then describe that patient,
    // otherwise they are all empty. Statement failures throw db::Error.
    bool LoadPatient(const QString& hospitalNumber);

    const QString& LastName() const { return lastName_; }
    const QString& FirstName() const { return firstName_; }
    const QString& MiddleName() const { return middleName_; }
    const QString& Sex() const { return sex_; }
    // Invalid when not recorded.
    const QDate& BirthDate() const { return birthDate_; }
    // Whole years reached by today; empty without a birth date.
    const QString& Age() const { return age_; }
    const PatientAddress& Address() const { return address_; }

private:
    void clear();
    void fill(const db::RowSet& row);

    db::Connection* connection_ = nullptr;
    QString lastName_;
    QString firstName_;
    QString middleName_;
    QString sex_;
    QDate birthDate_;
    QString age_;
    PatientAddress address_;
};

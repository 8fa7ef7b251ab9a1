#pragma once

#include "AdmissionParts.h"
#include "clsPatientInfo.h"

#include <QDateTime>

// The admission object: one in-patient admission of Patient_Data..tbPatient. Out-patient visit
// numbers are not admissions: callers tell the two apart by OpenAdmission failing for a visit.
class clsAdmission {
public:
    // The connection the look-ups run on; the owning component keeps it open.
    void useConnection(db::Connection* connection);

    // True when the admission exists; the properties then describe it, otherwise they are all
    // empty. Statement failures throw db::Error.
    bool OpenAdmission(const QString& admissionNumber);
    // Empties every property.
    void Refresh();

    const QString& HospitalNumber() const { return hospitalNumber_; }
    const QString& Idnumber() const { return idNumber_; }
    // Invalid when there is none (not discharged, not billed).
    const QDateTime& AdmissionDate() const { return admissionDate_; }
    const QDateTime& DischargeDate() const { return dischargeDate_; }
    const QDateTime& BillingDate() const { return billingDate_; }
    // The age recorded on admission.
    const QString& Age() const { return age_; }
    const AdmissionRoom& Room() const { return room_; }
    const AdmissionAccount& Account() const { return account_; }
    const AdmissionDoctor& AttendingDoctor1() const { return doctor_; }
    const AdmissionHistory& History() const { return history_; }
    const clsPatientInfo& Patient() const { return patient_; }

private:
    void fill(const db::RowSet& row);

    db::Connection* connection_ = nullptr;
    QString hospitalNumber_;
    QString idNumber_;
    QDateTime admissionDate_;
    QDateTime dischargeDate_;
    QDateTime billingDate_;
    QString age_;
    AdmissionRoom room_;
    AdmissionAccount account_;
    AdmissionDoctor doctor_;
    AdmissionHistory history_;
    clsPatientInfo patient_;
};

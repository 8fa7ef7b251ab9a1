#pragma once

#include <QString>
#include <functional>

namespace db {
class Connection;
}

// The shared patient record (the patient last looked up) and the activity trail of the user log.
class clsFunction {
public:
    explicit clsFunction(db::Connection& connection);

    // Shows the list of earlier admissions or visits and returns the admission number picked,
    // empty when the user cancelled. The list lives above this class, so it is handed in.
    using PreviousPatientPicker =
        std::function<QString(const QString& patientType, int option, const QString& search)>;

    // Appends one activity text to the employee's open log row.
    void Update_LogFile(const QString& employeeCode, const QString& activity);

    void setPreviousPatientPicker(PreviousPatientPicker picker) { picker_ = std::move(picker); }
    // Fills the record with the admission or visit `search` ("I" or "O" patients); when none is
    // found the user picks another from the list, whose number replaces `search`. False when the
    // user cancelled the list.
    bool GetPatient(const QString& patientType, QString& search);
    // The class ("A" to "E") of a room or of an admission's room; empty when unknown.
    QString getRoomClassID(const QString& room);
    QString GetRoomClass(const QString& admissionNumber);

    const QString& HospNum() const { return hospNum_; }
    void setHospNum(const QString& value) { hospNum_ = value; }
    const QString& IdNum() const { return idNum_; }
    void setIdNum(const QString& value) { idNum_ = value; }
    const QString& RoomID() const { return roomId_; }
    void setRoomID(const QString& value) { roomId_ = value; }
    const QString& AccountNum() const { return accountNum_; }
    void setAccountNum(const QString& value) { accountNum_ = value; }
    const QString& FullName() const { return fullName_; }
    void setFullName(const QString& value) { fullName_ = value; }
    const QString& RequestDoctor() const { return requestDoctor_; }
    void setRequestDoctor(const QString& value) { requestDoctor_ = value; }
    const QString& Age() const { return age_; }
    void setAge(const QString& value) { age_ = value; }

private:
    bool fillFromSearch(const QString& patientType, const QString& search);

    db::Connection& connection_;
    PreviousPatientPicker picker_;
    QString hospNum_;
    QString idNum_;
    QString roomId_;
    QString accountNum_;
    QString fullName_;
    QString requestDoctor_;
    QString age_;
};

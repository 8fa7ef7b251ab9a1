#pragma once

#include <QString>

namespace db {
class Connection;
}

// The shared patient record (the patient last looked up) and the activity trail of the user log.
class clsFunction {
public:
    explicit clsFunction(db::Connection& connection);

    // Appends one activity text to the employee's open log row.
    void Update_LogFile(const QString& employeeCode, const QString& activity);

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
    db::Connection& connection_;
    QString hospNum_;
    QString idNum_;
    QString roomId_;
    QString accountNum_;
    QString fullName_;
    QString requestDoctor_;
    QString age_;
};

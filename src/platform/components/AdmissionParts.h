#pragma once

#include <QString>

class clsAdmission;

// The small read-only parts of an admission, filled by clsAdmission.

// The room; its text is the room number.
class AdmissionRoom {
public:
    const QString& text() const { return roomId_; }
    const QString& RoomID() const { return roomId_; }
    // "A" to "E": picks the item rate the patient is charged.
    const QString& RoomClassID() const { return roomClassId_; }

private:
    friend class clsAdmission;
    QString roomId_;
    QString roomClassId_;
};

// The charge account; its text is the account number. A personal account (the patient's own
// hospital number) has no company.
class AdmissionAccount {
public:
    const QString& text() const { return accountNumber_; }
    const QString& AccountNumber() const { return accountNumber_; }
    const QString& Company() const { return company_; }

private:
    friend class clsAdmission;
    QString accountNumber_;
    QString company_;
};

class AdmissionDoctor {
public:
    const QString& Code() const { return code_; }
    // "LASTNAME, FIRSTNAME MIDDLENAME".
    const QString& CompleteName() const { return completeName_; }

private:
    friend class clsAdmission;
    QString code_;
    QString completeName_;
};

// Weight and height as recorded on admission, as plain decimal text; empty when not taken.
class AdmissionHistory {
public:
    const QString& Weight() const { return weight_; }
    const QString& Height() const { return height_; }

private:
    friend class clsAdmission;
    QString weight_;
    QString height_;
};

#pragma once

#include "ListingDialog.h"

#include <QString>

namespace db {
class RowSet;
}

class clscodesearch;

// The entries the code search hands back, one record class per listing. The search fills them;
// callers only read them.
namespace codesearch {

// Listing 0: an address by zip code.
class AddressRecord {
public:
    const QString& ResultCode() const { return zipCode_; }
    const QString& Town() const { return town_; }
    const QString& Province() const { return province_; }

private:
    friend class ::clscodesearch;
    static AddressRecord fromRow(const db::RowSet& row);
    ListingEntry listingEntry() const;

    QString zipCode_;
    QString town_;
    QString province_;
};

// Listing 1: a doctor.
class DoctorRecord {
public:
    const QString& ResultCode() const { return doctorId_; }
    const QString& LastName() const { return lastName_; }
    const QString& FirstName() const { return firstName_; }
    const QString& MiddleName() const { return middleName_; }

private:
    friend class ::clscodesearch;
    static DoctorRecord fromRow(const db::RowSet& row);
    ListingEntry listingEntry() const;

    QString doctorId_;
    QString lastName_;
    QString firstName_;
    QString middleName_;
};

// Listing 13: a civil status.
class CivilStatusRecord {
public:
    const QString& ResultCode() const { return civilStatusId_; }
    const QString& CivilStatus() const { return civilStatus_; }

private:
    friend class ::clscodesearch;
    static CivilStatusRecord fromRow(const db::RowSet& row);
    ListingEntry listingEntry() const;

    QString civilStatusId_;
    QString civilStatus_;
};

// Listing 21: a chargeable item of a section, with its rate per room class A to E.
class OtherRevenueRecord {
public:
    const QString& ResultCode() const { return itemId_; }
    const QString& Otherrevenue() const { return description_; }
    const QString& FormType() const { return formType_; }
    double RateA() const { return rates_[0]; }
    double RateB() const { return rates_[1]; }
    double RateC() const { return rates_[2]; }
    double RateD() const { return rates_[3]; }
    double RateE() const { return rates_[4]; }
    const QString& OLExam() const { return olExam_; }

private:
    friend class ::clscodesearch;
    static OtherRevenueRecord fromRow(const db::RowSet& row);
    ListingEntry listingEntry() const;

    QString itemId_;
    QString description_;
    QString formType_;
    double rates_[5] = {};
    QString olExam_;
};

} // namespace codesearch

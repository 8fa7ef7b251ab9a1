#include "CodeSearchRecords.h"

#include "ComponentDb.h"
#include "db/RowSet.h"

namespace codesearch {

AddressRecord AddressRecord::fromRow(const db::RowSet& row)
{
    AddressRecord record;
    record.zipCode_ = ComponentDb::text(row, QStringLiteral("ZipCode"));
    record.town_ = ComponentDb::text(row, QStringLiteral("Town"));
    record.province_ = ComponentDb::text(row, QStringLiteral("Province"));
    return record;
}

ListingEntry AddressRecord::listingEntry() const
{
    return {zipCode_, province_.isEmpty() ? town_ : town_ + QStringLiteral(", ") + province_};
}

DoctorRecord DoctorRecord::fromRow(const db::RowSet& row)
{
    DoctorRecord record;
    record.doctorId_ = ComponentDb::text(row, QStringLiteral("DoctorID"));
    record.lastName_ = ComponentDb::text(row, QStringLiteral("LastName"));
    record.firstName_ = ComponentDb::text(row, QStringLiteral("FirstName"));
    record.middleName_ = ComponentDb::text(row, QStringLiteral("MiddleName"));
    return record;
}

ListingEntry DoctorRecord::listingEntry() const
{
    const QString given = (firstName_ + QLatin1Char(' ') + middleName_).trimmed();
    return {doctorId_, given.isEmpty() ? lastName_ : lastName_ + QStringLiteral(", ") + given};
}

CivilStatusRecord CivilStatusRecord::fromRow(const db::RowSet& row)
{
    CivilStatusRecord record;
    record.civilStatusId_ = ComponentDb::text(row, QStringLiteral("CivilStatusID"));
    record.civilStatus_ = ComponentDb::text(row, QStringLiteral("CivilStatus"));
    return record;
}

ListingEntry CivilStatusRecord::listingEntry() const
{
    return {civilStatusId_, civilStatus_};
}

OtherRevenueRecord OtherRevenueRecord::fromRow(const db::RowSet& row)
{
    OtherRevenueRecord record;
    record.itemId_ = ComponentDb::text(row, QStringLiteral("OtherRevenueID"));
    record.description_ = ComponentDb::text(row, QStringLiteral("OtherRevenue"));
    record.formType_ = ComponentDb::text(row, QStringLiteral("FormType"));
    const QString rateFields[] = {QStringLiteral("RateA"), QStringLiteral("RateB"),
                                  QStringLiteral("RateC"), QStringLiteral("RateD"),
                                  QStringLiteral("RateE")};
    for (int i = 0; i < 5; ++i)
        record.rates_[i] = row.field(rateFields[i]).toDouble();
    record.olExam_ = ComponentDb::text(row, QStringLiteral("OLExam"));
    return record;
}

ListingEntry OtherRevenueRecord::listingEntry() const
{
    return {itemId_, description_};
}

} // namespace codesearch

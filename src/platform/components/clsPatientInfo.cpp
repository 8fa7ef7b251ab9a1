#include "clsPatientInfo.h"

#include "ComponentDb.h"
#include "db/Connection.h"
#include "db/Error.h"
#include "db/Sql.h"

namespace {

QString ageOn(const QDate& birthDate, const QDate& today)
{
    if (!birthDate.isValid())
        return {};
    int years = today.year() - birthDate.year();
    if (today < birthDate.addYears(years))
        --years;
    return QString::number(std::max(years, 0));
}

} // namespace

bool clsPatientInfo::LoadPatient(const QString& hospitalNumber)
{
    clear();
    if (!connection_)
        throw db::Error(QStringLiteral("The patient component is not connected."), QString());
    db::RowSet row = connection_->open(
        QStringLiteral("Select m.LastName, m.FirstName, m.MiddleName, m.Sex, m.BirthDate, "
                       "m.HouseStreet, m.Barangay, m.ZipCode, z.Town, z.Province "
                       "from Patient_Data..tbMaster m "
                       "left join Build_File..tbCoZipCode z on z.ZipCode = m.ZipCode "
                       "where m.HospNum = ") +
        db::Sql::quote(hospitalNumber.trimmed()));
    if (row.eof())
        return false;
    fill(row);
    return true;
}

void clsPatientInfo::clear()
{
    clsPatientInfo empty;
    empty.connection_ = connection_;
    *this = empty;
}

void clsPatientInfo::fill(const db::RowSet& row)
{
    lastName_ = ComponentDb::text(row, QStringLiteral("LastName"));
    firstName_ = ComponentDb::text(row, QStringLiteral("FirstName"));
    middleName_ = ComponentDb::text(row, QStringLiteral("MiddleName"));
    sex_ = ComponentDb::text(row, QStringLiteral("Sex"));
    birthDate_ = row.field(QStringLiteral("BirthDate")).toDateTime().date();
    age_ = ageOn(birthDate_, QDate::currentDate());
    address_.houseStreet_ = ComponentDb::text(row, QStringLiteral("HouseStreet"));
    address_.barangay_ = ComponentDb::text(row, QStringLiteral("Barangay"));
    address_.zipCode_ = ComponentDb::text(row, QStringLiteral("ZipCode"));
    address_.town_ = ComponentDb::text(row, QStringLiteral("Town"));
    address_.province_ = ComponentDb::text(row, QStringLiteral("Province"));
}

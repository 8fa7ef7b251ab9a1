#include "clsAssessInfo.h"

#include "db/Connection.h"
#include "db/Sql.h"

using db::Sql;

clsAssessInfo::clsAssessInfo(db::Connection& connection)
    : connection_(connection)
{}

db::RowSet clsAssessInfo::search(int intOption1, int intOption2, const QString& strSearch)
{
    return connection_.open("Clinical_area..sp_Laser_CashAssessmentInfo " +
                            Sql::quote(QString::number(intOption1)) + ", " +
                            Sql::quote(QString::number(intOption2)) + ", " + Sql::quote(strSearch));
}

bool clsAssessInfo::PatientInformationFound(int intOption1, int intOption2,
                                            const QString& strSearch)
{
    db::RowSet found = search(intOption1, intOption2, strSearch);
    if (found.count() < 1)
        return false;
    idNumber_ = found.field("IdNum").toString();
    hospNumber_ = found.field("HospNum").toString();
    lastName_ = found.field("LastName").toString();
    firstName_ = found.field("FirstName").toString();
    middleName_ = found.field("MiddleName").toString();
    zipCode_ = found.field("ZipCode").toString();
    barangay_ = found.field("Barangay").toString();
    houseStreet_ = found.field("HouseStreet").toString();
    address_ = found.field("Address").toString();
    sex_ = found.field("Sex").toString();
    birthDate_ = Sql::date(found.field("BirthDate").toDateTime().date());
    civilStatus_ = found.field("CivilStatusId").toString();
    return true;
}

std::optional<db::RowSet> clsAssessInfo::PatientList(int intOption1, int intOption2,
                                                     const QString& strSearch)
{
    db::RowSet found = search(intOption1, intOption2, strSearch);
    if (found.count() > 0)
        return found;
    return std::nullopt;
}

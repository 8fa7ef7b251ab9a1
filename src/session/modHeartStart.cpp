#include "modHeartStart.h"

#include "db/Connection.h"
#include "db/Sql.h"

using db::Sql;

namespace modHeartStart {

namespace {

// The first row's field as text, or empty text when there is no row.
QString firstField(db::Connection& connection, const QString& statement, const QString& field)
{
    db::RowSet rows = connection.open(statement, db::Cursor::Client);
    return rows.count() > 0 ? rows.field(field).toString() : QString();
}

} // namespace

int AgeFromBirthDate(const QString& birthDate, const QDate& today)
{
    const QDateTime born = Sql::parseDateTime(birthDate);
    return born.isValid() ? today.year() - born.date().year() : 0;
}

QString CompanyByAccount(db::Connection& connection, const QString& accountNumber)
{
    return firstField(connection,
                      "Select Company From Build_File..tbCoCompany Where AccountNum = " +
                          Sql::quote(accountNumber),
                      "Company");
}

QString ExecutivePackage(db::Connection& connection, const QString& admissionNumber)
{
    return firstField(connection,
                      "Build_File..sp_Build_GetExecutivePackage " + Sql::quote(admissionNumber),
                      "Package");
}

bool IsFixedRate(db::Connection& connection, const QString& itemCode)
{
    return firstField(connection,
                      "Select FixRate From Build_File..tbcoOtherRevenue Where OtherRevenueID = " +
                          Sql::quote(itemCode),
                      "Fixrate") == QLatin1String("Y");
}

bool IsCleared(db::Connection& connection, const QString& admissionNumber)
{
    return firstField(connection,
                      "Clinical_area..sp_Laser_CheckClearance " + Sql::quote(admissionNumber),
                      "RecordStatus") == QLatin1String("1");
}

QString NextLogSequence(db::Connection& connection)
{
    return firstField(
        connection,
        "Select Max(logsequence) + 1  as LogSequence from Clinical_Area..tbLaser_UserLogin",
        "LogSequence");
}

} // namespace modHeartStart

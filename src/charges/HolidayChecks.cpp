#include "HolidayChecks.h"

#include "db/Connection.h"
#include "db/Sql.h"

using db::Sql;

namespace {

QDate serverDate(db::Connection& connection, const QString& statement, const QString& column)
{
    const db::RowSet row = connection.open(statement, db::Cursor::Client);
    return Sql::parseDateTime(row.field(column).toString()).date();
}

} // namespace

bool HolidayChecks::Check_AfterHours() const
{
    const db::RowSet row = connection_.open(
        QStringLiteral("select convert(varchar,getdate(),108) as Time"), db::Cursor::Client);
    const QString time = row.field(QStringLiteral("Time")).toString();
    return time <= u"07:59:59" || time >= u"17:00:00";
}

bool HolidayChecks::Check_Sunday() const
{
    const QDate today =
        serverDate(connection_, QStringLiteral("select getdate() as Time"), QStringLiteral("Time"));
    return today.dayOfWeek() == Qt::Sunday;
}

bool HolidayChecks::Check_FixedHoliday() const
{
    const QDate today =
        serverDate(connection_, QStringLiteral("Select getdate() as Date"), QStringLiteral("Date"));
    const db::RowSet holidays = connection_.open(
        QStringLiteral("Select * from Build_File..tbcoHolidays where isFixed = '1'"),
        db::Cursor::Client);
    if (holidays.eof())
        return false;
    const QDate holiday =
        Sql::parseDateTime(holidays.field(QStringLiteral("HolidayDate")).toString()).date();
    return Sql::date(holiday) == Sql::date(today);
}

bool HolidayChecks::Check_StatRequest(const QString& nurseRequestNum) const
{
    const db::RowSet request = connection_.open(
        QStringLiteral("Select * from Station..tbNurseCommunicationFile where requestnum = ") +
            Sql::quote(nurseRequestNum.trimmed()),
        db::Cursor::Client);
    return !request.eof() && request.field(QStringLiteral("Stat")).toString() == u"Y";
}

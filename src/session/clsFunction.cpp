#include "clsFunction.h"

#include "db/Connection.h"
#include "db/Sql.h"

using db::Sql;

clsFunction::clsFunction(db::Connection& connection)
    : connection_(connection)
{}

void clsFunction::Update_LogFile(const QString& employeeCode, const QString& activity)
{
    db::RowSet open = connection_.open("Select Remarks From Clinical_Area..tbLaser_Userlogin Where "
                                       "EmployeeID = " +
                                       Sql::quote(employeeCode) + " and LogOutDate is null;");
    const QString remarks =
        open.count() > 0 ? open.field("Remarks").toString() + activity : QString();
    open.close();
    connection_.execute("Clinical_Area..sp_Laser_UpdateLogRemarks " + Sql::quote(employeeCode) +
                        ", " + Sql::quote(remarks));
}

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

bool clsFunction::GetPatient(const QString& patientType, QString& search)
{
    while (!fillFromSearch(patientType, search)) {
        const QString picked = picker_ ? picker_(patientType, 1, search) : QString();
        if (picked.isEmpty())
            return false;
        search = picked;
    }
    return true;
}

bool clsFunction::fillFromSearch(const QString& patientType, const QString& search)
{
    db::RowSet found = connection_.open("Clinical_area..sp_Laser_SearchPreviousPatient " +
                                        Sql::quote(patientType) + ", 2, " + Sql::quote(search));
    if (found.count() < 1)
        return false;
    hospNum_ = found.field("HospNum").toString();
    idNum_ = found.field("IdNum").toString();
    roomId_ = found.field("RoomID").toString();
    accountNum_ = found.field("AccountNum").toString();
    fullName_ = found.field("FullName").toString();
    requestDoctor_ = found.field("RequestDoctor").toString();
    age_ = found.field("Age").toString();
    return true;
}

QString clsFunction::getRoomClassID(const QString& room)
{
    db::RowSet found = connection_.open(
        "Select RoomID, RoomClassID From Build_file..tbCoroom Where RoomID = " + Sql::quote(room));
    return found.count() > 0 ? found.field("RoomClassID").toString() : QString();
}

QString clsFunction::GetRoomClass(const QString& admissionNumber)
{
    db::RowSet found =
        connection_.open("Cardio.dbo.Cardio_GetRoomClass " + Sql::quote(admissionNumber));
    return found.count() > 0 ? found.field("RoomClassID").toString() : QString();
}

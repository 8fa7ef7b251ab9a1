#include "clsAdmission.h"

#include "ComponentDb.h"
#include "db/Connection.h"
#include "db/Error.h"
#include "db/Sql.h"

namespace {

QString completeName(const db::RowSet& row)
{
    const QString last = ComponentDb::text(row, QStringLiteral("DoctorLastName"));
    const QString given =
        (ComponentDb::text(row, QStringLiteral("DoctorFirstName")) + QLatin1Char(' ') +
         ComponentDb::text(row, QStringLiteral("DoctorMiddleName")))
            .trimmed();
    return given.isEmpty() ? last : last + QStringLiteral(", ") + given;
}

} // namespace

void clsAdmission::useConnection(db::Connection* connection)
{
    connection_ = connection;
    patient_.useConnection(connection);
}

bool clsAdmission::OpenAdmission(const QString& admissionNumber)
{
    Refresh();
    if (!connection_)
        throw db::Error(QStringLiteral("The patient search is not connected."), QString());
    db::RowSet row = connection_->open(
        QStringLiteral(
            "Select p.IdNum, p.HospNum, p.AdmDate, p.DcrDate, p.BillingDate, p.Age, p.RoomID, "
            "r.RoomClassID, p.AccountNum, c.Company, p.AttendingDr1, "
            "d.LastName as DoctorLastName, d.FirstName as DoctorFirstName, "
            "d.MiddleName as DoctorMiddleName, h.Weight, h.Height "
            "from Patient_Data..tbPatient p "
            "left join Build_File..tbCoroom r on r.RoomID = p.RoomID "
            "left join Build_File..tbCoCompany c on c.AccountNum = p.AccountNum "
            "left join Build_File..tbCoDoctor d on d.DoctorID = p.AttendingDr1 "
            "left join Patient_Data..tbPatient2 h on h.IdNum = p.IdNum "
            "where p.IdNum = ") +
        db::Sql::quote(admissionNumber.trimmed()));
    if (row.eof())
        return false;
    fill(row);
    patient_.LoadPatient(hospitalNumber_);
    return true;
}

void clsAdmission::Refresh()
{
    clsAdmission empty;
    empty.useConnection(connection_);
    *this = empty;
}

void clsAdmission::fill(const db::RowSet& row)
{
    hospitalNumber_ = ComponentDb::text(row, QStringLiteral("HospNum"));
    idNumber_ = ComponentDb::text(row, QStringLiteral("IdNum"));
    admissionDate_ = row.field(QStringLiteral("AdmDate")).toDateTime();
    dischargeDate_ = row.field(QStringLiteral("DcrDate")).toDateTime();
    billingDate_ = row.field(QStringLiteral("BillingDate")).toDateTime();
    age_ = ComponentDb::text(row, QStringLiteral("Age"));
    room_.roomId_ = ComponentDb::text(row, QStringLiteral("RoomID"));
    room_.roomClassId_ = ComponentDb::text(row, QStringLiteral("RoomClassID"));
    account_.accountNumber_ = ComponentDb::text(row, QStringLiteral("AccountNum"));
    account_.company_ = ComponentDb::text(row, QStringLiteral("Company"));
    doctor_.code_ = ComponentDb::text(row, QStringLiteral("AttendingDr1"));
    doctor_.completeName_ = completeName(row);
    history_.weight_ = ComponentDb::text(row, QStringLiteral("Weight"));
    history_.height_ = ComponentDb::text(row, QStringLiteral("Height"));
}

#include "clsPatientSearch.h"

#include "ComponentDb.h"
#include "db/Connection.h"

clsPatientSearch::clsPatientSearch() = default;
clsPatientSearch::~clsPatientSearch() = default;

bool clsPatientSearch::InitConnection(const QString& connectionString, QString& /*serverName*/)
{
    connection_ = ComponentDb::connect(connectionString);
    admission_.useConnection(connection_.get());
    return ComponentDb::canRead(connection_.get(),
                                QStringLiteral("Select top 1 IdNum from Patient_Data..tbPatient"));
}

bool clsPatientSearch::ValidateAdmission(const QString& admissionNumber)
{
    return admission_.OpenAdmission(admissionNumber);
}

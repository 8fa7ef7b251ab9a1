#include "clsPatient.h"

#include "ComponentDb.h"
#include "db/Connection.h"

clsPatient::clsPatient() = default;
clsPatient::~clsPatient() = default;

bool clsPatient::OpenConnection(const QString& connectionString)
{
    connection_ = ComponentDb::connect(connectionString);
    master_.useConnection(connection_.get());
    return connection_ != nullptr;
}

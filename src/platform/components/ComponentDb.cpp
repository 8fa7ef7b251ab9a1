#include "ComponentDb.h"

#include "db/Connection.h"
#include "db/Error.h"

std::unique_ptr<db::Connection> ComponentDb::connect(const QString& connectionString)
{
    try {
        return db::Connection::connect(connectionString);
    } catch (const db::Error&) {
        return nullptr;
    }
}

bool ComponentDb::canRead(db::Connection* connection, const QString& statement)
{
    if (!connection)
        return false;
    try {
        connection->open(statement);
        return true;
    } catch (const db::Error&) {
        return false;
    }
}

QString ComponentDb::text(const db::RowSet& row, const QString& field)
{
    return row.field(field).toString().trimmed();
}

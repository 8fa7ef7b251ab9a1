#pragma once

#include <QString>
#include <memory>

namespace db {
class Connection;
class RowSet;
} // namespace db

// What the components share in their dealings with the database.
class ComponentDb {
public:
    // A component's own connection; null when the database cannot be reached.
    static std::unique_ptr<db::Connection> connect(const QString& connectionString);
    // False when there is no connection or the statement fails: the component cannot work.
    static bool canRead(db::Connection* connection, const QString& statement);
    // A field as text without the padding of fixed-width columns.
    static QString text(const db::RowSet& row, const QString& field);
};

#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

namespace db {

class ServerClock;

// One statement to send, with its values bound in order.
struct Step {
    QString sql;
    QVariantList values;
};

// What one department statement becomes on a given database.
struct Plan {
    QList<Step> steps;      // sent in order; the last that returns columns gives the rows
    QString baseTable;      // for an updatable row set: the table its rows are written to
    QStringList keyColumns; // the table columns identifying a row ...
    QStringList keyFields;  // ... and the result fields that carry them
};

// How statements reach one kind of database.
class Dialect {
public:
    virtual ~Dialect() = default;

    virtual QString beginStatement() const = 0;
    virtual QString commitStatement() const = 0;
    virtual QString rollbackStatement() const = 0;
    // Throws db::Error when the statement cannot be sent to this database.
    virtual Plan plan(const QString& statement, bool updatable, const QSqlDatabase& database) = 0;
    // A value being written back by an updatable row set, in the database's own form.
    virtual QVariant toDatabase(const QVariant& value) const { return value; }
    virtual void setDefaultDatabase(QSqlDatabase& database, const QString& name) = 0;
    // The embedded engine's clock; null for a real server, whose clock is its own.
    virtual ServerClock* serverClock() const { return nullptr; }
    // Result fields that are the row identity and not the caller's data.
    virtual bool isHiddenField(const QString& /*name*/) const { return false; }
};

} // namespace db

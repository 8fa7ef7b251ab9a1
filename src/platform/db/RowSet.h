#pragma once

#include "Value.h"

#include <QSqlQuery>
#include <QStringList>
#include <memory>
#include <optional>

namespace db {

class Connection;
struct Plan;
class Dialect;

enum class Cursor { Client, Server };
enum class Access { ReadOnly, Updatable };

// Rows of one statement, read front to back. A client cursor holds every row, so its count is
// known at once; a server cursor reads from the database as it moves and reports count -1.
// Copies share one cursor.
class RowSet {
public:
    RowSet();

    bool isOpen() const;
    bool eof() const;
    void moveNext();
    int count() const;
    void close();

    int fieldCount() const;
    QString fieldName(int index) const;
    bool hasField(const QString& name) const;
    // Fields by name ignore letter case. Throws db::Error for an unknown field or past the end.
    Value field(const QString& name) const;
    Value field(int index) const;
    Value operator[](const QString& name) const { return field(name); }

    // Updatable row sets: change fields of the current row, then write them with update().
    void setField(const QString& name, const QVariant& value);
    void update();

private:
    friend class Connection;
    struct Data;

    // A client cursor: every row read now.
    static RowSet fromQuery(QSqlQuery& query, const QString& statement, const Dialect& dialect);
    // A server cursor: rows read from the query as the set moves.
    static RowSet withServerCursor(QSqlQuery&& query, const QString& statement,
                                   const Dialect& dialect);
    void makeUpdatable(Connection* connection, const Plan& plan);
    const QVariantList& currentRow() const;
    int indexOf(const QString& name) const;

    std::shared_ptr<Data> d;
};

} // namespace db

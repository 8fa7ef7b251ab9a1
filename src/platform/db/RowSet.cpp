#include "RowSet.h"

#include "Connection.h"
#include "Dialect.h"
#include "Error.h"

#include <QHash>
#include <QSqlRecord>

namespace db {

struct RowSet::Data {
    QString statement;
    QStringList columns;
    QHash<QString, int> indexByName; // lower-case name -> column
    int visibleFields = 0;

    QList<QVariantList> rows; // client cursor
    qsizetype position = 0;

    std::optional<QSqlQuery> query; // server cursor
    QVariantList current;
    bool atEnd = true;

    Connection* connection = nullptr; // set when updatable
    QString baseTable;
    QStringList keyColumns;
    QStringList keyFields;
    QList<int> changed;

    void setColumns(const QStringList& names, const Dialect& dialect)
    {
        columns = names;
        for (int i = 0; i < names.size(); ++i)
            indexByName.insert(names[i].toLower(), i);
        visibleFields = 0;
        while (visibleFields < names.size() && !dialect.isHiddenField(names[visibleFields]))
            ++visibleFields;
    }

    bool isClient() const { return !query.has_value(); }

    void readServerRow()
    {
        atEnd = !query->next();
        current.clear();
        if (atEnd)
            return;
        for (int i = 0; i < columns.size(); ++i)
            current.append(query->value(i));
    }
};

namespace {

QStringList columnNames(const QSqlRecord& record)
{
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i));
    return names;
}

} // namespace

RowSet::RowSet()
    : d(std::make_shared<Data>())
{}

RowSet RowSet::fromQuery(QSqlQuery& query, const QString& statement, const Dialect& dialect)
{
    RowSet rows;
    rows.d->statement = statement;
    rows.d->setColumns(columnNames(query.record()), dialect);
    const int width = rows.d->columns.size();
    while (query.next()) {
        QVariantList row;
        row.reserve(width);
        for (int i = 0; i < width; ++i)
            row.append(query.value(i));
        rows.d->rows.append(std::move(row));
    }
    return rows;
}

RowSet RowSet::withServerCursor(QSqlQuery&& query, const QString& statement, const Dialect& dialect)
{
    RowSet rows;
    rows.d->statement = statement;
    rows.d->setColumns(columnNames(query.record()), dialect);
    rows.d->query.emplace(std::move(query));
    rows.d->readServerRow();
    return rows;
}

void RowSet::makeUpdatable(Connection* connection, const Plan& plan)
{
    d->connection = connection;
    d->baseTable = plan.baseTable;
    d->keyColumns = plan.keyColumns;
    d->keyFields = plan.keyFields;
    for (const QString& field : plan.keyFields)
        if (!hasField(field))
            throw Error(QStringLiteral("The rows do not carry their key %1.").arg(field),
                        d->statement);
}

bool RowSet::isOpen() const
{
    return !d->columns.isEmpty();
}

bool RowSet::eof() const
{
    return d->isClient() ? d->position >= d->rows.size() : d->atEnd;
}

void RowSet::moveNext()
{
    if (eof())
        throw Error(QStringLiteral("Either BOF or EOF is True: there is no current row."),
                    d->statement);
    d->changed.clear();
    if (d->isClient())
        ++d->position;
    else
        d->readServerRow();
}

int RowSet::count() const
{
    return d->isClient() ? static_cast<int>(d->rows.size()) : -1;
}

void RowSet::close()
{
    d = std::make_shared<Data>();
}

int RowSet::fieldCount() const
{
    return d->visibleFields;
}

QString RowSet::fieldName(int index) const
{
    return d->columns.value(index);
}

bool RowSet::hasField(const QString& name) const
{
    return d->indexByName.contains(name.toLower());
}

int RowSet::indexOf(const QString& name) const
{
    const auto found = d->indexByName.constFind(name.toLower());
    if (found == d->indexByName.constEnd())
        throw Error(QStringLiteral("The row set has no field named %1.").arg(name), d->statement);
    return *found;
}

const QVariantList& RowSet::currentRow() const
{
    if (eof())
        throw Error(QStringLiteral("Either BOF or EOF is True: there is no current row."),
                    d->statement);
    return d->isClient() ? d->rows[d->position] : d->current;
}

Value RowSet::field(const QString& name) const
{
    return Value(currentRow().at(indexOf(name)));
}

Value RowSet::field(int index) const
{
    const QVariantList& row = currentRow();
    if (index < 0 || index >= d->visibleFields)
        throw Error(QStringLiteral("The row set has no field number %1.").arg(index), d->statement);
    return Value(row.at(index));
}

void RowSet::setField(const QString& name, const QVariant& value)
{
    if (!d->connection)
        throw Error(QStringLiteral("The row set was not opened for update."), d->statement);
    const int index = indexOf(name);
    currentRow();
    QVariantList& row = d->isClient() ? d->rows[d->position] : d->current;
    row[index] = value;
    if (!d->changed.contains(index))
        d->changed.append(index);
}

void RowSet::update()
{
    if (!d->connection)
        throw Error(QStringLiteral("The row set was not opened for update."), d->statement);
    if (d->changed.isEmpty())
        return;
    const QVariantList& row = currentRow();
    QStringList assignments;
    QVariantList values;
    for (int index : std::as_const(d->changed)) {
        assignments.append(d->columns[index] + QStringLiteral(" = ?"));
        values.append(row[index]);
    }
    QStringList conditions;
    for (qsizetype k = 0; k < d->keyColumns.size(); ++k) {
        conditions.append(d->keyColumns[k] + QStringLiteral(" = ?"));
        values.append(row[indexOf(d->keyFields[k])]);
    }
    d->connection->writeBack(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                 .arg(d->baseTable, assignments.join(QStringLiteral(", ")),
                                      conditions.join(QStringLiteral(" AND "))),
                             values);
    d->changed.clear();
}

} // namespace db

#include "TsqlPassThrough.h"

#include "ProcedureLibrary.h"
#include "Translator.h"
#include "db/Error.h"

#include <QSqlError>
#include <QSqlIndex>
#include <QSqlQuery>

namespace db::tsql {

namespace {

// The emulation knows where a statement's rows come from: the FROM table of a SELECT, or the
// table that a procedure declares. Its SQL is not used here.
QString baseTable(const QString& statement)
{
    const Translation translation = Translator::translate(statement, QDateTime(), true);
    const QString table =
        translation.isProcedure
            ? ProcedureLibrary::standard().find(translation.call, statement)->baseTable
            : translation.baseTable;
    const QStringList parts = table.split(QLatin1Char('.'));
    if (parts.size() != 2)
        throw Error(QStringLiteral("The rows of this statement cannot be updated."), statement);
    return parts[0] + QStringLiteral("..") + parts[1];
}

} // namespace

Plan TsqlPassThrough::plan(const QString& statement, bool updatable, const QSqlDatabase& database)
{
    Plan plan;
    plan.steps.append({statement, {}});
    if (!updatable)
        return plan;
    plan.baseTable = baseTable(statement);
    const QSqlIndex key = database.primaryIndex(plan.baseTable);
    if (key.isEmpty())
        throw Error(QStringLiteral("The table %1 has no primary key; its rows cannot be updated.")
                        .arg(plan.baseTable),
                    statement);
    for (int i = 0; i < key.count(); ++i)
        plan.keyColumns.append(key.fieldName(i));
    plan.keyFields = plan.keyColumns;
    return plan;
}

void TsqlPassThrough::setDefaultDatabase(QSqlDatabase& database, const QString& name)
{
    const QString use = QStringLiteral("USE [%1]").arg(name);
    QSqlQuery query(database);
    if (!query.exec(use))
        throw Error(query.lastError().text(), use);
}

} // namespace db::tsql

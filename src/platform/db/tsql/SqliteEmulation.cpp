#include "SqliteEmulation.h"

#include "EmbeddedFolder.h"
#include "ProcedureLibrary.h"
#include "db/Error.h"
#include "db/Sql.h"

#include <QSqlError>
#include <QSqlQuery>

namespace db::tsql {

namespace {

constexpr qsizetype cacheLimit = 512;
constexpr int busyTimeoutMs = 10000;

void run(QSqlDatabase& database, const QString& sql, const QVariantList& values = {})
{
    QSqlQuery query(database);
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw Error(query.lastError().text(), sql);
}

Plan identityPlan(const QString& baseTable)
{
    Plan plan;
    plan.baseTable = baseTable;
    plan.keyColumns = {QStringLiteral("rowid")};
    plan.keyFields = {QLatin1String(rowIdColumn)};
    return plan;
}

} // namespace

SqliteEmulation::SqliteEmulation(const QString& folder, const ProcedureLibrary& procedures)
    : folder_(folder)
    , procedures_(procedures)
    , clock_(ServerClock::forFolder(folder))
{}

void SqliteEmulation::attach(QSqlDatabase& database) const
{
    const QString problem = EmbeddedFolder::problem(folder_);
    if (!problem.isEmpty())
        throw Error(problem, QStringLiteral("ATTACH DATABASE"));
    run(database, QStringLiteral("PRAGMA busy_timeout = %1").arg(busyTimeoutMs));
    for (const QString& name : EmbeddedFolder::databaseNames())
        run(database, QStringLiteral("ATTACH DATABASE ? AS %1").arg(name),
            {EmbeddedFolder::filePath(folder_, name)});
}

const Translation& SqliteEmulation::translated(const QString& statement, bool updatable)
{
    const QString key = updatable ? QStringLiteral("U:") + statement : statement;
    auto cached = cache_.constFind(key);
    if (cached != cache_.constEnd())
        return *cached;
    Translation translation = Translator::translate(statement, clock_->now(), updatable);
    if (translation.readsClock) {
        uncached_ = std::move(translation);
        return uncached_;
    }
    if (cache_.size() >= cacheLimit)
        cache_.clear();
    return *cache_.insert(key, std::move(translation));
}

Plan SqliteEmulation::plan(const QString& statement, bool updatable, const QSqlDatabase&)
{
    const Translation& translation = translated(statement, updatable);
    if (translation.isProcedure)
        return procedurePlan(translation, updatable, statement);
    Plan plan = updatable ? identityPlan(translation.baseTable) : Plan();
    plan.steps.append({translation.sql, {}});
    return plan;
}

Plan SqliteEmulation::procedurePlan(const Translation& translation, bool updatable,
                                    const QString& statement)
{
    const auto procedure = procedures_.find(translation.call, statement);
    if (updatable && procedure->baseTable.isEmpty())
        throw Error(
            QStringLiteral("The rows of procedure %1 cannot be updated.").arg(procedure->name),
            statement);
    Plan plan = updatable ? identityPlan(procedure->baseTable) : Plan();
    for (const BoundStatement& bound :
         ProcedureLibrary::bind(*procedure, translation.call, clock_->now(), statement))
        plan.steps.append({bound.sql, bound.values});
    return plan;
}

QVariant SqliteEmulation::toDatabase(const QVariant& value) const
{
    if (value.typeId() == QMetaType::QDateTime)
        return Sql::storedDateTime(value.toDateTime());
    if (value.typeId() == QMetaType::QDate)
        return Sql::storedDateTime(value.toDate().startOfDay());
    return value;
}

void SqliteEmulation::setDefaultDatabase(QSqlDatabase&, const QString& name)
{
    if (name.compare(EmbeddedFolder::databaseNames().first(), Qt::CaseInsensitive) != 0)
        throw Error(QStringLiteral("The embedded hospital's default database is %1.")
                        .arg(EmbeddedFolder::databaseNames().first()),
                    QStringLiteral("USE ") + name);
}

bool SqliteEmulation::isHiddenField(const QString& name) const
{
    return name == QLatin1String(rowIdColumn);
}

} // namespace db::tsql

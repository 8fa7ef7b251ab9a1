#include "Connection.h"

#include "ConnectionString.h"
#include "Error.h"
#include "tsql/ProcedureLibrary.h"
#include "tsql/SqliteEmulation.h"
#include "tsql/TsqlPassThrough.h"

#include <QAtomicInt>
#include <QHash>
#include <QMutex>
#include <QSqlError>
#include <QSqlRecord>

namespace db {

namespace {

const QString embeddedProvider = QStringLiteral("EmbeddedHospital");

QString uniqueConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("eyecenter-%1").arg(counter.fetchAndAddRelaxed(1));
}

// Stand-in procedures from a folder other than the built-in ones; kept for the whole run.
const tsql::ProcedureLibrary& proceduresAt(const QString& root)
{
    if (root.isEmpty())
        return tsql::ProcedureLibrary::standard();
    static QHash<QString, std::shared_ptr<tsql::ProcedureLibrary>> libraries;
    static QMutex mutex;
    const QMutexLocker lock(&mutex);
    auto& library = libraries[root];
    if (!library)
        library = std::make_shared<tsql::ProcedureLibrary>(root);
    return *library;
}

QSqlDatabase openDatabase(const QString& driver, const QString& name)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(driver, uniqueConnectionName());
    database.setDatabaseName(name);
    if (!database.open()) {
        const QString message = database.lastError().text();
        const QString connection = database.connectionName();
        database = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection);
        throw Error(QStringLiteral("Cannot connect to the database: %1").arg(message), name);
    }
    return database;
}

} // namespace

QString Connection::embeddedConnectionString(const QString& folder, bool throughOdbc)
{
    return QStringLiteral("Provider=%1;Data Source=%2%3")
        .arg(embeddedProvider, folder, throughOdbc ? QStringLiteral(";Driver=QODBC") : QString());
}

std::unique_ptr<Connection> Connection::connect(const QString& connectionString)
{
    const auto part = [&](const char* key) {
        return ConnectionString::part(connectionString, QLatin1String(key));
    };
    if (part("provider").compare(embeddedProvider, Qt::CaseInsensitive) == 0)
        return connectEmbedded(
            connectionString, part("data source"),
            part("driver").compare(QLatin1String("QODBC"), Qt::CaseInsensitive) == 0);
    return std::unique_ptr<Connection>(
        new Connection(connectionString, openDatabase(QStringLiteral("QODBC"), connectionString),
                       std::make_unique<tsql::TsqlPassThrough>()));
}

std::unique_ptr<Connection> Connection::connectEmbedded(const QString& connectionString,
                                                        const QString& folder, bool throughOdbc)
{
    auto emulation = std::make_unique<tsql::SqliteEmulation>(
        folder,
        proceduresAt(ConnectionString::part(connectionString, QStringLiteral("procedures"))));
    std::unique_ptr<Connection> connection(new Connection(
        connectionString,
        throughOdbc ? openDatabase(QStringLiteral("QODBC"),
                                   QStringLiteral("DRIVER={SQLite3};Database=:memory:;"))
                    : openDatabase(QStringLiteral("QSQLITE"), QStringLiteral(":memory:")),
        nullptr));
    emulation->attach(connection->database_);
    connection->dialect_ = std::move(emulation);
    return connection;
}

Connection::Connection(const QString& connectionString, QSqlDatabase database,
                       std::unique_ptr<Dialect> dialect)
    : connectionString_(connectionString)
    , database_(std::move(database))
    , dialect_(std::move(dialect))
{}

Connection::~Connection()
{
    const QString name = database_.connectionName();
    prepared_.clear();
    database_.close();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

// INSERT, UPDATE or DELETE: a statement that returns no rows to read later.
bool Connection::changesRows(const QString& sql)
{
    const QString first = sql.trimmed().section(QLatin1Char(' '), 0, 0);
    return first.compare(QLatin1String("INSERT"), Qt::CaseInsensitive) == 0 ||
           first.compare(QLatin1String("UPDATE"), Qt::CaseInsensitive) == 0 ||
           first.compare(QLatin1String("DELETE"), Qt::CaseInsensitive) == 0;
}

std::shared_ptr<QSqlQuery> Connection::prepare(const QString& sql, const QString& statement,
                                               bool reuse)
{
    if (reuse) {
        if (auto cached = prepared_.value(sql))
            return cached;
    }
    auto query = std::make_shared<QSqlQuery>(database_);
    query->setForwardOnly(true);
    if (!query->prepare(sql))
        throw Error(query->lastError().text(), statement);
    if (reuse) {
        if (prepared_.size() >= preparedLimit)
            prepared_.clear();
        prepared_.insert(sql, query);
    }
    return query;
}

std::shared_ptr<QSqlQuery> Connection::send(const Step& step, const QString& statement, bool reuse)
{
    std::shared_ptr<QSqlQuery> query = prepare(step.sql, statement, reuse);
    for (int i = 0; i < step.values.size(); ++i)
        query->bindValue(i, step.values[i]);
    if (!query->exec()) {
        const QString message = query->lastError().text();
        prepared_.remove(step.sql);
        throw Error(message, statement);
    }
    // A server procedure that writes before it selects returns row counts first.
    while (!query->isSelect() && query->nextResult()) {
    }
    return query;
}

RowSet Connection::runSteps(const Plan& plan, const QString& statement, Cursor cursor)
{
    // A client cursor reads every row at once, and a change returns none, so their prepared
    // statements are free again after; a server cursor keeps its own while rows are read.
    const bool reuseAll = cursor == Cursor::Client || plan.steps.size() > 1;
    RowSet result;
    for (const Step& step : plan.steps) {
        const bool reuse = reuseAll || changesRows(step.sql);
        std::shared_ptr<QSqlQuery> query = send(step, statement, reuse);
        if (query->isSelect())
            result = reuse ? RowSet::fromQuery(*query, statement, *dialect_)
                           : RowSet::withServerCursor(std::move(*query), statement, *dialect_);
        if (reuse)
            query->finish();
    }
    return result;
}

RowSet Connection::execute(const QString& statement)
{
    return open(statement, Cursor::Server, Access::ReadOnly);
}

template <typename Work> auto Connection::traced(const QString& statement, Work work)
{
    try {
        auto result = work();
        trace_.record(statement);
        return result;
    } catch (const Error& error) {
        trace_.record(statement, error.message());
        throw;
    }
}

RowSet Connection::open(const QString& statement, Cursor cursor, Access access)
{
    return traced(statement, [&] {
        const bool updatable = access == Access::Updatable;
        const Plan plan = dialect_->plan(statement, updatable, database_);
        RowSet rows = runSteps(plan, statement, cursor);
        if (updatable && rows.isOpen())
            rows.makeUpdatable(this, plan);
        return rows;
    });
}

void Connection::writeBack(const QString& sql, const QVariantList& values)
{
    QVariantList stored;
    for (const QVariant& value : values)
        stored.append(dialect_->toDatabase(value));
    traced(sql, [&] { return send({sql, stored}, sql, false); });
}

void Connection::sendControl(const QString& statement)
{
    traced(statement, [&] { return send({statement, {}}, statement, false); });
}

void Connection::begin()
{
    if (depth_ == 0)
        sendControl(dialect_->beginStatement());
    ++depth_;
}

void Connection::commit()
{
    if (depth_ == 0)
        throw Error(QStringLiteral("There is no transaction to commit."),
                    dialect_->commitStatement());
    if (depth_ == 1)
        sendControl(dialect_->commitStatement());
    --depth_;
}

void Connection::rollback()
{
    if (depth_ == 0)
        return;
    depth_ = 0;
    sendControl(dialect_->rollbackStatement());
}

void Connection::setDefaultDatabase(const QString& name)
{
    dialect_->setDefaultDatabase(database_, name);
}

Transaction::Transaction(Connection& connection)
    : connection_(connection)
{
    connection_.begin();
}

Transaction::~Transaction()
{
    if (!open_)
        return;
    try {
        connection_.rollback();
    } catch (const Error&) {
        // The database may already have ended the transaction itself after the failure.
    }
}

void Transaction::commit()
{
    connection_.commit();
    open_ = false;
}

} // namespace db

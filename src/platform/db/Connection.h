#pragma once

#include "Dialect.h"
#include "RowSet.h"
#include "Trace.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <memory>

namespace db {

class ServerClock;

// The one connection of a run. Sends the department's statements through the dialect of its
// database, throws db::Error on any failure and records every statement in its trace.
class Connection {
public:
    // "Provider=EmbeddedHospital;Data Source=<folder>[;Driver=QODBC]" opens the embedded hospital
    // (through the SQLite ODBC driver with Driver=QODBC); anything else is an ODBC connection
    // string for SQL Server.
    static std::unique_ptr<Connection> connect(const QString& connectionString);
    static QString embeddedConnectionString(const QString& folder, bool throughOdbc = false);

    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Sends a statement; its rows, if any, are read front to back.
    RowSet execute(const QString& statement);
    RowSet open(const QString& statement, Cursor cursor = Cursor::Client,
                Access access = Access::ReadOnly);

    // Transactions nest: only the outermost commit writes; a rollback at any depth undoes all.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return depth_ > 0; }

    const QString& connectionString() const { return connectionString_; }
    void setDefaultDatabase(const QString& name);
    ServerClock* serverClock() const { return dialect_->serverClock(); }
    Trace& trace() { return trace_; }
    QSqlDatabase database() const { return database_; }

private:
    friend class RowSet;
    Connection(const QString& connectionString, QSqlDatabase database,
               std::unique_ptr<Dialect> dialect);
    static std::unique_ptr<Connection> connectEmbedded(const QString& connectionString,
                                                       const QString& folder, bool throughOdbc);
    static bool changesRows(const QString& sql);
    std::shared_ptr<QSqlQuery> prepare(const QString& sql, const QString& statement, bool reuse);
    std::shared_ptr<QSqlQuery> send(const Step& step, const QString& statement, bool reuse);
    RowSet runSteps(const Plan& plan, const QString& statement, Cursor cursor);
    void sendControl(const QString& statement);
    template <typename Work> auto traced(const QString& statement, Work work);
    void writeBack(const QString& sql, const QVariantList& values);

    QString connectionString_;
    QSqlDatabase database_;
    std::unique_ptr<Dialect> dialect_;
    Trace trace_;
    int depth_ = 0;
    // Statements prepared once and run again, as the same texts come back all day.
    static constexpr qsizetype preparedLimit = 128;
    QHash<QString, std::shared_ptr<QSqlQuery>> prepared_;
};

// Rolls back on destruction unless committed: a save that throws leaves nothing behind.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& connection_;
    bool open_ = true;
};

} // namespace db

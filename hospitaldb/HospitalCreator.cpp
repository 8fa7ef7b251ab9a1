#include "HospitalCreator.h"

#include "db/Connection.h"
#include "db/Error.h"
#include "db/tsql/EmbeddedFolder.h"
#include "db/tsql/Tokenizer.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

namespace hospitaldb {

namespace {

using db::tsql::EmbeddedFolder;

[[noreturn]] void fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

void run(QSqlDatabase& database, const QString& sql)
{
    QSqlQuery query(database);
    if (!query.exec(sql))
        fail(QStringLiteral("%1\nStatement: %2").arg(query.lastError().text(), sql));
}

QString schemaText(const QString& database)
{
    QFile file(QStringLiteral(":/hospitaldb/schema/%1.sql").arg(database));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(QStringLiteral("The schema of %1 is missing from the program.").arg(database));
    return QString::fromUtf8(file.readAll());
}

} // namespace

void HospitalCreator::create(const QString& folder, DemoSize size, bool reset)
{
    if (EmbeddedFolder::holdsForeignFile(folder))
        fail(QStringLiteral("The folder \"%1\" holds files that are not a hospital database; it is "
                            "left untouched.")
                 .arg(folder));
    if (EmbeddedFolder::holdsAnyFile(folder)) {
        if (!reset)
            fail(QStringLiteral("The folder \"%1\" already holds a hospital database; give --reset "
                                "to replace it.")
                     .arg(folder));
        removeFiles(folder);
    }
    if (!QDir().mkpath(folder))
        fail(QStringLiteral("Cannot create the folder \"%1\".").arg(folder));
    try {
        for (const QString& database : EmbeddedFolder::databaseNames())
            createSchema(folder, database);
        fill(folder, size);
    } catch (...) {
        removeFiles(folder);
        throw;
    }
}

void HospitalCreator::createSchema(const QString& folder, const QString& database)
{
    const QString name = QStringLiteral("create-") + database;
    {
        QSqlDatabase file = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        file.setDatabaseName(EmbeddedFolder::filePath(folder, database));
        if (!file.open())
            fail(file.lastError().text());
        run(file, QStringLiteral("PRAGMA application_id = %1").arg(EmbeddedFolder::applicationId));
        run(file, QStringLiteral("PRAGMA journal_mode = WAL"));
        const auto statements = db::tsql::splitStatements(db::tsql::tokenize(schemaText(database)));
        for (const auto& statement : statements)
            run(file, db::tsql::render(statement).trimmed());
        file.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void HospitalCreator::fill(const QString& folder, DemoSize size)
{
    auto connection = db::Connection::connect(db::Connection::embeddedConnectionString(folder));
    QSqlDatabase database = connection->database();
    for (const QString& name : EmbeddedFolder::databaseNames()) {
        run(database, QStringLiteral("PRAGMA %1.synchronous = OFF").arg(name));
        run(database, QStringLiteral("PRAGMA %1.cache_size = -65536").arg(name));
    }
    db::Transaction transaction(*connection);
    generateDemoHospital(database, size);
    transaction.commit();
    for (const QString& name : EmbeddedFolder::databaseNames())
        run(database, QStringLiteral("PRAGMA %1.wal_checkpoint(TRUNCATE)").arg(name));
}

void HospitalCreator::removeFiles(const QString& folder)
{
    for (const QString& database : EmbeddedFolder::databaseNames()) {
        const QString path = EmbeddedFolder::filePath(folder, database);
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(path + suffix);
    }
}

} // namespace hospitaldb

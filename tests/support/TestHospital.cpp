#include "TestHospital.h"

#include "db/tsql/EmbeddedFolder.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

namespace {

using db::tsql::EmbeddedFolder;

const QHash<QString, QStringList>& fixtureTables()
{
    static const QHash<QString, QStringList> tables = {
        {QStringLiteral("Clinical_Area"),
         {QStringLiteral("CREATE TABLE tbCounter (Name TEXT COLLATE NOCASE PRIMARY KEY, "
                         "LastValue INTEGER)"),
          QStringLiteral("INSERT INTO tbCounter VALUES ('slip', 0)"),
          QStringLiteral("CREATE TABLE tbDrawn (Value INTEGER, Workstation TEXT)"),
          QStringLiteral("CREATE TABLE tbNote (NoteID INTEGER PRIMARY KEY, Owner TEXT COLLATE "
                         "NOCASE, Body TEXT COLLATE NOCASE, Amount REAL, Noted DATETIME)"),
          QStringLiteral("INSERT INTO tbNote VALUES (1, 'SANTOS', 'first', 150.5, "
                         "'2026-12-01 08:30:00.000')"),
          QStringLiteral("INSERT INTO tbNote VALUES (2, 'REYES', NULL, 1500, NULL)"),
          QStringLiteral("INSERT INTO tbNote VALUES (3, 'CRUZ', 'third', -2, "
                         "'2026-12-02 17:05:09.000')")}},
        {QStringLiteral("Patient_Data"),
         {QStringLiteral("CREATE TABLE tbMaster (HospNum TEXT COLLATE NOCASE PRIMARY KEY, "
                         "LastName TEXT COLLATE NOCASE, FirstName TEXT COLLATE NOCASE)"),
          QStringLiteral("INSERT INTO tbMaster VALUES ('000101', 'DELA CRUZ', 'JUAN')"),
          QStringLiteral("INSERT INTO tbMaster VALUES ('000102', 'SANTOS', 'MARIA')")}},
    };
    return tables;
}

void createFile(const QString& folder, const QString& database)
{
    const QString name = QStringLiteral("fixture-") + database;
    {
        QSqlDatabase file = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        file.setDatabaseName(EmbeddedFolder::filePath(folder, database));
        if (!file.open())
            throw std::runtime_error(file.lastError().text().toStdString());
        QStringList statements = {
            QStringLiteral("PRAGMA application_id = %1").arg(EmbeddedFolder::applicationId),
            QStringLiteral("PRAGMA journal_mode = WAL")};
        statements += fixtureTables().value(database);
        QSqlQuery query(file);
        for (const QString& statement : statements)
            if (!query.exec(statement))
                throw std::runtime_error(query.lastError().text().toStdString());
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

TestHospital::TestHospital()
{
    for (const QString& database : EmbeddedFolder::databaseNames())
        createFile(folder(), database);
}

std::unique_ptr<db::Connection> TestHospital::connect(bool throughOdbc) const
{
    return db::Connection::connect(db::Connection::embeddedConnectionString(folder(), throughOdbc) +
                                   QStringLiteral(";Procedures=") +
                                   QStringLiteral(TEST_PROCEDURES_DIR));
}

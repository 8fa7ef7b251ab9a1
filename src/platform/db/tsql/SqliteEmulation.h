#pragma once

#include "Translator.h"
#include "db/Dialect.h"
#include "db/ServerClock.h"

#include <QHash>
#include <memory>

namespace db::tsql {

class ProcedureLibrary;

// The department's T-SQL subset on the embedded hospital: statements are translated token by
// token, procedure calls run the stand-in procedures, getdate() reads the folder's clock.
class SqliteEmulation : public Dialect {
public:
    SqliteEmulation(const QString& folder, const ProcedureLibrary& procedures);

    // Attaches the nine databases and sets the busy timeout; throws db::Error on failure.
    void attach(QSqlDatabase& database) const;

    QString beginStatement() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
    QString commitStatement() const override { return QStringLiteral("COMMIT"); }
    QString rollbackStatement() const override { return QStringLiteral("ROLLBACK"); }
    Plan plan(const QString& statement, bool updatable, const QSqlDatabase& database) override;
    QVariant toDatabase(const QVariant& value) const override;
    void setDefaultDatabase(QSqlDatabase& database, const QString& name) override;
    ServerClock* serverClock() const override { return clock_.get(); }
    bool isHiddenField(const QString& name) const override;

private:
    Plan procedurePlan(const Translation& translation, bool updatable, const QString& statement);
    const Translation& translated(const QString& statement, bool updatable);

    QString folder_;
    const ProcedureLibrary& procedures_;
    std::shared_ptr<ServerClock> clock_;
    // Statements that do not read the clock translate the same way every time.
    QHash<QString, Translation> cache_;
    Translation uncached_;
};

} // namespace db::tsql

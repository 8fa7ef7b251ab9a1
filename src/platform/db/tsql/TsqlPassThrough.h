#pragma once

#include "db/Dialect.h"

namespace db::tsql {

// SQL Server: statements go as written; an updatable row set finds its table's key from the
// driver's metadata.
class TsqlPassThrough : public Dialect {
public:
    QString beginStatement() const override { return QStringLiteral("BEGIN TRANSACTION"); }
    QString commitStatement() const override { return QStringLiteral("COMMIT TRANSACTION"); }
    QString rollbackStatement() const override { return QStringLiteral("ROLLBACK TRANSACTION"); }
    Plan plan(const QString& statement, bool updatable, const QSqlDatabase& database) override;
    void setDefaultDatabase(QSqlDatabase& database, const QString& name) override;
};

} // namespace db::tsql

#pragma once

#include "Translator.h"

#include <QHash>
#include <memory>

namespace db::tsql {

struct ProcedureParameter {
    QString name; // with its "@"
    QString type; // text, int, money or datetime
    bool hasDefault = false;
    QVariant defaultValue;
};

// A statement of a procedure's body, rendered once with "?" for its parameters and for its
// reads of the server's clock, so that every call sends the same text.
struct ProcedureStatement {
    QString sql;
    QStringList variables; // what each "?" stands for, in order, lower case
};

struct Procedure {
    QString database;
    QString name;
    QList<ProcedureParameter> parameters;
    QString baseTable; // the table whose rows a caller may update, "Database.table"
    QList<ProcedureStatement> statements;
    bool readsClock = false;
};

struct BoundStatement {
    QString sql;
    QVariantList values;
};

// The stand-in stored procedures: <root>/<Database>/<name>.sql, looked up without regard to
// letter case. A file starts with comment lines that declare its parameters in order,
// "-- @name type [= default]", and optionally "-- updates: Database.table"; then SQLite
// statements that use the parameters by name.
class ProcedureLibrary {
public:
    explicit ProcedureLibrary(const QString& root);
    // The procedures built into the program.
    static const ProcedureLibrary& standard();

    // Throws db::Error naming the procedure when there is none.
    std::shared_ptr<const Procedure> find(const ProcedureCall& call,
                                          const QString& statement) const;

    // The procedure's statements with the call's arguments converted to their parameters' types
    // and bound in order; getdate() reads `serverNow`.
    static QList<BoundStatement> bind(const Procedure& procedure, const ProcedureCall& call,
                                      const QDateTime& serverNow, const QString& statement);

private:
    static std::shared_ptr<Procedure> load(const QString& path, const QString& database);

    QHash<QString, QString> files_; // "database/name" in lower case -> path
    mutable QHash<QString, std::shared_ptr<const Procedure>> loaded_;
};

} // namespace db::tsql

#pragma once

#include "Tokenizer.h"

#include <QDateTime>
#include <QVariantList>

namespace db::tsql {

// A stored-procedure call as the department writes it: "Db..name 'a', 0, 'b'" (EXEC optional).
struct ProcedureCall {
    QString database; // empty: the default database
    QString name;
    QVariantList arguments; // text or number; a null QVariant for NULL
};

struct Translation {
    bool isProcedure = false;
    QString sql;        // the SQLite statement, when not a procedure
    ProcedureCall call; // when a procedure
    QString baseTable;  // "Database.table" of an updatable SELECT
    bool readsClock = false;
};

// Name of the hidden column that carries an updatable row's identity.
inline constexpr char rowIdColumn[] = "__rowid";

// Turns one statement of the department's T-SQL subset into SQLite SQL, token by token.
// getdate() becomes a literal of the given server time. Throws db::Error naming any construct
// outside the subset.
class Translator {
public:
    static Translation translate(const QString& statement, const QDateTime& serverNow,
                                 bool updatable);

    // Replaces getdate() (and its 108-style time conversion) by literals; used for procedure
    // bodies too. Sets readsClock when it did.
    static Tokens withClockLiterals(const Tokens& tokens, const QDateTime& serverNow,
                                    const QString& statement, bool* readsClock);
};

} // namespace db::tsql

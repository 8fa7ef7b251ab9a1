#pragma once

#include "Tokenizer.h"

#include <QDateTime>
#include <QVariantList>
#include <functional>

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

    // The two ways a statement reads the server's clock: getdate() and its 108-style time.
    enum class ClockRead { DateTime, Time };

    // Replaces every read of the clock by what `replacement` gives for it; sets readsClock when
    // there was one.
    static Tokens replacingClock(const Tokens& tokens,
                                 const std::function<Token(ClockRead)>& replacement,
                                 const QString& statement, bool* readsClock);
    // Replaces the reads of the clock by literals of the server time.
    static Tokens withClockLiterals(const Tokens& tokens, const QDateTime& serverNow,
                                    const QString& statement, bool* readsClock);
};

} // namespace db::tsql

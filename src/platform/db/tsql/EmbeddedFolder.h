#pragma once

#include <QString>
#include <QStringList>

namespace db::tsql {

// The embedded hospital on disk: one SQLite file per hospital database in one folder, each
// marked with the program's application id so that a foreign folder is never mistaken for it.
class EmbeddedFolder {
public:
    static constexpr int applicationId = 0x45594543; // "EYEC"

    // In ATTACH order: the first is the default database for unqualified names.
    static const QStringList& databaseNames();
    static QString filePath(const QString& folder, const QString& database);
    // Empty when the folder holds a hospital database, else why it does not.
    static QString problem(const QString& folder);
    // True when any of the hospital's files is present.
    static bool holdsAnyFile(const QString& folder);
    // True when a file of the hospital's names is present that is not one of its databases.
    static bool holdsForeignFile(const QString& folder);
};

} // namespace db::tsql

#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace db {

// The parts of a connection string: "key=value" separated by ';'; a value in braces may hold ';'
// and writes '}' as "}}". Keys are compared without regard to letter case.
class ConnectionString {
public:
    // In order, keys in lower case.
    static QList<QPair<QString, QString>> parts(const QString& text);
    // The value of one part; empty when absent.
    static QString part(const QString& connectionString, const QString& key);
};

} // namespace db

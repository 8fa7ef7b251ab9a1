#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

namespace db {

struct TraceEntry {
    QString statement;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Every statement a connection sends, with its outcome. Keeps the most recent entries in
// memory for tests and support; optionally appends each one to a file.
class Trace {
public:
    void record(const QString& statement, const QString& error = {});
    const QList<TraceEntry>& entries() const { return entries_; }
    QStringList statements() const;
    void clear() { entries_.clear(); }
    // Empty path switches the file off. Returns false when the file cannot be opened.
    bool setFile(const QString& path);

private:
    static constexpr qsizetype memoryLimit = 5000;
    QList<TraceEntry> entries_;
    QFile file_;
};

} // namespace db

#pragma once

#include <QStringList>
#include <QTextStream>

namespace db {
class RowSet;
}

// The embedded hospital's command-line client: creates a hospital in a folder, or runs
// statements of the department's SQL on one and prints their rows.
class SqlConsole {
public:
    SqlConsole(QTextStream& in, QTextStream& out, QTextStream& err);

    // Arguments without the program name; returns the process exit code.
    int run(const QStringList& arguments);

    static QString usage();

private:
    int create(const QString& folder, const QString& size, bool reset);
    int query(const QString& folder, const QStringList& statements, bool csv);
    void print(db::RowSet& rows, bool csv);
    void printTable(const QStringList& header, const QList<QStringList>& rows);
    void printCsv(const QStringList& header, const QList<QStringList>& rows);

    QTextStream& in_;
    QTextStream& out_;
    QTextStream& err_;
};

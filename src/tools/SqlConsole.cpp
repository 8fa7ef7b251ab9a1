#include "SqlConsole.h"

#include "HospitalCreator.h"
#include "db/Connection.h"
#include "db/Error.h"

#include <algorithm>
#include <stdexcept>

namespace {

QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

struct Options {
    QString folder;
    QString size = QStringLiteral("demo");
    QStringList statements;
    bool create = false;
    bool reset = false;
    bool csv = false;
};

// Throws std::invalid_argument on anything it does not know.
Options parse(const QStringList& arguments)
{
    Options options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const auto value = [&] {
            if (++i >= arguments.size())
                throw std::invalid_argument(("missing value after " + argument).toStdString());
            return arguments[i];
        };
        if (argument == QLatin1String("--data"))
            options.folder = value();
        else if (argument == QLatin1String("-Q"))
            options.statements.append(value());
        else if (argument == QLatin1String("--size"))
            options.size = value();
        else if (argument == QLatin1String("--create"))
            options.create = true;
        else if (argument == QLatin1String("--reset"))
            options.reset = true;
        else if (argument == QLatin1String("--csv"))
            options.csv = true;
        else
            throw std::invalid_argument(("unknown argument " + argument).toStdString());
    }
    if (options.folder.isEmpty())
        throw std::invalid_argument("--data DIR is required");
    return options;
}

} // namespace

SqlConsole::SqlConsole(QTextStream& in, QTextStream& out, QTextStream& err)
    : in_(in)
    , out_(out)
    , err_(err)
{}

QString SqlConsole::usage()
{
    return QStringLiteral("usage: eyecenter-sql --data DIR --create [--size demo|bench] [--reset]\n"
                          "       eyecenter-sql --data DIR [--csv] -Q \"statement\"\n"
                          "       eyecenter-sql --data DIR [--csv]      (statements from standard "
                          "input, one a line)\n");
}

int SqlConsole::run(const QStringList& arguments)
{
    try {
        const Options options = parse(arguments);
        if (options.create)
            return create(options.folder, options.size, options.reset);
        QStringList statements = options.statements;
        if (statements.isEmpty()) {
            QString line;
            while (in_.readLineInto(&line))
                if (!line.trimmed().isEmpty())
                    statements.append(line);
        }
        return query(options.folder, statements, options.csv);
    } catch (const std::invalid_argument& error) {
        err_ << "eyecenter-sql: " << error.what() << "\n" << usage();
        return 2;
    }
}

int SqlConsole::create(const QString& folder, const QString& size, bool reset)
{
    if (size != QLatin1String("demo") && size != QLatin1String("bench"))
        throw std::invalid_argument("--size takes demo or bench");
    try {
        const auto demoSize = size == QLatin1String("bench") ? hospitaldb::DemoSize::Bench
                                                             : hospitaldb::DemoSize::Demo;
        hospitaldb::HospitalCreator::create(folder, demoSize, reset);
    } catch (const std::exception& error) {
        err_ << "eyecenter-sql: " << error.what() << "\n";
        return 1;
    }
    out_ << "Created the " << size << " hospital in " << folder << "\n";
    return 0;
}

int SqlConsole::query(const QString& folder, const QStringList& statements, bool csv)
{
    try {
        auto connection = db::Connection::connect(db::Connection::embeddedConnectionString(folder));
        for (const QString& statement : statements) {
            db::RowSet rows = connection->open(statement);
            print(rows, csv);
        }
    } catch (const db::Error& error) {
        err_ << "eyecenter-sql: " << error.message() << "\nStatement: " << error.statement()
             << "\n";
        return 1;
    }
    return 0;
}

void SqlConsole::print(db::RowSet& rows, bool csv)
{
    if (!rows.isOpen()) {
        if (!csv)
            out_ << "(done)\n";
        out_.flush();
        return;
    }
    QStringList header;
    for (int i = 0; i < rows.fieldCount(); ++i)
        header.append(rows.fieldName(i));
    QList<QStringList> lines;
    for (; !rows.eof(); rows.moveNext()) {
        QStringList line;
        for (int i = 0; i < rows.fieldCount(); ++i)
            line.append(rows.field(i).toString());
        lines.append(line);
    }
    if (csv)
        printCsv(header, lines);
    else
        printTable(header, lines);
    out_.flush();
}

void SqlConsole::printTable(const QStringList& header, const QList<QStringList>& rows)
{
    QList<qsizetype> widths;
    for (qsizetype c = 0; c < header.size(); ++c) {
        qsizetype width = header[c].size();
        for (const QStringList& row : rows)
            width = std::max(width, row[c].size());
        widths.append(width);
    }
    const auto line = [&](const QStringList& cells) {
        QStringList padded;
        for (qsizetype c = 0; c < cells.size(); ++c)
            padded.append(cells[c].leftJustified(widths[c]));
        out_ << padded.join(QStringLiteral(" | ")).trimmed() << "\n";
    };
    line(header);
    QStringList rule;
    for (qsizetype width : widths)
        rule.append(QString(width, QLatin1Char('-')));
    out_ << rule.join(QStringLiteral("-+-")) << "\n";
    for (const QStringList& row : rows)
        line(row);
    out_ << "(" << rows.size() << (rows.size() == 1 ? " row)\n" : " rows)\n");
}

void SqlConsole::printCsv(const QStringList& header, const QList<QStringList>& rows)
{
    const auto line = [&](const QStringList& cells) {
        QStringList fields;
        for (const QString& cell : cells)
            fields.append(csvField(cell));
        out_ << fields.join(QLatin1Char(',')) << "\n";
    };
    line(header);
    for (const QStringList& row : rows)
        line(row);
}

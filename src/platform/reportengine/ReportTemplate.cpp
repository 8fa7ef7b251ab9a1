#include "ReportTemplate.h"

#include "ReportError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QRegularExpression>
#include <QSet>
#include <QSizeF>

namespace {

struct Section {
    QString kind;     // report, parameters, query, subreport, header, body, footer
    QString argument; // the query's or sub-report's name
    int line = 0;
    QStringList lines;
};

bool isSectionLine(const QString& line, Section& section)
{
    static const QRegularExpression form(
        QStringLiteral("^\\[(report|parameters|query|subreport|style|header|body|footer)"
                       "(?:\\s+([^\\]\\s]+))?\\]$"));
    const QRegularExpressionMatch match = form.match(line.trimmed());
    if (!match.hasMatch())
        return false;
    section.kind = match.captured(1);
    section.argument = match.captured(2);
    return true;
}

class TemplateReader {
public:
    TemplateReader(const QString& path)
        : path_(path)
    {}

    ReportTemplate read(const QString& text)
    {
        ReportTemplate result;
        result.path = path_;
        result.pageLayout = QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                        QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
        result.font = QStringLiteral("DejaVu Sans, Arial, sans-serif");
        for (const Section& section : split(text))
            apply(section, result);
        check(result);
        return result;
    }

private:
    [[noreturn]] void fail(int line, const QString& what) const
    {
        throw ReportError(QStringLiteral("The report template %1, line %2: %3")
                              .arg(QDir::toNativeSeparators(path_))
                              .arg(line)
                              .arg(what));
    }
    [[noreturn]] void fail(const QString& what) const
    {
        throw ReportError(QStringLiteral("The report template %1: %2")
                              .arg(QDir::toNativeSeparators(path_), what));
    }

    QList<Section> split(const QString& text) const
    {
        QList<Section> sections;
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            QString line = lines[i];
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            Section next;
            if (isSectionLine(line, next)) {
                next.line = i + 1;
                sections.append(next);
            } else if (!sections.isEmpty()) {
                sections.last().lines.append(line);
            } else if (!isComment(line)) {
                fail(i + 1, QStringLiteral("text before the first [section]"));
            }
        }
        return sections;
    }

    static bool isComment(const QString& line)
    {
        const QString trimmed = line.trimmed();
        return trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) ||
               trimmed.startsWith(QLatin1Char('#'));
    }

    // key = value lines of a settings section, comments and blank lines skipped.
    QList<std::tuple<int, QString, QString>> settings(const Section& section) const
    {
        QList<std::tuple<int, QString, QString>> result;
        for (int i = 0; i < section.lines.size(); ++i) {
            const QString& line = section.lines[i];
            if (isComment(line))
                continue;
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals <= 0)
                fail(section.line + 1 + i, QStringLiteral("\"name = value\" expected"));
            result.append({section.line + 1 + i, line.left(equals).trimmed(),
                           line.mid(equals + 1).trimmed()});
        }
        return result;
    }

    void apply(const Section& section, ReportTemplate& result)
    {
        const QString where = QStringLiteral("The report template %1, [%2]")
                                  .arg(QDir::toNativeSeparators(path_), section.kind);
        if (section.kind == u"report")
            applyReport(section, result);
        else if (section.kind == u"parameters")
            applyParameters(section, result);
        else if (section.kind == u"query")
            result.queries.append(readQuery(section));
        else if (section.kind == u"subreport")
            result.subreports.append(readSubreport(section));
        else if (section.kind == u"style")
            result.styleSheet += section.lines.join(QLatin1Char('\n'));
        else if (section.kind == u"header")
            result.header = markup::parse(section.lines.join(QLatin1Char('\n')), where);
        else if (section.kind == u"footer")
            result.footer = markup::parse(section.lines.join(QLatin1Char('\n')), where);
        else
            result.body = markup::parse(section.lines.join(QLatin1Char('\n')), where);
    }

    void applyReport(const Section& section, ReportTemplate& result)
    {
        for (const auto& [line, key, value] : settings(section)) {
            if (key == u"title")
                result.title = value;
            else if (key == u"page")
                result.pageLayout.setPageSize(pageSize(line, value));
            else if (key == u"orientation")
                result.pageLayout.setOrientation(orientation(line, value));
            else if (key == u"margins")
                result.pageLayout.setMargins(margins(line, value));
            else if (key == u"font")
                readFont(line, value, result);
            else
                fail(line, QStringLiteral("unknown setting \"%1\"").arg(key));
        }
    }

    QPageSize pageSize(int line, const QString& value) const
    {
        static const QList<std::pair<QString, QPageSize::PageSizeId>> named = {
            {QStringLiteral("letter"), QPageSize::Letter},
            {QStringLiteral("legal"), QPageSize::Legal},
            {QStringLiteral("a4"), QPageSize::A4},
            {QStringLiteral("a5"), QPageSize::A5},
            {QStringLiteral("executive"), QPageSize::Executive}};
        for (const auto& [name, id] : named)
            if (value.compare(name, Qt::CaseInsensitive) == 0)
                return QPageSize(id);
        // "216x140" in millimetres.
        const QStringList sides = value.split(QLatin1Char('x'));
        bool wide = false;
        bool high = false;
        if (sides.size() == 2) {
            const double width = sides[0].trimmed().toDouble(&wide);
            const double height = sides[1].trimmed().toDouble(&high);
            if (wide && high && width > 20 && height > 20)
                return QPageSize(QSizeF(width, height), QPageSize::Millimeter);
        }
        fail(line, QStringLiteral("page \"%1\" is not Letter, Legal, A4, A5, Executive or "
                                  "WIDTHxHEIGHT in millimetres")
                       .arg(value));
    }

    QPageLayout::Orientation orientation(int line, const QString& value) const
    {
        if (value.compare(QLatin1String("portrait"), Qt::CaseInsensitive) == 0)
            return QPageLayout::Portrait;
        if (value.compare(QLatin1String("landscape"), Qt::CaseInsensitive) == 0)
            return QPageLayout::Landscape;
        fail(line, QStringLiteral("orientation is portrait or landscape"));
    }

    // "top right bottom left" in millimetres, or one value for all four.
    QMarginsF margins(int line, const QString& value) const
    {
        QList<double> sides;
        for (const QString& part : value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            bool ok = false;
            sides.append(part.toDouble(&ok));
            if (!ok || sides.last() < 0 || sides.last() > 100)
                fail(line,
                     QStringLiteral("margin \"%1\" is not a number of millimetres").arg(part));
        }
        if (sides.size() == 1)
            return QMarginsF(sides[0], sides[0], sides[0], sides[0]);
        if (sides.size() != 4)
            fail(line, QStringLiteral("margins are \"top right bottom left\" in millimetres"));
        return QMarginsF(sides[3], sides[0], sides[1], sides[2]);
    }

    // "Family, size" with the size in points.
    void readFont(int line, const QString& value, ReportTemplate& result) const
    {
        const qsizetype comma = value.lastIndexOf(QLatin1Char(','));
        bool ok = false;
        const double size = comma < 0 ? 0 : value.mid(comma + 1).trimmed().toDouble(&ok);
        if (!ok || size < 4 || size > 72)
            fail(line, QStringLiteral("font is \"family, size in points\""));
        result.font = value.left(comma).trimmed();
        result.fontSize = size;
    }

    void applyParameters(const Section& section, ReportTemplate& result)
    {
        for (const auto& [line, name, prompt] : settings(section)) {
            if (result.parameterIndex(name) >= 0)
                fail(line, QStringLiteral("parameter \"%1\" given twice").arg(name));
            result.parameters.append({name, prompt.isEmpty() ? name : prompt});
        }
    }

    ReportQuery readQuery(const Section& section) const
    {
        if (section.argument.isEmpty())
            fail(section.line, QStringLiteral("[query NAME] needs a name"));
        static const QRegularExpression table(
            QStringLiteral("^table\\s+([A-Za-z_][A-Za-z0-9_]*)\\s*=\\s*(\\S+)$"));
        ReportQuery query;
        query.name = section.argument;
        QStringList sql;
        for (int i = 0; i < section.lines.size(); ++i) {
            const QString line = section.lines[i].trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1String("--")) ||
                line.startsWith(QLatin1Char(';')))
                continue;
            if (const auto match = table.match(line); match.hasMatch())
                query.tables.append({match.captured(1), match.captured(2)});
            else
                sql.append(line);
        }
        query.sql = sql.join(QLatin1Char('\n'));
        if (query.sql.isEmpty())
            fail(section.line, QStringLiteral("query %1 has no SQL").arg(query.name));
        return query;
    }

    ReportSubreportRef readSubreport(const Section& section) const
    {
        if (section.argument.isEmpty())
            fail(section.line, QStringLiteral("[subreport NAME] needs a name"));
        ReportSubreportRef ref{section.argument, section.argument};
        for (const auto& [line, key, value] : settings(section)) {
            if (key != u"file")
                fail(line, QStringLiteral("unknown setting \"%1\"").arg(key));
            ref.file = value;
        }
        return ref;
    }

    void check(const ReportTemplate& result) const
    {
        QSet<QString> names;
        for (const ReportQuery& query : result.queries)
            if (names.contains(query.name.toLower()))
                fail(QStringLiteral("query %1 is declared twice").arg(query.name));
            else
                names.insert(query.name.toLower());
        for (const markup::Nodes* part : {&result.header, &result.body, &result.footer})
            markup::walk(*part, [&](const markup::Node& node, int eachDepth) {
                checkNode(result, node, eachDepth);
            });
    }

    void checkNode(const ReportTemplate& result, const markup::Node& node, int eachDepth) const
    {
        using markup::Kind;
        if ((node.kind == Kind::Each || node.kind == Kind::None ||
             (node.kind == Kind::Value && !node.query.isEmpty())) &&
            !result.query(node.query))
            fail(QStringLiteral("it uses the query %1, which it does not declare").arg(node.query));
        if ((node.kind == Kind::Group || node.kind == Kind::GroupEnd) && eachDepth == 0)
            fail(QStringLiteral("{group %1} stands outside every {each}").arg(node.name));
        if (node.kind == Kind::Value && node.valueKind == markup::ValueKind::Parameter &&
            result.parameterIndex(node.name) < 0)
            fail(QStringLiteral("it uses the parameter %1, which it does not declare")
                     .arg(node.name));
        if (node.kind == Kind::Subreport &&
            std::none_of(result.subreports.begin(), result.subreports.end(),
                         [&](const ReportSubreportRef& ref) {
                             return ref.name.compare(node.name, Qt::CaseInsensitive) == 0;
                         }))
            fail(QStringLiteral("it shows the sub-report %1, which it does not declare")
                     .arg(node.name));
    }

    QString path_;
};

} // namespace

ReportTemplate ReportTemplate::load(const QString& path)
{
    QFile file(resolve(path));
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("Cannot open the report template %1: %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString()));
    return parse(QString::fromUtf8(file.readAll()), file.fileName());
}

ReportTemplate ReportTemplate::parse(const QString& text, const QString& path)
{
    return TemplateReader(path).read(text);
}

const ReportQuery* ReportTemplate::query(const QString& name) const
{
    for (const ReportQuery& query : queries)
        if (query.name.compare(name, Qt::CaseInsensitive) == 0)
            return &query;
    return nullptr;
}

int ReportTemplate::parameterIndex(const QString& name) const
{
    for (int i = 0; i < parameters.size(); ++i)
        if (parameters[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString ReportTemplate::resolve(const QString& path)
{
    QString normal = path;
    normal.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QFileInfo info(normal);
    if (info.exists())
        return normal;
    // Windows file names ignore letter case; the department's code relies on that.
    const QDir dir = info.dir();
    for (const QString& entry : dir.entryList(QDir::Files))
        if (entry.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return normal;
}

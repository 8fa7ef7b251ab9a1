#include "ReportRenderer.h"

#include "Report.h"
#include "ReportError.h"
#include "db/Connection.h"
#include "db/Error.h"
#include "db/Sql.h"

#include <QFileInfo>
#include <QHash>

namespace {

using markup::Kind;
using markup::Node;
using markup::Nodes;
using markup::ValueKind;

struct QueryData {
    QHash<QString, int> columns; // lower-case name -> index
    QList<QList<db::Value>> rows;

    int column(const QString& name) const { return columns.value(name.toLower(), -1); }
};

// Where a placeholder stands: the row of each enclosing {each}, innermost last, and the rows
// a {sum} or {count} adds up.
struct Scope {
    QString query;
    const QueryData* data = nullptr;
    int row = 0;
    int sumFrom = 0;
    int sumTo = 0; // exclusive
};

class Expander {
public:
    Expander(const Report& report, db::Connection& connection, const QDateTime& printed,
             QList<RenderedReport::Group>* groups)
        : report_(report)
        , connection_(connection)
        , printed_(printed)
        , groups_(groups)
    {}

    QString expand(const Nodes& nodes)
    {
        QString html;
        QList<Scope> scopes;
        expandInto(html, nodes, scopes);
        return html;
    }

private:
    [[noreturn]] void fail(const QString& what) const
    {
        throw ReportError(QStringLiteral("The report %1: %2")
                              .arg(QFileInfo(report_.layout().path).fileName(), what));
    }

    void expandInto(QString& html, const Nodes& nodes, QList<Scope>& scopes)
    {
        for (const auto& node : nodes) {
            switch (node->kind) {
            case Kind::Text:
                html += node->text;
                break;
            case Kind::Value:
                html += value(*node, scopes).toHtmlEscaped();
                break;
            case Kind::Each:
                each(html, *node, scopes);
                break;
            case Kind::None:
                if (data(node->query).rows.isEmpty())
                    expandInto(html, node->children, scopes);
                break;
            case Kind::Subreport: {
                // Checked when the template was read.
                const Report* subreport = report_.findSubreport(node->name);
                html += Expander(*subreport, connection_, printed_, nullptr)
                            .expand(subreport->layout().body);
                break;
            }
            case Kind::Group:
            case Kind::GroupEnd:
                break; // written by each()
            }
        }
    }

    // The group fields of an {each}, outermost first, as its {group} sections give them.
    static QStringList groupFields(const Node& each)
    {
        QStringList fields;
        for (const auto& child : each.children)
            if ((child->kind == Kind::Group || child->kind == Kind::GroupEnd) &&
                !fields.contains(child->name, Qt::CaseInsensitive))
                fields.append(child->name);
        return fields;
    }

    static int levelOf(const QStringList& fields, const QString& field)
    {
        for (int level = 0; level < fields.size(); ++level)
            if (fields[level].compare(field, Qt::CaseInsensitive) == 0)
                return level;
        return -1;
    }

    // The outermost group level that changes between rows a and b (levels.size() when none).
    int changedLevel(const QueryData& rows, const QList<int>& columns, int a, int b) const
    {
        for (int level = 0; level < columns.size(); ++level)
            if (rows.rows[a][columns[level]].toString() != rows.rows[b][columns[level]].toString())
                return level;
        return columns.size();
    }

    void each(QString& html, const Node& node, QList<Scope>& scopes)
    {
        const QueryData& rows = data(node.query);
        const QStringList fields = groupFields(node);
        QList<int> columns;
        for (const QString& field : fields) {
            columns.append(rows.column(field));
            if (columns.last() < 0 && !rows.rows.isEmpty())
                fail(QStringLiteral("the query %1 has no field %2 to group by")
                         .arg(node.query, field));
        }
        QList<int> groupStart(fields.size(), 0);
        const int count = static_cast<int>(rows.rows.size());
        for (int row = 0; row < count; ++row) {
            const int starts = row == 0 ? 0 : changedLevel(rows, columns, row - 1, row);
            const int ends = row == count - 1 ? 0 : changedLevel(rows, columns, row, row + 1);
            for (int level = starts; level < fields.size(); ++level)
                groupStart[level] = row;
            scopes.append({node.query, &rows, row, 0, count});
            for (const auto& child : node.children) {
                const int level = levelOf(fields, child->name);
                if (child->kind == Kind::Group) {
                    if (level >= starts)
                        groupHeading(html, *child, level, rows.rows[row][columns[level]], scopes);
                } else if (child->kind == Kind::GroupEnd) {
                    if (level >= ends) {
                        scopes.last().sumFrom = groupStart[level];
                        scopes.last().sumTo = row + 1;
                        expandInto(html, child->children, scopes);
                        scopes.last().sumFrom = 0;
                        scopes.last().sumTo = count;
                    }
                } else {
                    expandInto(html, {child}, scopes);
                }
            }
            scopes.removeLast();
        }
    }

    void groupHeading(QString& html, const Node& node, int level, const db::Value& value,
                      QList<Scope>& scopes)
    {
        QString heading;
        expandInto(heading, node.children, scopes);
        if (groups_) {
            const QString anchor = QStringLiteral("group%1").arg(groups_->size());
            groups_->append({value.toString(), level, anchor});
            heading.insert(textStart(heading), QStringLiteral("<a name=\"%1\"></a>").arg(anchor));
        }
        html += heading;
    }

    // Where the first text of some HTML begins: an anchor keeps its name only on text, not in
    // front of a heading or paragraph tag.
    static qsizetype textStart(const QString& html)
    {
        qsizetype pos = 0;
        while (pos < html.size()) {
            if (html.at(pos).isSpace()) {
                ++pos;
            } else if (html.at(pos) == u'<') {
                const qsizetype close = html.indexOf(QLatin1Char('>'), pos);
                if (close < 0)
                    break;
                pos = close + 1;
            } else {
                return pos;
            }
        }
        return html.size();
    }

    const QueryData& data(const QString& query)
    {
        const QString key = query.toLower();
        if (auto found = cache_.constFind(key); found != cache_.constEnd())
            return *found;
        const QString sql = ReportRenderer::statement(report_, query);
        QueryData result;
        try {
            db::RowSet rows = connection_.open(sql, db::Cursor::Client);
            for (int i = 0; i < rows.fieldCount(); ++i)
                result.columns.insert(rows.fieldName(i).toLower(), i);
            for (; !rows.eof(); rows.moveNext()) {
                QList<db::Value> row;
                row.reserve(rows.fieldCount());
                for (int i = 0; i < rows.fieldCount(); ++i)
                    row.append(rows.field(i));
                result.rows.append(row);
            }
        } catch (const db::Error& error) {
            fail(QStringLiteral("the query %1 failed: %2\n%3")
                     .arg(query, error.message(), error.statement()));
        }
        return *cache_.insert(key, result);
    }

    const Scope* scopeOf(const QList<Scope>& scopes, const QString& query) const
    {
        for (qsizetype i = scopes.size() - 1; i >= 0; --i)
            if (query.isEmpty() || scopes[i].query.compare(query, Qt::CaseInsensitive) == 0)
                return &scopes[i];
        return nullptr;
    }

    QString value(const Node& node, const QList<Scope>& scopes)
    {
        switch (node.valueKind) {
        case ValueKind::Parameter: {
            const int index = report_.layout().parameterIndex(node.name);
            return formatted(db::Value(report_.parameterValue(index).value_or(QString())),
                             node.format);
        }
        case ValueKind::Count:
            return formatted(
                db::Value(static_cast<int>(range(node, scopes).second - range(node, scopes).first)),
                node.format);
        case ValueKind::Sum:
            return formatted(db::Value(sum(node, scopes)), node.format);
        case ValueKind::Field:
            break;
        }
        if (node.query.isEmpty()) {
            if (const Scope* scope = scopeOf(scopes, QString())) {
                const int column = scope->data->column(node.name);
                if (column >= 0)
                    return formatted(scope->data->rows[scope->row][column], node.format);
            }
            return formatted(builtIn(node.name), node.format);
        }
        return formatted(queryField(node, scopes), node.format);
    }

    db::Value builtIn(const QString& name) const
    {
        const auto is = [&](const char* builtIn) {
            return name.compare(QLatin1String(builtIn), Qt::CaseInsensitive) == 0;
        };
        if (is("Company"))
            return db::Value(report_.company());
        if (is("Address1"))
            return db::Value(report_.address1());
        if (is("printed"))
            return db::Value(printed_);
        if (is("title"))
            return db::Value(report_.layout().title);
        // Written per page once the pages are counted.
        if (is("page") || is("pages"))
            return db::Value(QStringLiteral("{%1}").arg(name.toLower()));
        fail(QStringLiteral("{%1} is neither a field of the rows here nor a report value")
                 .arg(name));
    }

    // {Query.Field}: the current row inside {each Query}, else the query's first row.
    db::Value queryField(const Node& node, const QList<Scope>& scopes)
    {
        const QueryData& rows = data(node.query);
        const int column = rows.column(node.name);
        if (column < 0)
            fail(QStringLiteral("the query %1 has no field %2").arg(node.query, node.name));
        const Scope* scope = scopeOf(scopes, node.query);
        if (scope)
            return rows.rows[scope->row][column];
        return rows.rows.isEmpty() ? db::Value() : rows.rows.first()[column];
    }

    // The rows a {sum} or {count} adds up: a named query's whole rows, else the current group.
    std::pair<int, int> range(const Node& node, const QList<Scope>& scopes)
    {
        if (!node.query.isEmpty())
            return {0, static_cast<int>(data(node.query).rows.size())};
        const Scope* scope = scopeOf(scopes, QString());
        if (!scope)
            fail(QStringLiteral("{sum:%1} or {count} outside every {each} must name its query")
                     .arg(node.name));
        return {scope->sumFrom, scope->sumTo};
    }

    double sum(const Node& node, const QList<Scope>& scopes)
    {
        const auto [from, to] = range(node, scopes);
        const Scope* scope = node.query.isEmpty() ? scopeOf(scopes, QString()) : nullptr;
        const QueryData& rows = scope ? *scope->data : data(node.query);
        const int column = rows.column(node.name);
        if (column < 0)
            fail(QStringLiteral("there is no field %1 to add up").arg(node.name));
        double total = 0;
        for (int row = from; row < to; ++row)
            total += rows.rows[row][column].toDouble();
        return total;
    }

    static QString formatted(const db::Value& value, const QString& format)
    {
        if (format.isEmpty())
            return value.toString();
        if (format == u"upper")
            return value.toString().toUpper();
        if (value.isNull() || value.toString().isEmpty())
            return QString();
        if (format == u"money")
            return db::Sql::groupedTwoDecimals(value.toDouble());
        if (format == u"number")
            return db::Sql::plainNumber(value.toDouble());
        if (format == u"int")
            return QString::number(qRound64(value.toDouble()));
        const QDateTime moment = value.toDateTime();
        if (!moment.isValid())
            return value.toString();
        if (format == u"date")
            return db::Sql::date(moment.date());
        if (format == u"time")
            return moment.toString(QStringLiteral("hh:mm AP"));
        return db::Sql::dateTime(moment);
    }

    const Report& report_;
    db::Connection& connection_;
    QDateTime printed_;
    QList<RenderedReport::Group>* groups_;
    QHash<QString, QueryData> cache_;
};

QString styleSheet(const ReportTemplate& layout)
{
    return QStringLiteral("body { font-family: %1; font-size: %2pt; }\n")
               .arg(layout.font)
               .arg(layout.fontSize) +
           layout.styleSheet;
}

} // namespace

RenderedReport ReportRenderer::render(const Report& report, db::Connection& connection,
                                      const QDateTime& printed)
{
    RenderedReport result;
    const ReportTemplate& layout = report.layout();
    result.title = layout.title;
    result.pageLayout = layout.pageLayout;
    result.styleSheet = styleSheet(layout);
    result.body = Expander(report, connection, printed, &result.groups).expand(layout.body);
    Expander pageParts(report, connection, printed, nullptr);
    result.header = pageParts.expand(layout.header);
    result.footer = pageParts.expand(layout.footer);
    return result;
}

QString ReportRenderer::statement(const Report& report, const QString& queryName)
{
    const ReportQuery* query = report.layout().query(queryName);
    const QString& sql = query->sql;
    QString result;
    qsizetype pos = 0;
    while (pos < sql.size()) {
        const qsizetype open = sql.indexOf(QLatin1Char('{'), pos);
        const qsizetype close = open < 0 ? -1 : sql.indexOf(QLatin1Char('}'), open);
        if (close < 0) {
            result += sql.mid(pos);
            break;
        }
        result += sql.mid(pos, open - pos);
        const QString name = sql.mid(open + 1, close - open - 1).trimmed();
        if (name.startsWith(QLatin1String("param:"))) {
            const int index = report.layout().parameterIndex(name.mid(6));
            if (index < 0)
                throw ReportError(QStringLiteral("The query %1 uses the parameter %2, which the "
                                                 "report does not declare.")
                                      .arg(query->name, name.mid(6)));
            result += db::Sql::quote(report.parameterValue(index).value_or(QString()));
        } else {
            const QString location = report.location(query->name, name);
            if (location.isEmpty())
                throw ReportError(QStringLiteral("The query %1 uses the table {%2}, which it "
                                                 "does not declare.")
                                      .arg(query->name, name));
            result += location;
        }
        pos = close + 1;
    }
    return result;
}

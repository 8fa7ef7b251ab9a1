#include "Markup.h"

#include "ReportError.h"

#include <QRegularExpression>

namespace markup {

namespace {

const QRegularExpression& valueForm()
{
    // [prefix:][Query.]Name[|format]
    static const QRegularExpression form(
        QStringLiteral("^(?:(param|sum|count):)?(?:([A-Za-z_][A-Za-z0-9_]*)\\.)?"
                       "([A-Za-z_][A-Za-z0-9_]*)(?:\\|([a-z]+))?$"));
    return form;
}

const QStringList& formats()
{
    static const QStringList known = {QStringLiteral("money"), QStringLiteral("number"),
                                      QStringLiteral("int"),   QStringLiteral("date"),
                                      QStringLiteral("time"),  QStringLiteral("datetime"),
                                      QStringLiteral("upper")};
    return known;
}

struct Open {
    Kind kind;
    QString closer;
};

const QList<std::pair<QString, Open>>& sections()
{
    static const QList<std::pair<QString, Open>> list = {
        {QStringLiteral("each"), {Kind::Each, QStringLiteral("/each")}},
        {QStringLiteral("none"), {Kind::None, QStringLiteral("/none")}},
        {QStringLiteral("group"), {Kind::Group, QStringLiteral("/group")}},
        {QStringLiteral("groupend"), {Kind::GroupEnd, QStringLiteral("/groupend")}},
    };
    return list;
}

class Parser {
public:
    Parser(const QString& text, const QString& where)
        : text_(text)
        , where_(where)
    {}

    Nodes run()
    {
        Nodes nodes = parseUntil(QString());
        return nodes;
    }

private:
    [[noreturn]] void fail(const QString& what) const
    {
        throw ReportError(QStringLiteral("%1: %2").arg(where_, what));
    }

    void addText(Nodes& nodes, const QString& text)
    {
        if (text.isEmpty())
            return;
        auto node = std::make_shared<Node>();
        node->text = text;
        nodes.append(node);
    }

    // Nodes up to the closing form `closer` (or the end when closer is empty).
    Nodes parseUntil(const QString& closer)
    {
        Nodes nodes;
        QString literal;
        while (pos_ < text_.size()) {
            const QChar c = text_.at(pos_);
            const qsizetype end = c == u'{' ? formEnd() : -1;
            if (end < 0) {
                literal += c;
                ++pos_;
                continue;
            }
            const QString form = text_.mid(pos_ + 1, end - pos_ - 1);
            const qsizetype start = pos_;
            pos_ = end + 1;
            if (!closer.isEmpty() && form == closer) {
                addText(nodes, literal);
                return nodes;
            }
            std::shared_ptr<Node> node = formNode(form);
            if (!node) {
                literal += text_.mid(start, end - start + 1);
                continue;
            }
            addText(nodes, literal);
            literal.clear();
            nodes.append(node);
        }
        if (!closer.isEmpty())
            fail(QStringLiteral("{%1} is missing").arg(closer));
        addText(nodes, literal);
        return nodes;
    }

    // The index of the "}" closing a form at pos_, or -1 when none follows on the same line.
    qsizetype formEnd() const
    {
        for (qsizetype i = pos_ + 1; i < text_.size() && i - pos_ < 200; ++i) {
            const QChar c = text_.at(i);
            if (c == u'}')
                return i;
            if (c == u'{' || c == u'\n')
                return -1;
        }
        return -1;
    }

    std::shared_ptr<Node> formNode(const QString& form)
    {
        const QStringList words = form.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() == 2 && form == words.join(QLatin1Char(' ')))
            return sectionNode(words[0], words[1]);
        if (form.startsWith(QLatin1Char('/')) && words.size() == 1)
            for (const auto& [word, open] : sections())
                if (form == open.closer)
                    fail(QStringLiteral("{%1} without {%2 ...}").arg(form, word));
        return valueNode(form);
    }

    std::shared_ptr<Node> sectionNode(const QString& word, const QString& argument)
    {
        static const QRegularExpression name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_.]*$"));
        if (word == QLatin1String("subreport") && name.match(argument).hasMatch()) {
            auto node = std::make_shared<Node>();
            node->kind = Kind::Subreport;
            node->name = argument;
            return node;
        }
        for (const auto& [keyword, open] : sections()) {
            if (word != keyword)
                continue;
            if (!name.match(argument).hasMatch())
                fail(QStringLiteral("{%1 %2}: not a name").arg(word, argument));
            auto node = std::make_shared<Node>();
            node->kind = open.kind;
            (open.kind == Kind::Each || open.kind == Kind::None ? node->query : node->name) =
                argument;
            node->children = parseUntil(open.closer);
            return node;
        }
        return nullptr;
    }

    std::shared_ptr<Node> valueNode(const QString& form)
    {
        const QRegularExpressionMatch match = valueForm().match(form);
        if (!match.hasMatch())
            return nullptr;
        auto node = std::make_shared<Node>();
        node->kind = Kind::Value;
        const QString prefix = match.captured(1);
        node->valueKind = prefix == QLatin1String("param")   ? ValueKind::Parameter
                          : prefix == QLatin1String("sum")   ? ValueKind::Sum
                          : prefix == QLatin1String("count") ? ValueKind::Count
                                                             : ValueKind::Field;
        node->query = match.captured(2);
        node->name = match.captured(3);
        node->format = match.captured(4);
        if (prefix.isEmpty() && node->query.isEmpty() && node->name == QLatin1String("count"))
            node->valueKind = ValueKind::Count;
        if (!node->format.isEmpty() && !formats().contains(node->format))
            fail(QStringLiteral("{%1}: unknown format \"%2\"").arg(form, node->format));
        if (node->valueKind == ValueKind::Parameter && !node->query.isEmpty())
            fail(QStringLiteral("{%1}: a parameter has no query").arg(form));
        // {count:Query} counts the query's rows; {count} alone counts the current group.
        if (node->valueKind == ValueKind::Count) {
            node->query = prefix.isEmpty() ? QString() : node->name;
            node->name.clear();
        }
        return node;
    }

    const QString& text_;
    QString where_;
    qsizetype pos_ = 0;
};

} // namespace

Nodes parse(const QString& text, const QString& where)
{
    return Parser(text, where).run();
}

void walk(const Nodes& nodes, const std::function<void(const Node&, int)>& visit, int eachDepth)
{
    for (const auto& node : nodes) {
        visit(*node, eachDepth);
        walk(node->children, visit, eachDepth + (node->kind == Kind::Each ? 1 : 0));
    }
}

} // namespace markup

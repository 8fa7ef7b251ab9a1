#include "Translator.h"

#include "db/Error.h"
#include "db/Sql.h"

#include <QSet>

namespace db::tsql {

namespace {

using Kind = Token::Kind;

Token word(const QString& text)
{
    return {Kind::Word, text, text};
}

Token symbol(const QString& text)
{
    return {Kind::Symbol, text, text};
}

Token space()
{
    return {Kind::Space, QStringLiteral(" "), QStringLiteral(" ")};
}

Token stringLiteral(const QString& value)
{
    return {Kind::String, value, value};
}

// Index of the next token at or after `from` that is not white space, or tokens.size().
qsizetype significant(const Tokens& tokens, qsizetype from)
{
    while (from < tokens.size() && tokens[from].isSpace())
        ++from;
    return from;
}

bool isName(const Token& token)
{
    return token.kind == Kind::Word || token.kind == Kind::Quoted;
}

[[noreturn]] void unsupported(const QString& construct, const QString& statement)
{
    throw Error(QStringLiteral("The embedded database does not support %1").arg(construct),
                statement);
}

const QSet<QString>& unsupportedFunctions()
{
    static const QSet<QString> names = {
        QStringLiteral("datediff"),
        QStringLiteral("dateadd"),
        QStringLiteral("datepart"),
        QStringLiteral("datename"),
        QStringLiteral("getutcdate"),
        QStringLiteral("sysdatetime"),
        QStringLiteral("len"),
        QStringLiteral("charindex"),
        QStringLiteral("patindex"),
        QStringLiteral("left"),
        QStringLiteral("right"),
        QStringLiteral("str"),
        QStringLiteral("space"),
        QStringLiteral("replicate"),
        QStringLiteral("stuff"),
        QStringLiteral("newid"),
        QStringLiteral("scope_identity"),
        QStringLiteral("object_id"),
        QStringLiteral("year"),
        QStringLiteral("month"),
        QStringLiteral("day"),
        QStringLiteral("datalength"),
        QStringLiteral("iif"),
        QStringLiteral("choose"),
        QStringLiteral("format"),
        QStringLiteral("reverse"),
        QStringLiteral("isnumeric"),
        QStringLiteral("isdate"),
    };
    return names;
}

const QSet<QString>& unsupportedKeywords()
{
    static const QSet<QString> names = {
        QStringLiteral("output"),  QStringLiteral("apply"), QStringLiteral("pivot"),
        QStringLiteral("unpivot"), QStringLiteral("merge"), QStringLiteral("percent"),
        QStringLiteral("ties"),
    };
    return names;
}

const QSet<QString>& sqlStatementWords()
{
    static const QSet<QString> names = {QStringLiteral("select"), QStringLiteral("insert"),
                                        QStringLiteral("update"), QStringLiteral("delete")};
    return names;
}

const QSet<QString>& otherStatementWords()
{
    static const QSet<QString> names = {
        QStringLiteral("declare"),   QStringLiteral("set"),   QStringLiteral("create"),
        QStringLiteral("drop"),      QStringLiteral("alter"), QStringLiteral("use"),
        QStringLiteral("if"),        QStringLiteral("begin"), QStringLiteral("commit"),
        QStringLiteral("rollback"),  QStringLiteral("while"), QStringLiteral("print"),
        QStringLiteral("grant"),     QStringLiteral("with"),  QStringLiteral("return"),
        QStringLiteral("raiserror"), QStringLiteral("bulk"),  QStringLiteral("dbcc"),
    };
    return names;
}

// Source text of a parenthesised group starting at `open`, for error messages.
QString groupSource(const Tokens& tokens, qsizetype open, qsizetype* close)
{
    QString text;
    int depth = 0;
    qsizetype i = open;
    for (; i < tokens.size(); ++i) {
        text += tokens[i].source;
        if (tokens[i].isSymbol("("))
            ++depth;
        else if (tokens[i].isSymbol(")") && --depth == 0)
            break;
    }
    if (close)
        *close = i;
    return text;
}

// A dotted name "Db..object", "Db.dbo.object", "a.b" starting at `start`: its segments.
QStringList namePath(const Tokens& tokens, qsizetype start, qsizetype* end)
{
    QStringList segments{tokens[start].text};
    qsizetype i = start + 1;
    while (i < tokens.size() && tokens[i].isSymbol(".")) {
        if (i + 1 < tokens.size() && isName(tokens[i + 1])) {
            segments.append(tokens[i + 1].text);
            i += 2;
        } else if (i + 1 < tokens.size() && tokens[i + 1].isSymbol(".")) {
            segments.append(QString());
            i += 1;
        } else {
            break;
        }
    }
    *end = i;
    return segments;
}

// Drops the owner part: Db..object and Db.dbo.object both name Db.object.
QStringList withoutOwner(QStringList segments, const QString& statement)
{
    if (segments.size() < 3)
        return segments;
    const QString owner = segments[1];
    if (owner.isEmpty() || owner.compare(QLatin1String("dbo"), Qt::CaseInsensitive) == 0)
        segments.removeAt(1);
    else if (segments.size() > 3)
        unsupported(QStringLiteral("the linked server name '%1'").arg(segments[0]), statement);
    else
        unsupported(QStringLiteral("the owner name '%1'").arg(owner), statement);
    return segments;
}

void appendPath(Tokens& out, const QStringList& segments, const Tokens& tokens, qsizetype start)
{
    for (qsizetype s = 0; s < segments.size(); ++s) {
        if (s > 0)
            out.append(symbol(QStringLiteral(".")));
        Token name = tokens[start];
        name.text = segments[s];
        name.kind = segments[s].contains(QLatin1Char(' ')) ? Kind::Quoted : name.kind;
        out.append(name);
    }
}

class StatementRewriter {
public:
    StatementRewriter(const Tokens& tokens, const QString& statement)
        : in_(tokens)
        , statement_(statement)
    {}

    Tokens run()
    {
        limits_.append(QString());
        for (i_ = 0; i_ < in_.size(); ++i_)
            step(in_[i_]);
        closeLimit();
        return out_;
    }

    QString firstTable() const { return firstTable_; }
    qsizetype fromIndex() const { return fromIndex_; }
    QString fromAlias() const { return fromAlias_; }

private:
    void step(const Token& token)
    {
        if (token.kind == Kind::Variable)
            unsupported(QStringLiteral("the variable %1").arg(token.text), statement_);
        if (token.kind == Kind::Word && token.text.startsWith(QLatin1Char('#')))
            unsupported(QStringLiteral("the temporary table %1").arg(token.text), statement_);
        if (token.isSymbol(";"))
            unsupported(QStringLiteral("several statements in one"), statement_);
        if (token.isSymbol("+"))
            checkNotConcatenation();
        if (token.isSymbol("(")) {
            limits_.append(QString());
        } else if (token.isSymbol(")") && limits_.size() > 1) {
            closeLimit();
            limits_.removeLast();
        }
        if (isName(token))
            name();
        else
            out_.append(token);
    }

    void checkNotConcatenation()
    {
        const bool stringBefore = !out_.isEmpty() && lastSignificant().kind == Kind::String;
        const qsizetype after = significant(in_, i_ + 1);
        const bool stringAfter = after < in_.size() && in_[after].kind == Kind::String;
        if (stringBefore || stringAfter)
            unsupported(QStringLiteral("text joined with +"), statement_);
    }

    const Token& lastSignificant() const
    {
        for (qsizetype k = out_.size() - 1; k > 0; --k)
            if (!out_[k].isSpace())
                return out_[k];
        return out_.first();
    }

    void name()
    {
        const Token& token = in_[i_];
        const QString lower = token.text.toLower();
        const qsizetype next = significant(in_, i_ + 1);
        const bool call = token.kind == Kind::Word && next < in_.size() && in_[next].isSymbol("(");
        if (token.kind == Kind::Word && unsupportedKeywords().contains(lower))
            unsupported(token.text.toUpper(), statement_);
        if (call && functionCall(lower))
            return;
        if (token.isWord("top") && afterSelect()) {
            top();
            return;
        }
        if (token.isWord("with") && next < in_.size() && in_[next].isSymbol("("))
            unsupported(QStringLiteral("the table hint %1").arg(groupSource(in_, next, nullptr)),
                        statement_);
        qsizetype end = 0;
        const QStringList segments = withoutOwner(namePath(in_, i_, &end), statement_);
        if (token.isWord("from") && fromIndex_ < 0 && limits_.size() == 1)
            noteFrom();
        appendPath(out_, segments, in_, i_);
        i_ = end - 1;
    }

    // True when the function named at i_ was rewritten.
    bool functionCall(const QString& lower)
    {
        if (unsupportedFunctions().contains(lower))
            unsupported(lower + QLatin1Char('('), statement_);
        if (lower != QLatin1String("isnull"))
            return false;
        out_.append(word(QStringLiteral("ifnull")));
        return true;
    }

    bool afterSelect() const
    {
        if (out_.isEmpty())
            return false;
        const Token& before = lastSignificant();
        return before.isWord("select") || before.isWord("distinct");
    }

    void top()
    {
        qsizetype k = significant(in_, i_ + 1);
        const bool parenthesised = k < in_.size() && in_[k].isSymbol("(");
        if (parenthesised)
            k = significant(in_, k + 1);
        if (k >= in_.size() || in_[k].kind != Kind::Number)
            unsupported(QStringLiteral("TOP without a number"), statement_);
        limits_.last() = in_[k].text;
        if (parenthesised) {
            k = significant(in_, k + 1);
            if (k >= in_.size() || !in_[k].isSymbol(")"))
                unsupported(QStringLiteral("TOP with an expression"), statement_);
        }
        i_ = significant(in_, k + 1) - 1;
    }

    void closeLimit()
    {
        if (limits_.last().isEmpty())
            return;
        out_.append({space(),
                     word(QStringLiteral("LIMIT")),
                     space(),
                     {Kind::Number, limits_.last(), limits_.last()}});
        limits_.last().clear();
    }

    void noteFrom()
    {
        fromIndex_ = out_.size();
        qsizetype k = significant(in_, i_ + 1);
        if (k >= in_.size() || !isName(in_[k]))
            return;
        qsizetype end = 0;
        firstTable_ = withoutOwner(namePath(in_, k, &end), statement_).join(QLatin1Char('.'));
        k = significant(in_, end);
        if (k < in_.size() && in_[k].isWord("as"))
            k = significant(in_, k + 1);
        static const QSet<QString> notAlias = {
            QStringLiteral("where"),  QStringLiteral("order"), QStringLiteral("group"),
            QStringLiteral("join"),   QStringLiteral("inner"), QStringLiteral("left"),
            QStringLiteral("right"),  QStringLiteral("cross"), QStringLiteral("union"),
            QStringLiteral("having"), QStringLiteral("outer"), QStringLiteral("full"),
        };
        if (k < in_.size() && isName(in_[k]) && !notAlias.contains(in_[k].text.toLower()))
            fromAlias_ = in_[k].text;
    }

    const Tokens& in_;
    const QString& statement_;
    Tokens out_;
    qsizetype i_ = 0;
    QStringList limits_;
    QString firstTable_;
    QString fromAlias_;
    qsizetype fromIndex_ = -1;
};

Tokens trimmed(Tokens tokens)
{
    while (!tokens.isEmpty() && (tokens.last().isSpace() || tokens.last().isSymbol(";")))
        tokens.removeLast();
    while (!tokens.isEmpty() && tokens.first().isSpace())
        tokens.removeFirst();
    return tokens;
}

QVariant argumentValue(const Tokens& tokens, qsizetype& k, const QString& statement)
{
    QString sign;
    if (tokens[k].isSymbol("-") || tokens[k].isSymbol("+")) {
        sign = tokens[k].text == QLatin1String("-") ? QStringLiteral("-") : QString();
        k = significant(tokens, k + 1);
        if (k >= tokens.size() || tokens[k].kind != Kind::Number)
            unsupported(QStringLiteral("an argument expression"), statement);
    }
    const Token& token = tokens[k];
    switch (token.kind) {
    case Kind::String:
        return token.text;
    case Kind::Number:
        return QVariant(sign + token.text);
    case Kind::Word:
    case Kind::Quoted:
        return token.isWord("null") ? QVariant() : QVariant(token.text);
    case Kind::Variable:
        unsupported(QStringLiteral("the named argument %1").arg(token.text), statement);
    default:
        unsupported(QStringLiteral("the argument '%1'").arg(token.source), statement);
    }
}

ProcedureCall procedureCall(const Tokens& tokens, qsizetype start, const QString& statement)
{
    qsizetype end = 0;
    QStringList path = withoutOwner(namePath(tokens, start, &end), statement);
    ProcedureCall call;
    call.name = path.takeLast();
    call.database = path.value(0);
    if (path.size() == 1 && path[0].compare(QLatin1String("dbo"), Qt::CaseInsensitive) == 0)
        call.database.clear();
    for (qsizetype k = significant(tokens, end); k < tokens.size(); k = significant(tokens, k)) {
        call.arguments.append(argumentValue(tokens, k, statement));
        k = significant(tokens, k + 1);
        if (k < tokens.size() && !tokens[k].isSymbol(","))
            unsupported(QStringLiteral("'%1' between procedure arguments").arg(tokens[k].source),
                        statement);
        if (k < tokens.size())
            ++k;
    }
    return call;
}

Translation translateSql(Tokens tokens, const QString& statement, const QDateTime& serverNow,
                         bool updatable)
{
    if (tokens.first().isWord("truncate")) {
        const qsizetype table = significant(tokens, 1);
        if (table >= tokens.size() || !tokens[table].isWord("table"))
            unsupported(QStringLiteral("TRUNCATE without TABLE"), statement);
        tokens.replace(0, word(QStringLiteral("DELETE")));
        tokens.replace(table, word(QStringLiteral("FROM")));
    }
    Translation result;
    const Tokens timed =
        Translator::withClockLiterals(tokens, serverNow, statement, &result.readsClock);
    StatementRewriter rewriter(timed, statement);
    Tokens out = rewriter.run();
    if (updatable) {
        if (!tokens.first().isWord("select") || rewriter.fromIndex() < 0)
            throw Error(QStringLiteral("Only a SELECT from a table can be opened for update"),
                        statement);
        result.baseTable = rewriter.firstTable();
        const QString owner =
            rewriter.fromAlias().isEmpty() ? result.baseTable : rewriter.fromAlias();
        const Tokens identity = {
            symbol(QStringLiteral(",")), space(), word(owner + QStringLiteral(".rowid")), space(),
            word(QStringLiteral("AS")),  space(), word(QLatin1String(rowIdColumn)),       space()};
        for (qsizetype k = 0; k < identity.size(); ++k)
            out.insert(rewriter.fromIndex() + k, identity[k]);
    }
    result.sql = render(out);
    return result;
}

} // namespace

Tokens Translator::withClockLiterals(const Tokens& tokens, const QDateTime& serverNow,
                                     const QString& statement, bool* readsClock)
{
    return replacingClock(
        tokens,
        [&serverNow](ClockRead read) {
            return stringLiteral(read == ClockRead::DateTime ? Sql::storedDateTime(serverNow)
                                                             : Sql::time24(serverNow));
        },
        statement, readsClock);
}

Tokens Translator::replacingClock(const Tokens& tokens,
                                  const std::function<Token(ClockRead)>& replacement,
                                  const QString& statement, bool* readsClock)
{
    Tokens out;
    out.reserve(tokens.size());
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        const qsizetype open = significant(tokens, i + 1);
        const bool call =
            token.kind == Kind::Word && open < tokens.size() && tokens[open].isSymbol("(");
        if (token.isWord("current_timestamp") || (call && token.isWord("getdate"))) {
            qsizetype close = open;
            if (call)
                groupSource(tokens, open, &close);
            if (call && close != significant(tokens, open + 1))
                unsupported(QStringLiteral("getdate with arguments"), statement);
            out.append(replacement(ClockRead::DateTime));
            *readsClock = true;
            i = call ? close : i;
        } else if (call && token.isWord("convert")) {
            qsizetype close = 0;
            const QString source = groupSource(tokens, open, &close);
            QString compact = source;
            compact.remove(QLatin1Char(' '));
            static const QStringList timeForms = {QStringLiteral("(varchar,getdate(),108)"),
                                                  QStringLiteral("(varchar(8),getdate(),108)")};
            if (!timeForms.contains(compact, Qt::CaseInsensitive))
                unsupported(token.text + source, statement);
            out.append(replacement(ClockRead::Time));
            *readsClock = true;
            i = close;
        } else {
            out.append(token);
        }
    }
    return out;
}

Translation Translator::translate(const QString& statement, const QDateTime& serverNow,
                                  bool updatable)
{
    const Tokens tokens = trimmed(tokenize(statement));
    if (tokens.isEmpty())
        throw Error(QStringLiteral("The statement is empty"), statement);
    const Token& first = tokens.first();
    if (!isName(first))
        unsupported(QStringLiteral("a statement beginning with '%1'").arg(first.source), statement);
    const QString lower = first.text.toLower();
    if (first.kind == Kind::Word &&
        (sqlStatementWords().contains(lower) || first.isWord("truncate")))
        return translateSql(tokens, statement, serverNow, updatable);
    if (first.kind == Kind::Word && otherStatementWords().contains(lower))
        unsupported(QStringLiteral("the statement %1").arg(first.text.toUpper()), statement);
    Translation result;
    result.isProcedure = true;
    const bool exec = first.isWord("exec") || first.isWord("execute");
    const qsizetype start = exec ? significant(tokens, 1) : 0;
    if (start >= tokens.size() || !isName(tokens[start]))
        unsupported(QStringLiteral("EXEC without a procedure name"), statement);
    result.call = procedureCall(tokens, start, statement);
    return result;
}

} // namespace db::tsql

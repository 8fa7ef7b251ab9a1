#include "Tokenizer.h"

#include "db/Error.h"

namespace db::tsql {

namespace {

bool isWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('#');
}

bool isWordPart(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('#') ||
           c == QLatin1Char('$');
}

class Scanner {
public:
    explicit Scanner(const QString& text)
        : text_(text)
    {}

    Tokens run()
    {
        while (pos_ < text_.size())
            tokens_.append(next());
        return tokens_;
    }

private:
    QChar at(qsizetype i) const { return i < text_.size() ? text_[i] : QChar(); }

    Token make(Token::Kind kind, qsizetype start, const QString& text)
    {
        return {kind, text, text_.mid(start, pos_ - start)};
    }

    Token next()
    {
        const qsizetype start = pos_;
        const QChar c = text_[pos_];
        if (c.isSpace())
            return space(start);
        if (c == QLatin1Char('-') && at(pos_ + 1) == QLatin1Char('-'))
            return lineComment(start);
        if (c == QLatin1Char('/') && at(pos_ + 1) == QLatin1Char('*'))
            return blockComment(start);
        if (c == QLatin1Char('\''))
            return string(start);
        if ((c == QLatin1Char('N') || c == QLatin1Char('n')) && at(pos_ + 1) == QLatin1Char('\'')) {
            ++pos_;
            return string(start);
        }
        if (c == QLatin1Char('['))
            return delimited(start, QLatin1Char(']'));
        if (c == QLatin1Char('"'))
            return delimited(start, QLatin1Char('"'));
        if (c.isDigit() || (c == QLatin1Char('.') && at(pos_ + 1).isDigit()))
            return number(start);
        if (c == QLatin1Char('@'))
            return variable(start);
        if (isWordStart(c))
            return word(start);
        return symbol(start);
    }

    Token space(qsizetype start)
    {
        while (pos_ < text_.size() && text_[pos_].isSpace())
            ++pos_;
        return make(Token::Kind::Space, start, QStringLiteral(" "));
    }

    Token lineComment(qsizetype start)
    {
        while (pos_ < text_.size() && text_[pos_] != QLatin1Char('\n'))
            ++pos_;
        return make(Token::Kind::Space, start, QStringLiteral(" "));
    }

    Token blockComment(qsizetype start)
    {
        const qsizetype end = text_.indexOf(QLatin1String("*/"), pos_ + 2);
        if (end < 0)
            throw Error(QStringLiteral("Unterminated comment"), text_);
        pos_ = end + 2;
        return make(Token::Kind::Space, start, QStringLiteral(" "));
    }

    Token string(qsizetype start)
    {
        // Empty text is a value, not NULL.
        QString value = QStringLiteral("");
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size())
                throw Error(QStringLiteral("Unclosed quotation mark in the statement"), text_);
            const QChar c = text_[pos_++];
            if (c != QLatin1Char('\'')) {
                value.append(c);
            } else if (at(pos_) == QLatin1Char('\'')) {
                value.append(c);
                ++pos_;
            } else {
                break;
            }
        }
        return make(Token::Kind::String, start, value);
    }

    Token delimited(qsizetype start, QChar close)
    {
        const qsizetype end = text_.indexOf(close, pos_ + 1);
        if (end < 0)
            throw Error(QStringLiteral("Unclosed name delimiter %1").arg(text_[start]), text_);
        pos_ = end + 1;
        return make(Token::Kind::Quoted, start, text_.mid(start + 1, end - start - 1));
    }

    Token number(qsizetype start)
    {
        while (at(pos_).isDigit() || at(pos_) == QLatin1Char('.'))
            ++pos_;
        return make(Token::Kind::Number, start, text_.mid(start, pos_ - start));
    }

    Token variable(qsizetype start)
    {
        ++pos_;
        while (isWordPart(at(pos_)) || at(pos_) == QLatin1Char('@'))
            ++pos_;
        return make(Token::Kind::Variable, start, text_.mid(start, pos_ - start));
    }

    Token word(qsizetype start)
    {
        while (isWordPart(at(pos_)))
            ++pos_;
        return make(Token::Kind::Word, start, text_.mid(start, pos_ - start));
    }

    Token symbol(qsizetype start)
    {
        static const QStringList pairs = {QStringLiteral("<>"), QStringLiteral("<="),
                                          QStringLiteral(">="), QStringLiteral("!="),
                                          QStringLiteral("||")};
        const QString two = text_.mid(pos_, 2);
        pos_ += pairs.contains(two) ? 2 : 1;
        const QString text = text_.mid(start, pos_ - start);
        return make(Token::Kind::Symbol, start, text);
    }

    const QString& text_;
    qsizetype pos_ = 0;
    Tokens tokens_;
};

} // namespace

bool Token::isWord(const char* word) const
{
    return kind == Kind::Word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool Token::isSymbol(const char* symbol) const
{
    return kind == Kind::Symbol && text == QLatin1String(symbol);
}

Tokens tokenize(const QString& statement)
{
    return Scanner(statement).run();
}

QList<Tokens> splitStatements(const Tokens& script)
{
    QList<Tokens> list{Tokens()};
    for (const Token& token : script) {
        if (token.isSymbol(";"))
            list.append(Tokens());
        else
            list.last().append(token);
    }
    list.removeIf([](const Tokens& tokens) {
        return std::all_of(tokens.begin(), tokens.end(),
                           [](const Token& t) { return t.isSpace(); });
    });
    return list;
}

QString render(const Tokens& tokens)
{
    QString text;
    bool afterSpace = false;
    for (const Token& token : tokens) {
        if (token.isSpace() && afterSpace)
            continue;
        afterSpace = token.isSpace();
        switch (token.kind) {
        case Token::Kind::String:
            text += QLatin1Char('\'') +
                    QString(token.text).replace(QLatin1Char('\''), QLatin1String("''")) +
                    QLatin1Char('\'');
            break;
        case Token::Kind::Quoted:
            text += QLatin1Char('"') +
                    QString(token.text).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
                    QLatin1Char('"');
            break;
        default:
            text += token.text;
        }
    }
    return text;
}

} // namespace db::tsql

#pragma once

#include <QList>
#include <QString>

namespace db::tsql {

struct Token {
    enum class Kind {
        Word,   // keyword or plain name
        Quoted, // [bracketed] or "double-quoted" name; text holds the name itself
        String, // 'text' (N'text' too); text holds the value, quotes undoubled
        Number,
        Variable, // @name or @@name
        Symbol,   // operators and punctuation, one token each: ( ) , . ; = <> <= >= != + - * /
        Space,    // white space and comments
    };
    Kind kind;
    QString text;
    QString source; // exactly as written

    bool isWord(const char* word) const;
    bool isSymbol(const char* symbol) const;
    bool isSpace() const { return kind == Kind::Space; }
};

using Tokens = QList<Token>;

// Splits statement text into tokens; throws db::Error on an unterminated string or name.
Tokens tokenize(const QString& statement);

// Splits a script into its statements at each ";", dropping empty ones.
QList<Tokens> splitStatements(const Tokens& script);

// Writes tokens back as text, strings single-quoted with their apostrophes doubled.
QString render(const Tokens& tokens);

} // namespace db::tsql

#include "ProcedureLibrary.h"

#include "db/Error.h"
#include "db/Sql.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace db::tsql {

namespace {

// The parameters that stand for the server's clock in a procedure's statements; "@@" keeps them
// apart from any parameter a procedure declares.
constexpr char clockDateTime[] = "@@server_now";
constexpr char clockTime[] = "@@server_time";

Token clockParameter(Translator::ClockRead read)
{
    const QString name =
        QLatin1String(read == Translator::ClockRead::DateTime ? clockDateTime : clockTime);
    return {Token::Kind::Variable, name, name};
}

// Renders the statement with "?" for each parameter and lists the parameters in that order.
QString withPlaceholders(Tokens tokens, QStringList& variables)
{
    for (Token& token : tokens) {
        if (token.kind != Token::Kind::Variable)
            continue;
        variables.append(token.text.toLower());
        token = {Token::Kind::Symbol, QStringLiteral("?"), QStringLiteral("?")};
    }
    return render(tokens);
}

const QString defaultDatabase = QStringLiteral("clinical_area");

QString key(const QString& database, const QString& name)
{
    return (database.isEmpty() ? defaultDatabase : database.toLower()) + QLatin1Char('/') +
           name.toLower();
}

QVariant literalValue(const QString& text, const QString& path)
{
    const Tokens tokens = tokenize(text);
    if (tokens.size() != 1)
        throw Error(QStringLiteral("Bad parameter default in %1").arg(path), text);
    return tokens[0].isWord("null") ? QVariant() : QVariant(tokens[0].text);
}

ProcedureParameter parameter(const QString& declaration, const QString& path)
{
    const qsizetype equals = declaration.indexOf(QLatin1Char('='));
    const QStringList words = declaration.left(equals < 0 ? declaration.size() : equals)
                                  .simplified()
                                  .split(QLatin1Char(' '));
    if (words.size() != 2)
        throw Error(QStringLiteral("Bad parameter line in %1").arg(path), declaration);
    static const QStringList types = {QStringLiteral("text"), QStringLiteral("int"),
                                      QStringLiteral("money"), QStringLiteral("datetime")};
    ProcedureParameter result{words[0], words[1].toLower(), equals >= 0, {}};
    if (!types.contains(result.type))
        throw Error(QStringLiteral("Unknown parameter type in %1").arg(path), declaration);
    if (result.hasDefault)
        result.defaultValue = literalValue(declaration.mid(equals + 1).trimmed(), path);
    return result;
}

[[noreturn]] void conversionFailed(const QString& text, const QString& type,
                                   const QString& statement)
{
    throw Error(QStringLiteral("Conversion failed when converting the value '%1' to data type %2.")
                    .arg(text, type),
                statement);
}

QVariant converted(const QVariant& argument, const QString& type, const QString& statement)
{
    if (argument.isNull() || type == QLatin1String("text"))
        return argument.isNull() ? QVariant(QMetaType(QMetaType::QString)) : argument;
    QString text = argument.toString().trimmed();
    if (type == QLatin1String("datetime")) {
        if (text.isEmpty())
            return QVariant(QMetaType(QMetaType::QString));
        const QDateTime moment = Sql::parseDateTime(text);
        if (!moment.isValid())
            conversionFailed(text, type, statement);
        return Sql::storedDateTime(moment);
    }
    text.remove(QLatin1Char(','));
    if (text.isEmpty())
        return 0;
    bool ok = false;
    if (type == QLatin1String("int")) {
        const qlonglong number = text.toLongLong(&ok);
        if (!ok)
            conversionFailed(text, type, statement);
        return number;
    }
    const double number = text.toDouble(&ok);
    if (!ok)
        conversionFailed(text, type, statement);
    return number;
}

} // namespace

ProcedureLibrary::ProcedureLibrary(const QString& root)
{
    QDirIterator it(root, {QStringLiteral("*.sql")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        files_.insert(key(file.dir().dirName(), file.completeBaseName()), file.filePath());
    }
}

const ProcedureLibrary& ProcedureLibrary::standard()
{
    static const ProcedureLibrary library(QStringLiteral(":/hospitaldb/procedures"));
    return library;
}

std::shared_ptr<const Procedure> ProcedureLibrary::find(const ProcedureCall& call,
                                                        const QString& statement) const
{
    const QString name = key(call.database, call.name);
    if (auto found = loaded_.value(name))
        return found;
    const QString path = files_.value(name);
    if (path.isEmpty())
        throw Error(QStringLiteral("Could not find stored procedure '%1'.")
                        .arg(call.database.isEmpty()
                                 ? call.name
                                 : call.database + QStringLiteral("..") + call.name),
                    statement);
    std::shared_ptr<const Procedure> procedure = load(path, QFileInfo(path).dir().dirName());
    loaded_.insert(name, procedure);
    return procedure;
}

std::shared_ptr<Procedure> ProcedureLibrary::load(const QString& path, const QString& database)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw Error(QStringLiteral("Cannot read the procedure file %1").arg(path), path);
    const QString text = QString::fromUtf8(file.readAll());
    auto procedure = std::make_shared<Procedure>();
    procedure->database = database;
    procedure->name = QFileInfo(path).completeBaseName();
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.startsWith(QLatin1String("--")))
            break;
        const QString header = trimmed.mid(2).trimmed();
        if (header.startsWith(QLatin1Char('@')))
            procedure->parameters.append(parameter(header, path));
        else if (header.startsWith(QLatin1String("updates:")))
            procedure->baseTable = header.mid(8).trimmed();
    }
    for (const Tokens& tokens : splitStatements(tokenize(text))) {
        bool readsClock = false;
        ProcedureStatement next;
        next.sql = withPlaceholders(
            Translator::replacingClock(tokens, clockParameter, path, &readsClock), next.variables);
        procedure->statements.append(std::move(next));
        procedure->readsClock = procedure->readsClock || readsClock;
    }
    return procedure;
}

QList<BoundStatement> ProcedureLibrary::bind(const Procedure& procedure, const ProcedureCall& call,
                                             const QDateTime& serverNow, const QString& statement)
{
    const auto& parameters = procedure.parameters;
    if (call.arguments.size() > parameters.size())
        throw Error(QStringLiteral("Procedure or function %1 has too many arguments specified.")
                        .arg(procedure.name),
                    statement);
    QHash<QString, QVariant> values;
    for (qsizetype i = 0; i < parameters.size(); ++i) {
        const ProcedureParameter& p = parameters[i];
        if (i >= call.arguments.size() && !p.hasDefault)
            throw Error(
                QStringLiteral(
                    "Procedure or function '%1' expects parameter '%2', which was not supplied.")
                    .arg(procedure.name, p.name),
                statement);
        const QVariant argument = i < call.arguments.size() ? call.arguments[i] : p.defaultValue;
        values.insert(p.name.toLower(), converted(argument, p.type, statement));
    }
    if (procedure.readsClock) {
        values.insert(QLatin1String(clockDateTime), Sql::storedDateTime(serverNow));
        values.insert(QLatin1String(clockTime), Sql::time24(serverNow));
    }
    QList<BoundStatement> bound;
    for (const ProcedureStatement& body : procedure.statements) {
        BoundStatement next{body.sql, {}};
        for (const QString& variable : body.variables) {
            const auto value = values.constFind(variable);
            if (value == values.constEnd())
                throw Error(
                    QStringLiteral("Must declare the scalar variable \"%1\" in procedure %2.")
                        .arg(variable, procedure.name),
                    statement);
            next.values.append(*value);
        }
        bound.append(std::move(next));
    }
    return bound;
}

} // namespace db::tsql

// The in-patient request save of 50 lines on the bench hospital against the same SQLite
// statements sent straight to sqlite3, and the item listing's look-up of one exact code.
#include "BenchHospital.h"
#include "RatioReporter.h"
#include "RequestSave.h"
#include "SessionState.h"
#include "clsCurrentUser.h"
#include "clscodesearch.h"
#include "db/Connection.h"
#include "db/Dialect.h"
#include "db/ServerClock.h"
#include "db/tsql/ProcedureLibrary.h"
#include "db/tsql/Translator.h"
#include "modHeartStart.h"
#include "ui/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/Prompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <map>
#include <optional>
#include <stdexcept>
#include <variant>

namespace {

void exec(sqlite3* handle, const QString& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(handle, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        throw std::runtime_error(text + " in " + sql.toStdString());
    }
}

QList<QStringList> rawRows(sqlite3* handle, const QString& sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(handle));
    QList<QStringList> rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QStringList row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i)
            row << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
        rows << row;
    }
    sqlite3_finalize(statement);
    return rows;
}

// The bench hospital with user 1001 logged in by the start-up routine, its dialogs scripted.
class BenchSession {
public:
    explicit BenchSession(const QString& folder)
        : folder_(folder)
    {
        dialogs_.onNext([](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("txtEmployeeCode"))->setText("1001");
            dialog.findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText("demo");
            dialog.findChild<QAbstractButton*>(QStringLiteral("cmdOK"))->click();
            return dialog.result();
        });
        session_ = modHeartStart::Main(context_,
                                       [&](clsCurrentUser& user) { user.setDemoFolder(folder); });
        if (!session_)
            throw std::runtime_error("The log-in to the bench hospital failed.");
        context_.setSession(session_.get());
    }

    const QString& folder() const { return folder_; }
    AppContext& context() { return context_; }
    SessionState& session() { return *session_; }
    db::Connection& connection() { return *session_->connection; }

private:
    QString folder_;
    ScriptedPrompt prompt_;
    ScriptedDialogs dialogs_;
    Clock clock_;
    AppContext context_{prompt_, dialogs_, clock_};
    std::unique_ptr<SessionState> session_;
};

std::unique_ptr<BenchSession> theSession;

BenchSession& benchSession()
{
    if (!theSession)
        theSession = std::make_unique<BenchSession>(benchHospital());
    return *theSession;
}

QString amount(double price, int quantity)
{
    return QString::number(price * quantity, 'f', 2);
}

void addLines(ChargeLines& lines, const QList<QStringList>& items, const QString& deptId,
              int quantity, const QString& revenue)
{
    for (const QStringList& item : items)
        lines.append({static_cast<int>(lines.size()) + 1, deptId, item[0], item[1],
                      QStringLiteral("STATION"), QString::number(quantity),
                      amount(item[2].toDouble(), 1), amount(item[2].toDouble(), quantity),
                      revenue});
}

QList<QStringList> medicines(sqlite3* handle, const QString& location, int count)
{
    return rawRows(handle, QStringLiteral("select i.ItemID, m.DrugName, i.SellingPriceIn from "
                                          "Build_File.tbInvent i join Build_File.tbInvMaster m "
                                          "on m.ItemID = i.ItemID where i.LocationID = '%1' "
                                          "order by i.ItemID limit %2")
                               .arg(location)
                               .arg(count));
}

// 24 procedures, 15 medicines from location 161, 10 supplies from 28 and the attending
// doctor's fee, for the first admitted patient.
RequestDraft fiftyLineDraft(sqlite3* handle)
{
    const QStringList patient =
        rawRows(handle, "select p.IdNum, p.HospNum, p.RoomID, p.AttendingDr1, "
                        "d.LastName || ',' || d.FirstName from Patient_Data.tbPatient p join "
                        "Build_File.tbCoDoctor d on d.DoctorID = p.AttendingDr1 "
                        "where p.DcrDate is null order by p.IdNum limit 1")
            .value(0);
    if (patient.isEmpty())
        throw std::runtime_error("The bench hospital has no admitted patient.");
    RequestDraft draft;
    draft.idNum = draft.patIdNum = patient[0];
    draft.hospNum = patient[1];
    draft.room = patient[2];
    draft.doctorId = patient[3];
    draft.doctor = patient[4];
    addLines(draft.lines,
             rawRows(handle, "select OtherRevenueID, OtherRevenue, RateA from "
                             "Build_File.tbcoOtherRevenue where OtherSectionID = 'LR' and "
                             "Active = 'Y' order by OtherRevenueID limit 24"),
             QStringLiteral("LR"), 1, QStringLiteral("LR"));
    addLines(draft.lines, medicines(handle, QStringLiteral("161"), 15), QStringLiteral("LM"), 2,
             QString());
    addLines(draft.lines, medicines(handle, QStringLiteral("28"), 10), QStringLiteral("LC"), 3,
             QString());
    addLines(draft.lines, {{draft.doctorId, draft.doctor, QStringLiteral("2500")}},
             QStringLiteral("MD"), 1, QStringLiteral("MD"));
    if (draft.lines.size() != 50)
        throw std::runtime_error("The bench hospital lacks items for a 50-line save.");
    return draft;
}

using RawValue = std::variant<std::monostate, qlonglong, double, QByteArray>;

struct RawStatement {
    QByteArray sql;
    std::vector<RawValue> values;
};

RawValue rawValue(const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Bool:
        return value.toLongLong();
    case QMetaType::Double:
        return value.toDouble();
    default:
        return value.toString().toUtf8();
    }
}

RawStatement rawStatement(const db::Step& step)
{
    RawStatement raw{step.sql.toUtf8(), {}};
    for (const QVariant& value : step.values)
        raw.values.push_back(rawValue(value));
    return raw;
}

// What the embedded dialect sends to SQLite for one traced statement at the given server time.
QList<db::Step> sqliteSteps(const QString& statement, const QDateTime& serverNow)
{
    using namespace db::tsql;
    const Translation translation = Translator::translate(statement, serverNow, false);
    if (!translation.isProcedure)
        return {{translation.sql, {}}};
    const auto procedure = ProcedureLibrary::standard().find(translation.call, statement);
    QList<db::Step> steps;
    for (const BoundStatement& bound :
         ProcedureLibrary::bind(*procedure, translation.call, serverNow, statement))
        steps.append({bound.sql, bound.values});
    return steps;
}

struct CapturedSave {
    std::vector<RawStatement> statements; // between BEGIN IMMEDIATE and COMMIT
    qsizetype gatewayStatements = 0;
    QStringList insertedTables;
};

bool isControl(const QString& statement)
{
    return statement == u"BEGIN IMMEDIATE" || statement == u"COMMIT" || statement == u"ROLLBACK";
}

QString insertedTable(const QByteArray& sql)
{
    static const QByteArray insertInto("INSERT INTO ");
    const QByteArray statement = sql.trimmed();
    if (!statement.startsWith(insertInto))
        return {};
    const QByteArray rest = statement.mid(insertInto.size());
    return QString::fromUtf8(rest.left(rest.indexOf(' ')));
}

// One save as the gateway sent it to SQLite, bound values included. It runs inside an outer
// transaction that is rolled back, so it leaves nothing behind, and with the server clock held,
// so that translating its traced statements again gives exactly what was sent.
CapturedSave captureSave(BenchSession& bench, const RequestDraft& draft)
{
    db::Connection& connection = bench.connection();
    const auto clock = db::ServerClock::forFolder(bench.folder());
    const QDateTime serverNow = clock->now();
    clock->setFixed(serverNow);
    connection.trace().clear();
    connection.begin();
    RequestSave(bench.context()).save(draft);
    connection.rollback();
    clock->useSystemTime();

    CapturedSave captured;
    for (const db::TraceEntry& entry : connection.trace().entries()) {
        if (!entry.ok())
            throw std::runtime_error(entry.error.toStdString());
        if (isControl(entry.statement))
            continue;
        ++captured.gatewayStatements;
        for (const db::Step& step : sqliteSteps(entry.statement, serverNow)) {
            captured.statements.push_back(rawStatement(step));
            const QString table = insertedTable(captured.statements.back().sql);
            if (!table.isEmpty() && !captured.insertedTables.contains(table))
                captured.insertedTables << table;
        }
    }
    if (captured.insertedTables.isEmpty())
        throw std::runtime_error("The captured save inserts nothing.");
    return captured;
}

const RequestDraft& draft()
{
    static const RequestDraft draft = [] {
        sqlite3* handle = rawConnection(benchSession().folder());
        RequestDraft made = fiftyLineDraft(handle);
        sqlite3_close(handle);
        return made;
    }();
    return draft;
}

const CapturedSave& captured()
{
    static const CapturedSave save = captureSave(benchSession(), draft());
    return save;
}

// Takes away the rows a save appended, so that every iteration saves into a hospital of the
// same size; the counters and the stock on hand keep advancing. New rows take the rowids after
// the largest, so the rows beyond the marks are exactly the save's.
class RowMarks {
public:
    RowMarks(sqlite3* handle, const QStringList& tables)
        : handle_(handle)
    {
        for (const QString& table : tables)
            marks_[table] =
                rawRows(handle, QStringLiteral("select coalesce(max(rowid), 0) from %1").arg(table))
                    .value(0)
                    .value(0);
    }

    void removeRowsBeyond() const
    {
        exec(handle_, QStringLiteral("BEGIN IMMEDIATE"));
        for (const auto& [table, mark] : marks_)
            exec(handle_, QStringLiteral("DELETE FROM %1 WHERE rowid > %2").arg(table, mark));
        exec(handle_, QStringLiteral("COMMIT"));
    }

private:
    sqlite3* handle_;
    std::map<QString, QString> marks_;
};

void bind(sqlite3_stmt* statement, const RawStatement& raw)
{
    for (int i = 0; i < static_cast<int>(raw.values.size()); ++i) {
        const RawValue& value = raw.values[i];
        if (const auto* number = std::get_if<qlonglong>(&value))
            sqlite3_bind_int64(statement, i + 1, *number);
        else if (const auto* real = std::get_if<double>(&value))
            sqlite3_bind_double(statement, i + 1, *real);
        else if (const auto* text = std::get_if<QByteArray>(&value))
            sqlite3_bind_text(statement, i + 1, text->constData(), text->size(), SQLITE_STATIC);
        else
            sqlite3_bind_null(statement, i + 1);
    }
}

// Steps to the end, reading every value of every row as the gateway's row sets do.
int stepThrough(sqlite3_stmt* statement)
{
    int result = SQLITE_ROW;
    while ((result = sqlite3_step(statement)) == SQLITE_ROW)
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            switch (sqlite3_column_type(statement, i)) {
            case SQLITE_INTEGER:
                benchmark::DoNotOptimize(sqlite3_column_int64(statement, i));
                break;
            case SQLITE_FLOAT:
                benchmark::DoNotOptimize(sqlite3_column_double(statement, i));
                break;
            default:
                benchmark::DoNotOptimize(sqlite3_column_text(statement, i));
            }
        }
    return result;
}

// Prepares, binds and runs each statement in one transaction; on failure rolls it back and
// names the statement.
std::optional<std::string> replay(sqlite3* handle, const std::vector<RawStatement>& statements)
{
    sqlite3_exec(handle, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    for (const RawStatement& raw : statements) {
        sqlite3_stmt* statement = nullptr;
        int result =
            sqlite3_prepare_v2(handle, raw.sql.constData(), raw.sql.size(), &statement, nullptr);
        if (result == SQLITE_OK) {
            bind(statement, raw);
            result = stepThrough(statement);
        }
        sqlite3_finalize(statement);
        if (result != SQLITE_DONE) {
            std::string failure = sqlite3_errmsg(handle) + (" in " + raw.sql.toStdString());
            sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
            return failure;
        }
    }
    if (sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return sqlite3_errmsg(handle);
    return std::nullopt;
}

void setCounters(benchmark::State& state)
{
    const double lines = static_cast<double>(draft().lines.size());
    state.counters["stmts/line"] = static_cast<double>(captured().gatewayStatements) / lines;
    state.counters["sqlite/line"] = static_cast<double>(captured().statements.size()) / lines;
}

void Gateway_SaveRequest(benchmark::State& state)
{
    BenchSession& bench = benchSession();
    sqlite3* handle = rawConnection(bench.folder());
    const RowMarks marks(handle, captured().insertedTables);
    RequestSave save(bench.context());
    for (auto _ : state) {
        const QString refNum = save.save(draft());
        benchmark::DoNotOptimize(refNum);
        state.PauseTiming();
        marks.removeRowsBeyond();
        state.ResumeTiming();
    }
    setCounters(state);
    sqlite3_close(handle);
}

void Raw_SaveRequest(benchmark::State& state)
{
    sqlite3* handle = rawConnection(benchSession().folder());
    const RowMarks marks(handle, captured().insertedTables);
    for (auto _ : state) {
        if (const auto failure = replay(handle, captured().statements)) {
            state.SkipWithError(failure->c_str());
            break;
        }
        state.PauseTiming();
        marks.removeRowsBeyond();
        state.ResumeTiming();
    }
    setCounters(state);
    sqlite3_close(handle);
}

// The look-up the charge grid makes when a code is typed on a procedure line.
void CodeSearch_ExactItemCode(benchmark::State& state)
{
    clscodesearch& search = *benchSession().session().codeSearch;
    search.setSearchMode(true);
    for (auto _ : state) {
        QString code = QStringLiteral("LR13");
        if (!search.SearchListing(code, clscodesearch::ItemListing)) {
            state.SkipWithError("LR13 not found");
            break;
        }
    }
}

BENCHMARK(Gateway_SaveRequest)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Raw_SaveRequest)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CodeSearch_ExactItemCode)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RatioReporter reporter;
    if (runAllBenchmarks(argc, argv, reporter)) {
        const double lines = static_cast<double>(draft().lines.size());
        std::cout << "\nratio gateway/raw, 50-line request save: "
                  << reporter.ratio("Gateway_SaveRequest", "Raw_SaveRequest") << " (goal <= 1.5)\n"
                  << "  in CPU time:                           "
                  << reporter.cpuRatio("Gateway_SaveRequest", "Raw_SaveRequest") << "\n"
                  << "statements per line: "
                  << static_cast<double>(captured().gatewayStatements) / lines << " sent, "
                  << static_cast<double>(captured().statements.size()) / lines
                  << " SQLite statements\n"
                  << "exact item code look-up:                 "
                  << reporter.seconds("CodeSearch_ExactItemCode") * 1e3
                  << " ms median (goal < 10 ms)\n";
    }
    theSession.reset();
    return 0;
}

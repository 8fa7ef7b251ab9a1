// The gateway against raw SQLite on the same translated SQL, and a last-name search on the
// bench-size hospital. Reports ratios measured in this one run.
#include "BenchHospital.h"
#include "RatioReporter.h"
#include "db/Connection.h"
#include "db/tsql/Translator.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

const QString oneRow =
    QStringLiteral("SELECT * FROM Patient_Data..tbMaster WHERE HospNum = '00100001'");
const QString advance =
    QStringLiteral("Update Clinical_Area..tbLaserSlip set ChargeSlip = ChargeSlip + 1");
const QString lastName =
    QStringLiteral("SELECT top 100 * FROM Patient_Data..tbMaster WHERE LastName "
                   "LIKE 'SANTOS%' ORDER BY LastName, FirstName");

std::unique_ptr<db::Connection> connect(const QString& folder)
{
    return db::Connection::connect(db::Connection::embeddedConnectionString(folder));
}

std::string translated(const QString& statement)
{
    return db::tsql::Translator::translate(statement, QDateTime::currentDateTime(), false)
        .sql.toStdString();
}

void readAll(sqlite3* handle, const std::string& sql, benchmark::State& state)
{
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(handle, sql.c_str(), -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW)
        for (int i = 0; i < sqlite3_column_count(statement); ++i)
            benchmark::DoNotOptimize(sqlite3_column_text(statement, i));
    sqlite3_finalize(statement);
    state.counters["rows"] = 1;
}

void readAll(db::RowSet rows)
{
    for (; !rows.eof(); rows.moveNext())
        for (int i = 0; i < rows.fieldCount(); ++i)
            benchmark::DoNotOptimize(rows.field(i).toString());
}

void Gateway_OneRowSelect(benchmark::State& state)
{
    auto connection = connect(benchHospital(QStringLiteral("demo"), hospitaldb::DemoSize::Demo));
    for (auto _ : state)
        readAll(connection->open(oneRow));
}

void Raw_OneRowSelect(benchmark::State& state)
{
    sqlite3* handle =
        rawConnection(benchHospital(QStringLiteral("demo"), hospitaldb::DemoSize::Demo));
    const std::string sql = translated(oneRow);
    for (auto _ : state)
        readAll(handle, sql, state);
    sqlite3_close(handle);
}

// The same, with the statement prepared once as the gateway's statement cache does.
void Raw_OneRowSelectPreparedOnce(benchmark::State& state)
{
    sqlite3* handle =
        rawConnection(benchHospital(QStringLiteral("demo"), hospitaldb::DemoSize::Demo));
    const std::string sql = translated(oneRow);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(handle, sql.c_str(), -1, &statement, nullptr);
    for (auto _ : state) {
        while (sqlite3_step(statement) == SQLITE_ROW)
            for (int i = 0; i < sqlite3_column_count(statement); ++i)
                benchmark::DoNotOptimize(sqlite3_column_text(statement, i));
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);
    sqlite3_close(handle);
}

void Gateway_CounterTransaction(benchmark::State& state)
{
    auto connection = connect(benchHospital(QStringLiteral("demo"), hospitaldb::DemoSize::Demo));
    for (auto _ : state) {
        db::Transaction transaction(*connection);
        connection->execute(advance);
        transaction.commit();
    }
}

void Raw_CounterTransaction(benchmark::State& state)
{
    sqlite3* handle =
        rawConnection(benchHospital(QStringLiteral("demo"), hospitaldb::DemoSize::Demo));
    const std::string sql = translated(advance);
    for (auto _ : state) {
        sqlite3_exec(handle, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, nullptr);
        sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr);
    }
    sqlite3_close(handle);
}

void Gateway_LastNameSearchOnBenchHospital(benchmark::State& state)
{
    auto connection = connect(benchHospital(QStringLiteral("bench"), hospitaldb::DemoSize::Bench));
    for (auto _ : state)
        readAll(connection->open(lastName));
}

BENCHMARK(Gateway_OneRowSelect);
BENCHMARK(Raw_OneRowSelect);
BENCHMARK(Raw_OneRowSelectPreparedOnce);
BENCHMARK(Gateway_CounterTransaction);
BENCHMARK(Raw_CounterTransaction);
BENCHMARK(Gateway_LastNameSearchOnBenchHospital)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    RatioReporter reporter;
    if (!runAllBenchmarks(argc, argv, reporter))
        return 0;
    std::cout << "\nratio gateway/raw, one-row SELECT:        "
              << reporter.ratio("Gateway_OneRowSelect", "Raw_OneRowSelect") << " (goal <= 1.5)\n"
              << "  against raw with the statement prepared once: "
              << reporter.ratio("Gateway_OneRowSelect", "Raw_OneRowSelectPreparedOnce") << "\n"
              << "ratio gateway/raw, counter transaction:   "
              << reporter.ratio("Gateway_CounterTransaction", "Raw_CounterTransaction")
              << " (goal <= 1.5)\n"
              << "last-name search on the bench hospital:   "
              << reporter.seconds("Gateway_LastNameSearchOnBenchHospital") * 1e3
              << " ms median (goal < 5 ms)\n";
    return 0;
}

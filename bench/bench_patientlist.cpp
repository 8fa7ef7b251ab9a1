// The patient list's last-name search on the bench hospital: from the statement to a filled
// grid of up to 500 rows.
#include "BenchHospital.h"
#include "PatientGrid.h"
#include "RatioReporter.h"
#include "db/Connection.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void search(benchmark::State& state, const QString& statement)
{
    auto connection =
        db::Connection::connect(db::Connection::embeddedConnectionString(benchHospital()));
    PatientGrid grid;
    for (auto _ : state) {
        db::RowSet found = connection->open(statement);
        grid.fill(found);
        grid.setColumnWidthsTwips({1200, 1200, 3500, 2500, 2500, 0, 0});
    }
    state.counters["rows"] = grid.rowCount();
}

void PatientList_OutPatientLastName(benchmark::State& state)
{
    search(state,
           QStringLiteral("Clinical_area..sp_Laser_Get_Patientbylastname 'O','SANTOS', 'N'"));
}

void PatientList_InPatientLastName(benchmark::State& state)
{
    search(state, QStringLiteral("Clinical_area..sp_Laser_Get_Patientbylastname 'I','S',''"));
}

BENCHMARK(PatientList_OutPatientLastName)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(PatientList_InPatientLastName)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    RatioReporter reporter;
    if (!runAllBenchmarks(argc, argv, reporter))
        return 0;
    std::cout << "\nout-patient last-name search to a filled grid: "
              << reporter.seconds("PatientList_OutPatientLastName") * 1e3
              << " ms median (goal < 50 ms)\n"
              << "in-patient last-name search to a filled grid:  "
              << reporter.seconds("PatientList_InPatientLastName") * 1e3
              << " ms median (goal < 50 ms)\n";
    return 0;
}

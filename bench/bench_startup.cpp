// Start-up to the main window shown, against a bare Qt Widgets program showing one window:
// both as whole processes, in one run.
#include "BenchHospital.h"
#include "RatioReporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <iostream>

namespace {

void runProgram(benchmark::State& state, const QString& program, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("the program did not start and end cleanly");
            return;
        }
    }
}

void StartUpToMainWindow(benchmark::State& state)
{
    runProgram(state, QStringLiteral(STARTUP_PROBE),
               {benchHospital(QStringLiteral("startup"), hospitaldb::DemoSize::Demo)});
}

void BareQtWindow(benchmark::State& state)
{
    runProgram(state, QStringLiteral(BARE_WINDOW), {});
}

BENCHMARK(StartUpToMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(BareQtWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (argc == 1)
        std::cout << "\nratio start-up to main window / bare Qt window: "
                  << reporter.ratio("StartUpToMainWindow", "BareQtWindow") << " (goal <= 2)\n";
    return 0;
}

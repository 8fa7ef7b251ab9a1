// A 1,000-line report filled from the demo hospital and written to PDF: pages per second.
#include "HospitalCreator.h"
#include "RatioReporter.h"
#include "Report.h"
#include "ReportRenderer.h"
#include "db/Connection.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <iostream>

namespace {

constexpr int lineCount = 1000;

// A ledger-like template: a table of lines grouped by reference number with subtotals.
const char* ledger = R"([report]
title = Lines
page = Letter
margins = 12 10 12 10
font = DejaVu Sans, 8

[query Lines]
table slip = Clinical_Area..tbLaserChargeSlip
SELECT LineID, Code, Examination, Quantity, Amount FROM {slip} ORDER BY LineID

[header]
<p align="center"><b>{Company}</b><br/>{Address1}<br/><b>LINES</b></p>

[body]
<table width="100%" border="1" cellspacing="0" cellpadding="2">
<thead><tr><th>No.</th><th>Code</th><th>Examination</th><th>Qty</th><th>Amount</th></tr></thead>
{each Lines}<tr><td>{LineID}</td><td>{group Code}{Code}{/group}</td><td>{Examination}</td>
<td align="right">{Quantity|number}</td><td align="right">{Amount|money}</td></tr>
{groupend Code}<tr><td colspan="4" align="right">Total of {Code}</td><td align="right">{sum:Amount|money}</td></tr>{/groupend}
{/each}
<tr><td colspan="4" align="right"><b>GRAND TOTAL</b></td><td align="right"><b>{sum:Lines.Amount|money}</b></td></tr>
</table>

[footer]
<p align="right">Page {page} of {pages}</p>
)";

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<db::Connection> connection;
    std::unique_ptr<Report> report;

    Fixture()
    {
        const QString folder = dir.filePath(QStringLiteral("hospital"));
        hospitaldb::HospitalCreator::create(folder, hospitaldb::DemoSize::Demo, false);
        connection = db::Connection::connect(db::Connection::embeddedConnectionString(folder));
        connection->execute(QStringLiteral("DELETE FROM Clinical_Area..tbLaserChargeSlip"));
        for (int i = 0; i < lineCount; ++i)
            connection->execute(
                QStringLiteral("INSERT INTO Clinical_Area..tbLaserChargeSlip (Code, Examination, "
                               "Quantity, Amount) VALUES ('C%1E', 'Examination number %2', 1, %3)")
                    .arg(i / 7)
                    .arg(i)
                    .arg(150 + i % 90));
        QFile file(dir.filePath(QStringLiteral("Lines.rpt")));
        file.open(QIODevice::WriteOnly);
        file.write(ledger);
        file.close();
        report = std::make_unique<Report>(file.fileName());
        report->setCompanyTexts(QStringLiteral("Demo Hospital"), QStringLiteral("Demo Street"));
    }
};

Fixture* fixture = nullptr;

void BM_ReportToPdf(benchmark::State& state)
{
    const QString pdf = fixture->dir.filePath(QStringLiteral("lines.pdf"));
    int pages = 0;
    for (auto _ : state) {
        const RenderedReport filled =
            ReportRenderer::render(*fixture->report, *fixture->connection, QDateTime());
        pages += filled.writePdf(pdf);
    }
    state.counters["pages"] = benchmark::Counter(pages / double(state.iterations()));
    state.counters["pages_per_second"] = benchmark::Counter(pages, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReportToPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Fixture data;
    fixture = &data;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::cout << "\nGoal: at least 50 pages per second.\n";
    benchmark::Shutdown();
    return 0;
}

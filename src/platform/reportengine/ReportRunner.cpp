#include "ReportRunner.h"

#include "ParameterDialog.h"
#include "Report.h"
#include "ReportError.h"
#include "ReportRenderer.h"
#include "frmReportViewer.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"
#include "ui/Prompt.h"

namespace {

// The database every report reads unless it is moved.
const QString clinicalArea = QStringLiteral("CLINICAL_AREA");

} // namespace

ReportRunner::ReportRunner(Prompt& prompt, Dialogs& dialogs, Clock& clock)
    : prompt_(prompt)
    , dialogs_(dialogs)
    , clock_(clock)
    , output_(prompt, dialogs)
{}

ReportRunner::~ReportRunner() = default;

void ReportRunner::setSession(db::Connection* connection, const QString& company,
                              const QString& address1)
{
    connection_ = connection;
    company_ = company;
    address1_ = address1;
}

void ReportRunner::tellFailure(const QString& message)
{
    prompt_.tell(message, QStringLiteral("Report"), QMessageBox::Critical);
}

bool ReportRunner::prepare(const QString& path, const QString& database, const QStringList& values)
{
    releaseReport();
    try {
        auto report = std::make_unique<Report>(path);
        report->setCompanyTexts(company_, address1_);
        if (!database.isEmpty())
            report->moveTables(database);
        report->setParameterValues(values);
        active_ = std::move(report);
        return true;
    } catch (const ReportError& error) {
        tellFailure(error.message());
        return false;
    }
}

bool ReportRunner::PrepareReport(const QString& path, const QStringList& values)
{
    // The session's connection already reads CLINICAL_AREA for names without a database.
    return prepare(path, QString(), values);
}

bool ReportRunner::PrepareReportOnDatabase(const QString& path, const QString& database,
                                           const QStringList& values)
{
    return prepare(path, database, values);
}

bool ReportRunner::PrepareSubreport(const QString& name, const QStringList& values)
{
    if (!active_) {
        tellFailure(
            QStringLiteral("The sub-report %1 cannot be prepared before its report.").arg(name));
        return false;
    }
    try {
        Report& subreport = active_->subreport(name);
        subreport.moveTables(clinicalArea);
        subreport.setParameterValues(values);
        return true;
    } catch (const ReportError& error) {
        tellFailure(error.message());
        return false;
    }
}

void ReportRunner::releaseReport()
{
    active_.reset();
    filled_.reset();
}

bool ReportRunner::askMissingValues()
{
    QList<std::pair<Report*, int>> missing;
    QList<ParameterDialog::Field> fields;
    QList<Report*> reports = {active_.get()};
    reports += active_->subreports();
    for (Report* report : reports)
        for (int index : report->missingParameters()) {
            missing.append({report, index});
            const ReportParameter& parameter = report->layout().parameters[index];
            fields.append({parameter.name, parameter.prompt});
        }
    if (missing.isEmpty())
        return true;
    ParameterDialog dialog(fields);
    if (dialogs_.run(dialog) != QDialog::Accepted)
        return false;
    const QStringList values = dialog.values();
    for (int i = 0; i < missing.size(); ++i)
        missing[i].first->setParameterValue(missing[i].second, values[i]);
    return true;
}

std::optional<RenderedReport> ReportRunner::fill()
{
    if (!active_ || !askMissingValues())
        return std::nullopt;
    if (!connection_) {
        tellFailure(QStringLiteral("The report has no database connection to read from."));
        return std::nullopt;
    }
    try {
        return ReportRenderer::render(*active_, *connection_, clock_.now());
    } catch (const ReportError& error) {
        tellFailure(error.message());
        return std::nullopt;
    }
}

bool ReportRunner::fillNow()
{
    filled_ = fill();
    return filled_.has_value();
}

void ReportRunner::ShowReport(bool showGroupTree, const QString& caption, bool directPrint)
{
    const std::optional<RenderedReport> report = filled_ ? std::move(filled_) : fill();
    filled_.reset();
    if (report) {
        frmReportViewer viewer(*report, output_);
        viewer.setShowGroupTree(showGroupTree);
        viewer.setCaption(caption);
        viewer.setDirectPrint(directPrint);
        viewer.Form_Load();
        if (!directPrint)
            dialogs_.run(viewer);
    }
    releaseReport();
}

int ReportRunner::exportPdf(const QString& path)
{
    const std::optional<RenderedReport> report = fill();
    return report ? report->writePdf(path) : 0;
}

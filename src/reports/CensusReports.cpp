#include "CensusReports.h"

#include "ReportRunner.h"
#include "SessionState.h"
#include "db/Connection.h"
#include "db/Error.h"
#include "db/Sql.h"
#include "ui/AppContext.h"
#include "ui/ProgramFolder.h"

void CensusReports::AllPatientCensus()
{
    show("Patient_Data..sp_adm_censusallpatient", "\\GrandCensus.RPT", "All Patient Census");
}

void CensusReports::CensusByStation()
{
    show("Patient_Data..sp_adm_censusbystation", "\\CensusByStation.RPT", "Census by Station");
}

void CensusReports::show(const char* procedure, const char* templateName, const char* caption)
{
    const QDate today = context_.clock().now().date();
    try {
        // Run on every command, even when the report is then closed unseen.
        context_.session().connection->execute(QLatin1String(procedure) + QLatin1Char(' ') +
                                               db::Sql::quote(db::Sql::yearFirstDate(today)) +
                                               QStringLiteral(",''"));
    } catch (const db::Error& error) {
        context_.prompt().tell(error.message(), QStringLiteral("Message"), QMessageBox::Critical);
        return;
    }
    ReportRunner& reports = context_.reports();
    if (reports.PrepareReport(ProgramFolder::file(QLatin1String(templateName)),
                              {db::Sql::date(today)}))
        reports.ShowReport(false, QLatin1String(caption), false);
}

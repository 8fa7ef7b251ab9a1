#include "WindowNavigator.h"

#include "CensusReports.h"
#include "frmReportRange.h"
#include "mdiMain.h"
#include "ui/AppContext.h"

WindowNavigator::WindowNavigator(AppContext& context, mdiMain& window)
    : context_(context)
    , window_(window)
{}

void WindowNavigator::bindCommands()
{
    window_.setOpener(mdiMain::Command::AllPatientCensus,
                      [this] { CensusReports(context_).AllPatientCensus(); });
    window_.setOpener(mdiMain::Command::CensusByStation,
                      [this] { CensusReports(context_).CensusByStation(); });
    window_.setOpener(mdiMain::Command::DailyAuditReport, [this] {
        frmReportRange dialog(context_, &window_);
        context_.dialogs().run(dialog);
    });
}

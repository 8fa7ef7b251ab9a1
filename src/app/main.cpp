#include "ReportRunner.h"
#include "SessionState.h"
#include "WindowNavigator.h"
#include "clsFunction.h"
#include "mdiMain.h"
#include "modHeartStart.h"
#include "ui/AppContext.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("EyeCenter"));
    QApplication::setApplicationName(QStringLiteral("EyeCenter"));

    WidgetPrompt prompt;
    WidgetDialogs dialogs;
    Clock clock;
    AppContext context(prompt, dialogs, clock);
    std::unique_ptr<SessionState> session = modHeartStart::Main(context);
    if (!session)
        return 0;
    clsFunction function(*session->connection);
    context.setSession(session.get());
    context.setFunction(&function);
    ReportRunner reports(prompt, dialogs, clock);
    reports.setSession(session->connection, session->Company, session->Address1);
    context.setReports(&reports);

    mdiMain window(context);
    WindowNavigator navigator(context, window);
    context.setNavigator(&navigator);
    navigator.bindCommands();
    window.show();
    window.activateWindow();
    return QApplication::exec();
}

// The program's start-up on a demo hospital with the log-in typed by a script: the start-up
// routine, the main window shown, then log-out and the end.
#include "SessionState.h"
#include "clsCurrentUser.h"
#include "clsFunction.h"
#include "mdiMain.h"
#include "modHeartStart.h"
#include "ui/AppContext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString folder = app.arguments().value(1);
    ScriptedPrompt prompt;
    ScriptedDialogs dialogs;
    dialogs.onNext([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("txtEmployeeCode"))
            ->setText(QStringLiteral("1001"));
        dialog.findChild<QLineEdit*>(QStringLiteral("txtPassword"))
            ->setText(QStringLiteral("demo"));
        dialog.findChild<QAbstractButton*>(QStringLiteral("cmdOK"))->click();
        return dialog.result();
    });
    Clock clock;
    AppContext context(prompt, dialogs, clock);
    auto session =
        modHeartStart::Main(context, [&](clsCurrentUser& user) { user.setDemoFolder(folder); });
    if (!session)
        return 1;
    clsFunction function(*session->connection);
    context.setSession(session.get());
    context.setFunction(&function);
    mdiMain window(context);
    window.show();
    QTimer::singleShot(0, &window, &QWidget::close);
    return QApplication::exec();
}

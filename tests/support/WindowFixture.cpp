#include "WindowFixture.h"

#include "EntryGrid.h"
#include "ReportRunner.h"
#include "SessionState.h"
#include "WindowNavigator.h"
#include "db/ServerClock.h"
#include "mdiMain.h"

#include <QApplication>
#include <QTest>

WindowFixture::WindowFixture() = default;

WindowFixture::~WindowFixture()
{
    navigator.reset();
    window.reset();
    reports.reset();
}

bool WindowFixture::open()
{
    scriptLogIn();
    if (!startUp())
        return false;
    const QDateTime fridayMorning({2026, 12, 11}, {10, 30, 15});
    setServerTime(fridayMorning);
    clock.setFixed(fridayMorning);
    reports = std::make_unique<ReportRunner>(prompt, dialogs, clock);
    reports->setSession(session->connection, session->Company, session->Address1);
    context.setReports(reports.get());
    window = std::make_unique<mdiMain>(context);
    navigator = std::make_unique<WindowNavigator>(context, *window);
    context.setNavigator(navigator.get());
    navigator->bindCommands();
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window.get());
}

void WindowFixture::setServerTime(const QDateTime& moment)
{
    db::ServerClock::forFolder(folder())->setFixed(moment);
}

void WindowFixture::enter(EntryGrid* grid, int row, int column, const QString& text)
{
    grid->setFocus();
    grid->setCurrentRow(row);
    grid->setCurrentCol(column - 1);
    QTRY_VERIFY(grid->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    for (const QChar key : text)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

#pragma once

#include "Navigator.h"

#include <QPointer>

class AppContext;
class QMdiSubWindow;
class mdiMain;

// Knows every window class: binds the main window's commands to the windows they open and
// serves the openings that windows of one subsystem ask of another.
class WindowNavigator : public Navigator {
public:
    WindowNavigator(AppContext& context, mdiMain& window);

    // Gives every command whose window exists its opener, and the shared patient record its
    // list of earlier patients.
    void bindCommands();

    QWidget* findChildWindow(const QString& objectName) const override;
    void showChildWindow(QWidget* window) override;
    bool openRequestEntry(const RequestEntryValues& values) override;
    bool openOutRequestEntry(const OutRequestEntryValues& values) override;
    void openWalkInRegistration() override;

private:
    void openPatientList(int patientType, bool showPrevious, bool touchPrevious);
    void openCashLinks();
    void tellNotAvailable(const QString& window);
    void subWindowActivated(QMdiSubWindow* window);

    AppContext& context_;
    mdiMain& window_;
    QPointer<QMdiSubWindow> lastActive_;
};

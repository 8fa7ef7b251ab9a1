#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>

class AppContext;
class QAction;
class QMdiArea;
class QMenu;

// The one frame of the program: menus, toolbar, background picture and the child windows.
class mdiMain : public QMainWindow {
    Q_OBJECT

public:
    enum class Command {
        Treatments,
        AssessmentEntry,
        CashEntry,
        ChargeEntry,
        ToolbarChargeEntry, // Charge Entry without touching "Previous Registration"
        InPatientRequestEntry,
        ResultEntry,
        ReceivableEntry,
        ResultInquiry,
        RequestCancellation,
        RePrintChargeSlip,
        PatientLedger,
        ChargeSlipNumberEntry,
        RevokeAssessment,
        AssessmentStatus,
        CensusByStation,
        AllPatientCensus,
        DefaultMarkUp,
        DailyAuditReport,
        LogUser,
    };

    explicit mdiMain(AppContext& context, QWidget* parent = nullptr);

    // The window a command opens. A command without one stays disabled.
    void setOpener(Command command, std::function<void()> opener);
    QMdiArea* mdiArea() const { return mdiArea_; }

public slots:
    void mnuCashEntry_Click();
    void tlbCashLinkEntry_Click();
    void mnuResultEntry_Click();
    void mnuRequestCancellation_Click();
    void mnuRevokeAssessment_Click();
    void mnuExit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildDataEntryMenu();
    void buildFileMaintenanceMenu();
    void buildToolbar();
    void buildNotificationStrip(class QToolBar* strip);
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption, Command command);
    QAction* addHandler(QMenu* menu, const char* name, const QString& caption, Command command,
                        void (mdiMain::*handler)());
    void bindCommand(QAction* action, Command command);
    void open(Command command);
    bool returnsRows(const QString& statement, bool clientCursor) const;
    void cashEntry(const QString& emptyMessage);
    void resultEntryCheck(const QString& statement, bool cancellationMode, Command command);

    AppContext& context_;
    QMdiArea* mdiArea_ = nullptr;
    QHash<Command, std::function<void()>> openers_;
    QMultiHash<Command, QAction*> actions_;
    bool loggedOut_ = false;
};

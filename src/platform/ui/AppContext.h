#pragma once

#include "Clock.h"
#include "Dialogs.h"
#include "Prompt.h"

class Navigator;
class ReportRunner;
class SessionState;
class clsFunction;

// What every window receives: the session, the shared patient record, the navigator, and the
// seams through which it shows messages, runs dialogs and reads the workstation clock.
class AppContext {
public:
    AppContext(Prompt& prompt, Dialogs& dialogs, Clock& clock)
        : prompt_(prompt)
        , dialogs_(dialogs)
        , clock_(clock)
    {}

    Prompt& prompt() const { return prompt_; }
    Dialogs& dialogs() const { return dialogs_; }
    Clock& clock() const { return clock_; }

    SessionState& session() const { return *session_; }
    void setSession(SessionState* session) { session_ = session; }
    clsFunction& function() const { return *function_; }
    void setFunction(clsFunction* function) { function_ = function; }
    Navigator& navigator() const { return *navigator_; }
    void setNavigator(Navigator* navigator) { navigator_ = navigator; }
    // Every printout: prepare a template, then show it.
    ReportRunner& reports() const { return *reports_; }
    void setReports(ReportRunner* reports) { reports_ = reports; }

    // True while the charge lists serve request cancellation rather than result entry.
    bool CancellationMode() const { return cancellationMode_; }
    void setCancellationMode(bool on) { cancellationMode_ = on; }

private:
    Prompt& prompt_;
    Dialogs& dialogs_;
    Clock& clock_;
    SessionState* session_ = nullptr;
    clsFunction* function_ = nullptr;
    Navigator* navigator_ = nullptr;
    ReportRunner* reports_ = nullptr;
    bool cancellationMode_ = false;
};

#pragma once

#include <QList>
#include <QString>
#include <functional>

class QDialog;

// Every modal run of a window or dialog goes through Dialogs, so that a test can act on the
// dialog (fill it, press its buttons) before the run returns.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Returns the dialog's result code (QDialog::Accepted or Rejected).
    virtual int run(QDialog& dialog) = 0;
};

class WidgetDialogs : public Dialogs {
public:
    int run(QDialog& dialog) override;
};

// For tests: each run hands the dialog to the next scripted action, which returns the result
// code; with no action left the dialog is rejected. The object names of the dialogs run are kept.
class ScriptedDialogs : public Dialogs {
public:
    using Action = std::function<int(QDialog&)>;

    int run(QDialog& dialog) override;
    void onNext(Action action) { actions_.append(std::move(action)); }
    const QStringList& ran() const { return ran_; }

private:
    QList<Action> actions_;
    QStringList ran_;
};

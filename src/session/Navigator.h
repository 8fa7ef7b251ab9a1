#pragma once

#include <QString>

class QWidget;

// What the patient list hands the in-patient request entry.
struct RequestEntryValues {
    QString PatIdNum;
    bool CashBasis = false;
    QString PatientType;
    bool NurseCommnunication = false;
};

// What the patient list and the cash link hand the out-patient request entry.
struct OutRequestEntryValues {
    QString Idnumber;
    bool CashBasis = false;
    QString CashOrNum;
    double CashPrice = 0;
    bool NurseCommnunication = false;
};

// How a window opens a window of another subsystem without including it. The main window's
// WindowNavigator alone knows every window class; each subsystem adds the openings it needs here.
class Navigator {
public:
    virtual ~Navigator() = default;

    // The frame's open child window of that object name, or null.
    virtual QWidget* findChildWindow(const QString& objectName) const = 0;
    // Shows the window as a child of the frame at its top left and activates it.
    virtual void showChildWindow(QWidget* window) = 0;

    // Each opening returns false when the window could not be opened; the opener then stays.
    virtual bool openRequestEntry(const RequestEntryValues& values) = 0;
    virtual bool openOutRequestEntry(const OutRequestEntryValues& values) = 0;
    // Walk-in registration, as a dialog.
    virtual void openWalkInRegistration() = 0;
};

#pragma once

#include <QWidget>

class AppContext;
class PatientGrid;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

// "List of Patients": finds an in-patient, out-patient or walk-in and, once the checks allow
// the patient to be charged, opens the request entry for the patient.
class frmListPatient : public QWidget {
    Q_OBJECT

public:
    enum PatientTypeIndex { InPatient, OutPatient, WalkIn };
    enum SearchByIndex { LastName, AdmissionNo, HospitalNo };

    explicit frmListPatient(AppContext& context, QWidget* parent = nullptr);

    // The paid cash link the list was opened for; empty and 0 otherwise.
    const QString& CashOrNum() const { return cashOrNum_; }
    void setCashOrNum(const QString& value) { cashOrNum_ = value; }
    double CashPrice() const { return cashPrice_; }
    void setCashPrice(double value) { cashPrice_ = value; }

    // How the opening command prepares the list.
    void lockPatientType(PatientTypeIndex type);
    void setSearchBy(SearchByIndex searchBy);
    void setSearchText(const QString& text);
    void showAddCashPatient(bool shown);
    void showPreviousRegistration(bool shown);

public slots:
    // Every activation repeats the search with the current box contents.
    void Form_Activate();
    void Search();
    void Process();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QString searchStatement() const;
    // False when the search found nobody.
    bool fillGrid();
    void setColumnWidths();
    bool processInPatient();
    bool processOutPatient();
    bool processWalkIn();
    void tellNotFound();
    void logActivity(const QString& activity);
    void AddCashPatient();
    void Close();

    AppContext& context_;
    QComboBox* cboPatientType_ = nullptr;
    QComboBox* cboSearchBy_ = nullptr;
    QLineEdit* txtTextSearch_ = nullptr;
    QToolButton* tlbbtnSearch_ = nullptr;
    QCheckBox* chkPrevious_ = nullptr;
    PatientGrid* mfgrdPatient_ = nullptr;
    QPushButton* cmdProcess_ = nullptr;
    QPushButton* cmdAddCashPatient_ = nullptr;
    QString cashOrNum_;
    double cashPrice_ = 0;
    bool closing_ = false;
};

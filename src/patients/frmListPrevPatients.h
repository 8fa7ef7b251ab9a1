#pragma once

#include <QDialog>

class AppContext;
class PatientGrid;
class QLineEdit;

// Earlier admissions ("I") or visits and walk-ins ("O") to pick from when a number is not found.
class frmListPrevPatients : public QDialog {
    Q_OBJECT

public:
    explicit frmListPrevPatients(AppContext& context, QWidget* parent = nullptr);

    // Runs the list and returns the admission number picked, empty when cancelled.
    static QString pick(AppContext& context, const QString& patientType, int option,
                        const QString& search);

    const QString& Patient_Type() const { return patientType_; }
    void setPatient_Type(const QString& value) { patientType_ = value; }
    int POption() const { return option_; }
    void setPOption(int value) { option_ = value; }
    const QString& SearchString() const { return searchString_; }
    void setSearchString(const QString& value) { searchString_ = value; }
    // The admission number picked; empty when cancelled.
    const QString& Idnumber() const { return idNumber_; }

    // Lays the list out for the values handed in and lists at once.
    void Form_Load();
    void List();
    void Select();
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext& context_;
    QLineEdit* txtSearch_ = nullptr;
    PatientGrid* grdPatient_ = nullptr;
    QString patientType_ = QStringLiteral("I");
    int option_ = 1;
    QString searchString_;
    QString idNumber_;
};

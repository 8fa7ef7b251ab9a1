#pragma once

#include <QDialog>

class AppContext;
class PatientGrid;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;

// The assessment entry's patient pick list: walk-ins, confined or registered out-patients that
// may be assessed for cash.
class frmPatientList : public QDialog {
    Q_OBJECT

public:
    explicit frmPatientList(AppContext& context, QWidget* parent = nullptr);

    // 1 walk-in, 3 in-patient, 4 registered out-patient.
    int ListOption() const { return listOption_; }
    void setListOption(int value) { listOption_ = value; }
    const QString& SearchString() const { return searchString_; }
    void setSearchString(const QString& value) { searchString_ = value; }
    // The admission number picked, or the hospital number of a walk-in.
    const QString& HospNumber() const { return hospNumber_; }
    bool isCancel() const { return isCancel_; }

    // Lays the list out for the values handed in and lists.
    void Form_Load();
    void List();
    void OK();
    void AddWalkin();
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setColumnWidths();
    bool underCashBasis(const QString& admission);

    AppContext& context_;
    QLineEdit* txtSearch_ = nullptr;
    QToolButton* cmdFind_ = nullptr;
    QCheckBox* chkAutoSearch_ = nullptr;
    PatientGrid* grdPatient_ = nullptr;
    QPushButton* cmdAddWalkin_ = nullptr;
    int listOption_ = 3;
    QString searchString_;
    QString hospNumber_;
    bool isCancel_ = true;
};

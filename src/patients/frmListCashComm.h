#pragma once

#include <QWidget>

class AppContext;
class PatientGrid;
class QLineEdit;
class QPushButton;

// "List of Cash Patients": paid cash receipts whose exams wait to be charged; choosing one opens
// the patient list on the walk-in with the receipt.
class frmListCashComm : public QWidget {
    Q_OBJECT

public:
    explicit frmListCashComm(AppContext& context, QWidget* parent = nullptr);

    void Search();
    void Choose();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext& context_;
    QLineEdit* txtName_ = nullptr;
    PatientGrid* grdCashPatient_ = nullptr;
    QPushButton* cmdChoose_ = nullptr;
};

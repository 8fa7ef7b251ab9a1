#pragma once

#include "ChargeGrid.h"
#include "DefaultMarkUps.h"
#include "RequestSave.h"

#include <QHash>
#include <QWidget>
#include <functional>
#include <memory>

class AppContext;
namespace db {
class RowSet;
}
class EntryGrid;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What the in-patient and out-patient request forms share: the patient and hospital frames,
// the charge lines with their pricing, the requesting doctor, saving and printing the charge.
// The forms differ in how they load the patient and lines, and in how they close.
class RequestForm : public QWidget {
    Q_OBJECT

public:
    ~RequestForm() override;

    // Set by the caller before the form is shown.
    bool CashBasis() const { return cashBasis_; }
    void setCashBasis(bool value) { cashBasis_ = value; }
    const QString& CashOrNum() const { return cashOrNum_; }
    void setCashOrNum(const QString& value) { cashOrNum_ = value; }
    double CashPrice() const { return cashPrice_; }
    void setCashPrice(double value) { cashPrice_ = value; }
    bool NurseCommnunication() const { return nurseCommunication_; }
    void setNurseCommnunication(bool value) { nurseCommunication_ = value; }

    // The reference number of the last save.
    const QString& ChargeSlip() const { return chargeSlip_; }
    bool ChangedFlag() const { return changedFlag_; }

signals:
    // The form went back to the patient list it came from.
    void returnToPatientList();

protected:
    RequestForm(AppContext& context, const QString& name, const QString& caption, int nameLength,
                QWidget* parent);

    // The grid's rules, the form's default mark-up and the holiday checks of the opening.
    void setUpLines(ChargeGrid::Rules rules);
    void startMarkUp(DefaultMarkUps::Kind kind);
    void log(const QString& activity);
    // The exams a ward nurse requested, a line each with its nurse request number; a Stat
    // request switches the mark-up on. `priceLine` writes each line's price and revenue.
    // Returns how many lines were loaded.
    int loadNurseRequests(const QString& procedure, const QString& number,
                          const std::function<void(int row, const db::RowSet& exam)>& priceLine);
    // The paid lines of an official receipt, read-only, ready to be saved.
    void loadCashTransaction(const QString& orNum);
    // Checks the requesting doctor, then saves; the reference number is kept.
    bool saveCharge(const RequestDraft& draft);
    RequestDraft draft(const QString& patientType, const QString& patIdNum) const;
    void printSlip(const QString& refNum, const QString& company, const QString& database);

    bool saving() const { return saving_; }

    virtual bool saveRequest() = 0;
    virtual void printCharge() = 0;

    void showEvent(QShowEvent* event) override;

    AppContext& context_;
    QString RequestDoctorCode;
    QHash<int, QString> NurseRequestNums;
    bool changedFlag_ = false;
    bool cashBasis_ = false;
    QString cashOrNum_;
    double cashPrice_ = 0;
    bool nurseCommunication_ = false;

    QLineEdit* txtLname = nullptr;
    QLineEdit* txtFname = nullptr;
    QLineEdit* txtMname = nullptr;
    QLineEdit* txtBdate = nullptr;
    QLineEdit* txtAge = nullptr;
    QLineEdit* txtSex = nullptr;
    QLineEdit* txtHeight = nullptr;
    QLineEdit* txtWeight = nullptr;
    QLineEdit* txtHospNum = nullptr;
    QLineEdit* txtIdNum = nullptr;
    QLineEdit* txtAdmDate = nullptr;
    QLineEdit* txtRoom = nullptr;
    QLineEdit* txtOrNo = nullptr;
    QLineEdit* txtAmount = nullptr;
    QLineEdit* txtDoctorID = nullptr;
    QLineEdit* txtDoctor = nullptr;
    QPushButton* cmdDoctor = nullptr;
    QLabel* lblOrNo = nullptr;
    QLabel* lblAmount = nullptr;
    QCheckBox* chkHoliday = nullptr;
    EntryGrid* grdInput = nullptr;
    QLineEdit* txtGross = nullptr;
    QGroupBox* fraMarkup = nullptr;
    QLineEdit* txtMarkUp = nullptr;
    QPushButton* cmdApply = nullptr;
    QCheckBox* chkPortable = nullptr;
    QPushButton* cmdSavePrint = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;
    QLabel* lblExecPackage = nullptr;
    std::unique_ptr<ChargeGrid> lines_;

private slots:
    void cmdSave_Click();
    void cmdSavePrint_Click();
    void cmdDoctor_Click();
    void txtDoctorID_Enter();
    void chkHoliday_Click();
    void cmdApply_Click();

private:
    void buildControls(int nameLength);
    QGroupBox* buildPatientFrame(int nameLength);
    QGroupBox* buildHospitalFrame();
    QGroupBox* buildExamsFrame();
    QGroupBox* buildChargingCodeFrame();
    QLineEdit* addBox(QGroupBox* frame, const char* name, const QString& label, int maxLength,
                      int row, int column);

    QString chargeSlip_;
    bool saving_ = false;
};

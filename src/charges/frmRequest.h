#pragma once

#include "ChargeGrid.h"
#include "RequestSave.h"

#include <QHash>
#include <QWidget>
#include <memory>

class AppContext;
class EntryGrid;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Request Entry: charges an admitted patient's laser procedures, medicines, supplies and
// professional fees, saves them under one charge slip number and prints the slip.
class frmRequest : public QWidget {
    Q_OBJECT

public:
    explicit frmRequest(AppContext& context, QWidget* parent = nullptr);
    ~frmRequest() override;

    // Set by the caller before the form is shown.
    const QString& PatIdNum() const { return patIdNum_; }
    void setPatIdNum(const QString& value) { patIdNum_ = value; }
    const QString& PatientType() const { return patientType_; }
    void setPatientType(const QString& value) { patientType_ = value; }
    bool CashBasis() const { return cashBasis_; }
    void setCashBasis(bool value) { cashBasis_ = value; }
    const QString& CashOrNum() const { return cashOrNum_; }
    void setCashOrNum(const QString& value) { cashOrNum_ = value; }
    double CashPrice() const { return cashPrice_; }
    void setCashPrice(double value) { cashPrice_ = value; }
    bool NurseCommnunication() const { return nurseCommunication_; }
    void setNurseCommnunication(bool value) { nurseCommunication_ = value; }

    // Fills the form for the caller's admission; run once before it is shown.
    void load();

    bool Save_request();
    // The reference number of the last save.
    const QString& ChargeSlip() const { return chargeSlip_; }
    bool ChangedFlag() const { return changedFlag_; }

signals:
    // Exit on a request from the patient list: the list is shown again.
    void returnToPatientList();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdSave_Click();
    void cmdSavePrint_Click();
    void cmdClose_Click();
    void cmdDoctor_Click();
    void txtDoctorID_Enter();
    void chkHoliday_Click();
    void cmdApply_Click();

private:
    void buildControls();
    QGroupBox* buildPatientFrame();
    QGroupBox* buildHospitalFrame();
    QGroupBox* buildExamsFrame();
    QGroupBox* buildChargingCodeFrame();
    QLineEdit* addBox(QGroupBox* frame, const char* name, const QString& label, int maxLength,
                      int row, int column);
    void log(const QString& activity);
    void fillAdmission();
    void loadNurseCommunication();
    void loadCashTransaction();
    void writeLoadedPrice(int row, const QString& itemCode);
    std::optional<double> lookUpPrice(const codesearch::OtherRevenueRecord& item) const;
    RequestDraft draft() const;
    void printSlip();

    AppContext& context_;
    QString patIdNum_;
    QString patientType_ = QStringLiteral("I");
    bool cashBasis_ = false;
    QString cashOrNum_;
    double cashPrice_ = 0;
    bool nurseCommunication_ = false;

    QString RequestDoctorCode;
    QString account_;
    QString company_;
    QString roomClass_;
    QHash<int, QString> NurseRequestNums;
    bool changedFlag_ = false;
    QString chargeSlip_;
    bool saving_ = false;

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
};

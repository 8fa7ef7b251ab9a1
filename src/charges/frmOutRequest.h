#pragma once

#include "RequestForm.h"

// OutPatient Request Entry: charges a registered out-patient's visit on account, a walk-in's
// exams paid at the cashier, or exams a clinic nurse requested for an out-patient.
class frmOutRequest : public RequestForm {
    Q_OBJECT

public:
    explicit frmOutRequest(AppContext& context, QWidget* parent = nullptr);

    // Set by the caller before the form is shown: the visit number, or for a walk-in paying
    // cash, the hospital number.
    const QString& Idnumber() const { return idNumber_; }
    void setIdnumber(const QString& value) { idNumber_ = value; }

    // Fills the form for the caller's visit or walk-in; run once before it is shown.
    void load();

    bool Save_Data();

protected:
    bool saveRequest() override;
    void printCharge() override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdClose_Click();

private:
    void fillCashPatient();
    void fillVisit();
    void loadNurseCommunication();
    double procedurePrice(const codesearch::OtherRevenueRecord& item) const;
    void grossAfterPriceEdit();

    QString idNumber_;
    QString company_;
    bool saved_ = false;
    bool exitOrChanged_ = false;
};

#pragma once

#include "RequestForm.h"

// Request Entry: charges an admitted patient's laser procedures, medicines, supplies and
// professional fees, saves them under one charge slip number and prints the slip.
class frmRequest : public RequestForm {
    Q_OBJECT

public:
    explicit frmRequest(AppContext& context, QWidget* parent = nullptr);

    // Set by the caller before the form is shown.
    const QString& PatIdNum() const { return patIdNum_; }
    void setPatIdNum(const QString& value) { patIdNum_ = value; }
    const QString& PatientType() const { return patientType_; }
    void setPatientType(const QString& value) { patientType_ = value; }

    // Fills the form for the caller's admission; run once before it is shown.
    void load();

    bool Save_request();

protected:
    bool saveRequest() override { return Save_request(); }
    void printCharge() override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdClose_Click();

private:
    void fillAdmission();
    void loadNurseCommunication();
    void writeLoadedPrice(int row, const QString& itemCode);
    std::optional<double> lookUpPrice(const codesearch::OtherRevenueRecord& item) const;

    QString patIdNum_;
    QString patientType_ = QStringLiteral("I");
    QString company_;
    QString roomClass_;
};

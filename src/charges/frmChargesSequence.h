#pragma once

#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <optional>

class AppContext;
class Navigator;
class QLineEdit;
class QPushButton;

// Charge Slip Sequence: sets the counter that the next charge slip number is drawn from, and
// refuses a number that a stored charge already carries.
class frmChargesSequence : public QWidget {
    Q_OBJECT

public:
    explicit frmChargesSequence(AppContext& context, QWidget* parent = nullptr);

    // Shows the open window, or a new one with that save caption and the counter read.
    static void open(AppContext& context, Navigator& navigator, const QString& saveCaption);

    // Caption of the save button, set by the opener before the window is shown. "Update" also
    // advances the counter once after setting it.
    const QString& SaveCaption() const { return saveCaption_; }
    void setSaveCaption(const QString& caption);

    // Shows the counter; run once before the window is shown.
    void load();

    // The counter as digits, or empty text while the counter table is empty.
    QString GetChargeSlip();
    // True when a stored reference number already carries this number.
    bool ValidateChargeSlip(const QString& number);
    // The reference number the next save would take, from the counter last read.
    QString ChargeSlip() const;

private slots:
    void CmdSave_Click();
    void CmdExit_Click();

private:
    void buildControls();
    // The typed number in the form the reference numbers carry it, or nothing when it is not
    // a positive whole number.
    std::optional<QString> typedNumber() const;
    // Sets the counter unless the number is taken; true when it was set.
    bool storeNumber(const QString& number);
    // Tells why nothing was set and hands the number back to the clerk.
    void refuse(const QString& text, const QString& title, QMessageBox::Icon icon);

    AppContext& context_;
    QString saveCaption_;
    QString counter_;
    QLineEdit* txtChargeSlipNum = nullptr;
    QPushButton* CmdSave = nullptr;
    QPushButton* CmdExit = nullptr;
};

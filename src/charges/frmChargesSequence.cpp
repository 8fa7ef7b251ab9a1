#include "frmChargesSequence.h"

#include "Navigator.h"
#include "SessionState.h"
#include "db/Connection.h"
#include "db/Error.h"
#include "db/Sql.h"
#include "ui/AppContext.h"
#include "ui/ChildWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

using db::Sql;

namespace {

const QString advanceCounter = QStringLiteral("Clinical_Area..sp_Laser_UpdateRefNum");

bool onlyDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

} // namespace

frmChargesSequence::frmChargesSequence(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("frmChargesSequence"));
    setWindowTitle(QStringLiteral("Charge Slip Sequence"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
}

void frmChargesSequence::open(AppContext& context, Navigator& navigator, const QString& saveCaption)
{
    auto* window = qobject_cast<frmChargesSequence*>(
        navigator.findChildWindow(QStringLiteral("frmChargesSequence")));
    if (!window) {
        window = new frmChargesSequence(context);
        window->setSaveCaption(saveCaption);
        window->load();
    }
    navigator.showChildWindow(window);
}

void frmChargesSequence::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("Starting Charge Slip"));
    txtChargeSlipNum = new QLineEdit;
    txtChargeSlipNum->setObjectName(QStringLiteral("txtChargeSlipNum"));
    txtChargeSlipNum->setAlignment(Qt::AlignCenter);
    caption->setBuddy(txtChargeSlipNum);
    layout->addWidget(caption);
    layout->addWidget(txtChargeSlipNum);

    CmdSave = new QPushButton;
    CmdSave->setObjectName(QStringLiteral("CmdSave"));
    CmdExit = new QPushButton(QStringLiteral("Cancel"));
    CmdExit->setObjectName(QStringLiteral("CmdExit"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {CmdSave, CmdExit}) {
        button->setAutoDefault(true);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    connect(txtChargeSlipNum, &QLineEdit::returnPressed, this, &frmChargesSequence::CmdSave_Click);
    connect(CmdSave, &QPushButton::clicked, this, &frmChargesSequence::CmdSave_Click);
    connect(CmdExit, &QPushButton::clicked, this, &frmChargesSequence::CmdExit_Click);
    auto* escape = new QShortcut(QKeySequence::Cancel, this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &frmChargesSequence::CmdExit_Click);
}

void frmChargesSequence::setSaveCaption(const QString& caption)
{
    saveCaption_ = caption;
    CmdSave->setText(caption);
}

void frmChargesSequence::load()
{
    try {
        txtChargeSlipNum->setText(GetChargeSlip());
    } catch (const db::Error& error) {
        context_.prompt().tell(QStringLiteral("The charge slip counter could not be read.\n") +
                                   error.message(),
                               QStringLiteral("Critical Error"), QMessageBox::Critical);
    }
}

QString frmChargesSequence::GetChargeSlip()
{
    const db::RowSet row = context_.session().connection->open(
        QStringLiteral("Select top 1 ChargeSlip from Clinical_Area..tbLaserSlip"),
        db::Cursor::Client);
    const db::Value counter = row.eof() ? db::Value() : row.field(QStringLiteral("ChargeSlip"));
    counter_ = counter.toString().trimmed().isEmpty() ? QString()
                                                      : QString::number(counter.toDouble(), 'f', 0);
    return counter_;
}

bool frmChargesSequence::ValidateChargeSlip(const QString& number)
{
    const db::RowSet rows = context_.session().connection->open(
        QStringLiteral("Select RefNum from Clinical_Area..vwGetTrimRefnum where Refnum = ") +
            Sql::quote(number),
        db::Cursor::Client);
    return rows.count() > 0;
}

QString frmChargesSequence::ChargeSlip() const
{
    return QStringLiteral("C") + counter_ + QStringLiteral("E");
}

// Leading zeros are dropped: "057" must be checked against C57E, the number it would produce.
std::optional<QString> frmChargesSequence::typedNumber() const
{
    const QString text = txtChargeSlipNum->text().trimmed();
    if (!onlyDigits(text))
        return std::nullopt;
    bool fits = false;
    const int value = text.toInt(&fits);
    if (!fits || value <= 0)
        return std::nullopt;
    return QString::number(value);
}

void frmChargesSequence::CmdSave_Click()
{
    const std::optional<QString> number = typedNumber();
    if (!number) {
        refuse(QStringLiteral("The starting charge slip must be a whole number greater than zero."),
               QStringLiteral("Message"), QMessageBox::Warning);
        return;
    }
    bool stored = false;
    try {
        stored = storeNumber(*number);
    } catch (const db::Error& error) {
        refuse(QStringLiteral("The charge slip number was not saved.\n") + error.message(),
               QStringLiteral("Warning"), QMessageBox::Warning);
        return;
    }
    if (!stored) {
        refuse(
            QStringLiteral("Cannot produce new charge slip number! Charge slip Number was used!"),
            QString(), QMessageBox::NoIcon);
        return;
    }
    closeChildWindow(this);
}

// One transaction, so no other workstation takes a number between the check and the write.
// The refusal is told after the commit: a message box must not hold the counter locked.
bool frmChargesSequence::storeNumber(const QString& number)
{
    db::Connection& connection = *context_.session().connection;
    db::Transaction transaction(connection);
    const bool used = ValidateChargeSlip(number);
    if (used) {
        if (GetChargeSlip() == number)
            connection.execute(advanceCounter);
    } else {
        connection.execute(QStringLiteral("Update Clinical_Area..tbLaserSlip set ChargeSlip = ") +
                           Sql::quote(number));
        if (saveCaption_ == u"Update")
            connection.execute(advanceCounter);
    }
    transaction.commit();
    return !used;
}

void frmChargesSequence::refuse(const QString& text, const QString& title, QMessageBox::Icon icon)
{
    context_.prompt().tell(text, title, icon);
    txtChargeSlipNum->setFocus();
    txtChargeSlipNum->selectAll();
}

void frmChargesSequence::CmdExit_Click()
{
    closeChildWindow(this);
}

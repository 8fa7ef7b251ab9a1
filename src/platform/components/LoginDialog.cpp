#include "LoginDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

frmLogin::frmLogin(Check check, QWidget* parent)
    : QDialog(parent)
    , check_(std::move(check))
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(tr("Log In"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    txtEmployeeCode_ = named(new QLineEdit(this), "txtEmployeeCode");
    txtPassword_ = named(new QLineEdit(this), "txtPassword");
    txtPassword_->setEchoMode(QLineEdit::Password);

    auto* credentials = new QFormLayout;
    credentials->addRow(tr("&Employee code:"), txtEmployeeCode_);
    credentials->addRow(tr("&Password:"), txtPassword_);

    auto* fraServer = named(new QGroupBox(tr("Server"), this), "fraServer");
    optEmbedded_ = named(new QRadioButton(tr("E&mbedded demo hospital"), fraServer), "optEmbedded");
    optSqlServer_ = named(new QRadioButton(tr("&SQL Server (ODBC)"), fraServer), "optSqlServer");
    txtConnectionString_ = named(new QLineEdit(fraServer), "txtConnectionString");
    txtConnectionString_->setPlaceholderText(
        QStringLiteral("Driver={ODBC Driver 18 for SQL Server};Server=...;UID=...;PWD=..."));
    txtConnectionString_->setMinimumWidth(420);
    auto* connectionLabel = new QLabel(tr("ODBC &connection string:"), fraServer);
    connectionLabel->setBuddy(txtConnectionString_);
    auto* serverLayout = new QVBoxLayout(fraServer);
    serverLayout->addWidget(optEmbedded_);
    serverLayout->addWidget(optSqlServer_);
    serverLayout->addWidget(connectionLabel);
    serverLayout->addWidget(txtConnectionString_);
    optEmbedded_->setChecked(true);

    chkTrace_ = named(new QCheckBox(tr("Write a statement &trace file"), this), "chkTrace");
    txtTraceFile_ = named(new QLineEdit(this), "txtTraceFile");
    auto* traceLayout = new QHBoxLayout;
    traceLayout->addWidget(chkTrace_);
    traceLayout->addWidget(txtTraceFile_, 1);

    lblMessage_ = named(new QLabel(this), "lblMessage");
    lblMessage_->setWordWrap(true);
    lblMessage_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblMessage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage_->setStyleSheet(QStringLiteral("color: #c00000;"));
    // Room for a few lines of a database message, so that the fixed size never changes.
    lblMessage_->setFixedHeight(lblMessage_->fontMetrics().lineSpacing() * 4);

    cmdOK_ = named(new QPushButton(tr("OK"), this), "cmdOK");
    cmdCancel_ = named(new QPushButton(tr("Cancel"), this), "cmdCancel");
    cmdOK_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(credentials);
    layout->addWidget(fraServer);
    layout->addLayout(traceLayout);
    layout->addWidget(lblMessage_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(optEmbedded_, &QRadioButton::toggled, this, &frmLogin::updateEnabled);
    connect(optSqlServer_, &QRadioButton::toggled, this, &frmLogin::updateEnabled);
    connect(chkTrace_, &QCheckBox::toggled, this, &frmLogin::updateEnabled);
    connect(cmdOK_, &QPushButton::clicked, this, &frmLogin::accept);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmLogin::reject);
    txtEmployeeCode_->installEventFilter(this);

    setTabOrder(txtEmployeeCode_, txtPassword_);
    setTabOrder(txtPassword_, optEmbedded_);
    setTabOrder(optEmbedded_, optSqlServer_);
    setTabOrder(optSqlServer_, txtConnectionString_);
    setTabOrder(txtConnectionString_, chkTrace_);
    setTabOrder(chkTrace_, txtTraceFile_);
    setTabOrder(txtTraceFile_, cmdOK_);
    setTabOrder(cmdOK_, cmdCancel_);
    txtEmployeeCode_->setFocus();
    updateEnabled();
}

frmLogin::Entry frmLogin::entry() const
{
    Entry entry;
    entry.employeeCode = txtEmployeeCode_->text().trimmed();
    entry.password = txtPassword_->text();
    entry.server = optSqlServer_->isChecked() ? Server::SqlServer : Server::EmbeddedDemo;
    entry.connectionString = txtConnectionString_->text().trimmed();
    entry.trace = chkTrace_->isChecked();
    entry.traceFile = txtTraceFile_->text().trimmed();
    return entry;
}

void frmLogin::setServer(Server server)
{
    (server == Server::SqlServer ? optSqlServer_ : optEmbedded_)->setChecked(true);
}

void frmLogin::setConnectionString(const QString& connectionString)
{
    txtConnectionString_->setText(connectionString);
}

void frmLogin::setTraceFile(const QString& path)
{
    txtTraceFile_->setText(path);
}

QString frmLogin::message() const
{
    return lblMessage_->text();
}

void frmLogin::accept()
{
    showMessage(QString());
    const Outcome outcome = check_ ? check_(entry()) : Outcome{};
    switch (outcome.kind) {
    case Outcome::LoggedIn:
        QDialog::accept();
        return;
    case Outcome::Refused:
        showMessage(outcome.message);
        txtPassword_->clear();
        txtPassword_->setFocus();
        return;
    case Outcome::Failed:
        showMessage(outcome.message);
        return;
    }
}

bool frmLogin::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the employee code moves on to the password (Enter there presses OK).
    if (watched == txtEmployeeCode_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            txtPassword_->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmLogin::updateEnabled()
{
    txtConnectionString_->setEnabled(optSqlServer_->isChecked());
    txtTraceFile_->setEnabled(chkTrace_->isChecked());
}

void frmLogin::showMessage(const QString& text)
{
    lblMessage_->setText(text);
    lblMessage_->setToolTip(text);
}

#include "frmDefaultMarkUp.h"

#include "Navigator.h"
#include "ui/ChildWindow.h"
#include "ui/EnterMovesFocus.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmDefaultMarkUp::frmDefaultMarkUp(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmDefaultMarkUp"));
    setWindowTitle(QStringLiteral("Default Mark Up Value"));
    setAttribute(Qt::WA_DeleteOnClose);
    DefaultMarkUps::shared().reset();
    buildControls();
    EnterMovesFocus::install(this);
}

// A window taken down without being closed (with the main window) leaves "50" behind as well.
frmDefaultMarkUp::~frmDefaultMarkUp()
{
    DefaultMarkUps::shared().reset();
}

void frmDefaultMarkUp::open(Navigator& navigator)
{
    QWidget* window = navigator.findChildWindow(QStringLiteral("frmDefaultMarkUp"));
    navigator.showChildWindow(window ? window : new frmDefaultMarkUp);
}

void frmDefaultMarkUp::buildControls()
{
    auto* layout = new QGridLayout(this);
    const std::array<QString, 3> captions{QStringLiteral("INPATIENT MARK UP"),
                                          QStringLiteral("OUTPATIENT MARK UP"),
                                          QStringLiteral("ASSESSMENT MARK UP")};
    for (int index = 0; index < int(boxes_.size()); ++index) {
        const auto kind = static_cast<DefaultMarkUps::Kind>(index);
        auto* box = new QLineEdit(DefaultMarkUps::shared().value(kind));
        box->setObjectName(QStringLiteral("txtMarkup%1").arg(index));
        box->setAlignment(Qt::AlignCenter);
        connect(box, &QLineEdit::textChanged, this,
                [kind](const QString& text) { DefaultMarkUps::shared().setValue(kind, text); });
        auto* caption = new QLabel(captions[index]);
        caption->setBuddy(box);
        layout->addWidget(caption, 0, index, Qt::AlignCenter);
        layout->addWidget(box, 1, index);
        boxes_[index] = box;
    }
    cmOK = new QPushButton(QStringLiteral("SAVE"));
    cmOK->setObjectName(QStringLiteral("cmOK"));
    cmOK->setAutoDefault(true);
    layout->addWidget(cmOK, 2, 1);
    connect(cmOK, &QPushButton::clicked, this, &frmDefaultMarkUp::cmOK_Click);
}

void frmDefaultMarkUp::cmOK_Click()
{
    for (QLineEdit* box : boxes_)
        box->setEnabled(false);
    closeChildWindow(this);
}

void frmDefaultMarkUp::closeEvent(QCloseEvent* event)
{
    DefaultMarkUps::shared().reset();
    event->accept();
}

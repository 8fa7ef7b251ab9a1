#include "frmReportRange.h"

#include "ReportRunner.h"
#include "db/Sql.h"
#include "ui/AppContext.h"
#include "ui/ProgramFolder.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

frmReportRange::frmReportRange(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("frmReportRange"));
    setWindowTitle(QStringLiteral("Report"));
    auto* grid = new QGridLayout(this);
    dtpStartDate_ = dateBox("dtpStartDate");
    dtpEndDate_ = dateBox("dtpEndDate");
    grid->addWidget(new QLabel(QStringLiteral("Start Date"), this), 0, 0);
    grid->addWidget(dtpStartDate_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("End Date"), this), 1, 0);
    grid->addWidget(dtpEndDate_, 1, 1);

    auto* buttons = new QHBoxLayout;
    auto* view = new QPushButton(QStringLiteral("View"), this);
    view->setObjectName(QStringLiteral("cmdView"));
    view->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addStretch();
    buttons->addWidget(view);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    connect(view, &QPushButton::clicked, this, &frmReportRange::cmdView_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint());
}

QDateEdit* frmReportRange::dateBox(const char* name)
{
    auto* box = new QDateEdit(context_.clock().now().date(), this);
    box->setObjectName(QLatin1String(name));
    box->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    box->setCalendarPopup(true);
    return box;
}

void frmReportRange::cmdView_Click()
{
    ReportRunner& reports = context_.reports();
    if (reports.PrepareReport(ProgramFolder::file(QStringLiteral("\\DailyAuditReport.rpt")),
                              {db::Sql::date(dtpStartDate_->date()),
                               db::Sql::date(dtpEndDate_->date()), QStringLiteral("LR")}))
        reports.ShowReport(false, QStringLiteral("Daily Report"), false);
}

#pragma once

#include <QDialog>

class AppContext;
class QDateEdit;

// The daily audit report's dates. View shows the report and leaves the dialog open.
class frmReportRange : public QDialog {
    Q_OBJECT

public:
    explicit frmReportRange(AppContext& context, QWidget* parent = nullptr);

public slots:
    void cmdView_Click();

private:
    QDateEdit* dateBox(const char* name);

    AppContext& context_;
    QDateEdit* dtpStartDate_ = nullptr;
    QDateEdit* dtpEndDate_ = nullptr;
};

#pragma once

#include "RenderedReport.h"

#include <QDialog>
#include <QPrinter>

class QComboBox;
class QLabel;
class QPrintPreviewWidget;
class QTreeWidget;
class QTreeWidgetItem;
class ReportOutput;

// Shows a filled report: a print preview with zoom and page moves, Print, Export PDF and, when
// asked, a tree of the report's groups. ShowGroupTree, Caption and DirectPrint are set before
// Form_Load.
class frmReportViewer : public QDialog {
    Q_OBJECT

public:
    frmReportViewer(const RenderedReport& report, ReportOutput& output, QWidget* parent = nullptr);

    bool ShowGroupTree() const { return showGroupTree_; }
    void setShowGroupTree(bool show) { showGroupTree_ = show; }
    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    bool DirectPrint() const { return directPrint_; }
    void setDirectPrint(bool direct) { directPrint_ = direct; }

    // Puts the report in the preview at 100 %, fills the group tree when asked, and prints at
    // once when DirectPrint is set.
    void Form_Load();

    const RenderedReport& report() const { return report_; }
    QPrintPreviewWidget* preview() const { return preview_; }

public slots:
    void cmdPrint_Click();
    void cmdExportPdf_Click();

private:
    void buildToolbar(class QToolBar* toolbar);
    void fillGroupTree();
    void setZoomPercent(int percent);
    void showPageNumber();
    void tvwGroupTree_Click(QTreeWidgetItem* item);

    const RenderedReport& report_;
    ReportOutput& output_;
    QPrinter printer_;
    bool showGroupTree_ = false;
    bool directPrint_ = false;
    QPrintPreviewWidget* preview_ = nullptr;
    QTreeWidget* groupTree_ = nullptr;
    QComboBox* zoom_ = nullptr;
    QLabel* pageNumber_ = nullptr;
};

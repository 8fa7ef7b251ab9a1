#include "frmReportViewer.h"

#include "ReportOutput.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QList<int> zoomSteps = {25, 50, 75, 100, 125, 150, 200, 300, 400};

} // namespace

frmReportViewer::frmReportViewer(const RenderedReport& report, ReportOutput& output,
                                 QWidget* parent)
    : QDialog(parent)
    , report_(report)
    , output_(output)
    , printer_(QPrinter::HighResolution)
{
    setObjectName(QStringLiteral("frmReportViewer"));
    setWindowTitle(QStringLiteral("VIEW REPORT"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    printer_.setPageLayout(report.pageLayout);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("tlbViewer"));
    layout->addWidget(toolbar);

    auto* splitter = new QSplitter(this);
    groupTree_ = new QTreeWidget(splitter);
    groupTree_->setObjectName(QStringLiteral("tvwGroupTree"));
    groupTree_->header()->hide();
    groupTree_->setVisible(false);
    groupTree_->setEnabled(false);
    preview_ = new QPrintPreviewWidget(&printer_, splitter);
    preview_->setObjectName(QStringLiteral("previewReport"));
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { report_.print(*printer); });
    connect(preview_, &QPrintPreviewWidget::previewChanged, this, &frmReportViewer::showPageNumber);
    connect(groupTree_, &QTreeWidget::itemClicked, this, &frmReportViewer::tvwGroupTree_Click);
    buildToolbar(toolbar);
    // The whole screen also where no window manager applies the maximised state.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

void frmReportViewer::buildToolbar(QToolBar* toolbar)
{
    const auto add = [&](const char* name, const QString& text, QStyle::StandardPixmap icon,
                         auto slot) {
        QAction* action = toolbar->addAction(style()->standardIcon(icon), text, this, slot);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QAction* print =
        toolbar->addAction(QStringLiteral("Print"), this, &frmReportViewer::cmdPrint_Click);
    print->setObjectName(QStringLiteral("cmdPrint"));
    print->setShortcut(QKeySequence::Print);
    toolbar->addAction(QStringLiteral("Export PDF"), this, &frmReportViewer::cmdExportPdf_Click)
        ->setObjectName(QStringLiteral("cmdExportPdf"));
    toolbar->addSeparator();
    add("cmdFirstPage", QStringLiteral("First Page"), QStyle::SP_MediaSkipBackward,
        [this] { preview_->setCurrentPage(1); });
    add("cmdPreviousPage", QStringLiteral("Previous Page"), QStyle::SP_MediaSeekBackward,
        [this] { preview_->setCurrentPage(preview_->currentPage() - 1); });
    add("cmdNextPage", QStringLiteral("Next Page"), QStyle::SP_MediaSeekForward,
        [this] { preview_->setCurrentPage(preview_->currentPage() + 1); });
    add("cmdLastPage", QStringLiteral("Last Page"), QStyle::SP_MediaSkipForward,
        [this] { preview_->setCurrentPage(preview_->pageCount()); });
    pageNumber_ = new QLabel(toolbar);
    pageNumber_->setObjectName(QStringLiteral("lblPage"));
    pageNumber_->setContentsMargins(8, 0, 8, 0);
    toolbar->addWidget(pageNumber_);
    toolbar->addSeparator();
    zoom_ = new QComboBox(toolbar);
    zoom_->setObjectName(QStringLiteral("cboZoom"));
    for (int percent : zoomSteps)
        zoom_->addItem(QStringLiteral("%1 %").arg(percent), percent);
    zoom_->addItem(QStringLiteral("Page Width"), 0);
    zoom_->addItem(QStringLiteral("Whole Page"), -1);
    toolbar->addWidget(zoom_);
    connect(zoom_, &QComboBox::activated, this,
            [this](int index) { setZoomPercent(zoom_->itemData(index).toInt()); });
}

void frmReportViewer::Form_Load()
{
    setZoomPercent(100);
    groupTree_->setVisible(showGroupTree_);
    groupTree_->setEnabled(showGroupTree_);
    if (showGroupTree_)
        fillGroupTree();
    if (directPrint_)
        output_.printDirect(report_, this);
}

void frmReportViewer::setZoomPercent(int percent)
{
    if (percent == 0) {
        preview_->setZoomMode(QPrintPreviewWidget::FitToWidth);
    } else if (percent < 0) {
        preview_->setZoomMode(QPrintPreviewWidget::FitInView);
    } else {
        preview_->setZoomMode(QPrintPreviewWidget::CustomZoom);
        preview_->setZoomFactor(percent / 100.0);
    }
    zoom_->setCurrentIndex(zoom_->findData(percent));
}

void frmReportViewer::fillGroupTree()
{
    groupTree_->clear();
    const RenderedReport::Pages pages(report_, printer_);
    QList<QTreeWidgetItem*> parents;
    for (const RenderedReport::Group& group : report_.groups) {
        parents.resize(std::min<qsizetype>(parents.size(), group.level));
        auto* item = parents.isEmpty() ? new QTreeWidgetItem(groupTree_)
                                       : new QTreeWidgetItem(parents.last());
        item->setText(0, group.label);
        item->setData(0, Qt::UserRole, pages.pageOf(group.anchor) + 1);
        parents.append(item);
    }
    groupTree_->expandAll();
}

void frmReportViewer::tvwGroupTree_Click(QTreeWidgetItem* item)
{
    preview_->setCurrentPage(item->data(0, Qt::UserRole).toInt());
}

void frmReportViewer::showPageNumber()
{
    pageNumber_->setText(
        QStringLiteral("Page %1 of %2").arg(preview_->currentPage()).arg(preview_->pageCount()));
}

void frmReportViewer::cmdPrint_Click()
{
    output_.print(report_, this);
}

void frmReportViewer::cmdExportPdf_Click()
{
    output_.exportPdf(report_, this);
}

#include "ReportOutput.h"

#include "RenderedReport.h"
#include "ui/Dialogs.h"
#include "ui/Prompt.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

const QString printTitle = QStringLiteral("Print");

} // namespace

bool ReportOutput::printerInstalled(const RenderedReport& report, QWidget* parent)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        return true;
    if (prompt_.ask(QStringLiteral("No printer is installed on this workstation.\n\n"
                                   "Save the report as a PDF file instead?"),
                    printTitle, QMessageBox::Question,
                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        exportPdf(report, parent);
    return false;
}

void ReportOutput::sendTo(QPrinter& printer, const RenderedReport& report)
{
    printer.setPageLayout(report.pageLayout);
    printer.setDocName(report.title);
    if (report.print(printer) == 0)
        prompt_.tell(QStringLiteral("The report could not be sent to the printer %1.")
                         .arg(printer.printerName()),
                     printTitle, QMessageBox::Critical);
}

void ReportOutput::print(const RenderedReport& report, QWidget* parent)
{
    if (!printerInstalled(report, parent))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report.pageLayout);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    if (dialogs_.run(dialog) == QDialog::Accepted)
        sendTo(printer, report);
}

void ReportOutput::printDirect(const RenderedReport& report, QWidget* parent)
{
    if (!printerInstalled(report, parent))
        return;
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    sendTo(printer, report);
}

void ReportOutput::exportPdf(const RenderedReport& report, QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Export PDF"));
    dialog.setObjectName(QStringLiteral("dlgExportPdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile((report.title.isEmpty() ? QStringLiteral("Report") : report.title) +
                      QStringLiteral(".pdf"));
    if (dialogs_.run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    if (report.writePdf(path) == 0)
        prompt_.tell(QStringLiteral("The PDF file %1 could not be written.")
                         .arg(QDir::toNativeSeparators(path)),
                     QStringLiteral("Export PDF"), QMessageBox::Critical);
}

#pragma once

class Dialogs;
class Prompt;
class QWidget;
class RenderedReport;

// Where a filled report goes besides the screen: a printer or a PDF file. Every dialog runs
// through Dialogs and every message through Prompt.
class ReportOutput {
public:
    ReportOutput(Prompt& prompt, Dialogs& dialogs)
        : prompt_(prompt)
        , dialogs_(dialogs)
    {}

    // Through the system's print dialog.
    void print(const RenderedReport& report, QWidget* parent);
    // Straight to the default printer.
    void printDirect(const RenderedReport& report, QWidget* parent);
    // Asks for a file name, then writes the PDF.
    void exportPdf(const RenderedReport& report, QWidget* parent);

private:
    bool printerInstalled(const RenderedReport& report, QWidget* parent);
    void sendTo(class QPrinter& printer, const RenderedReport& report);

    Prompt& prompt_;
    Dialogs& dialogs_;
};

#pragma once

#include "RenderedReport.h"
#include "ReportOutput.h"

#include <QStringList>
#include <memory>
#include <optional>

class Clock;
class Dialogs;
class Prompt;
class Report;
namespace db {
class Connection;
}

// The one way to print: prepare a template as the active report, then show it. A failure of
// the engine (a template that cannot be read, a table that cannot be moved, a failed query) is
// told in its own words, and the report is not shown.
class ReportRunner {
public:
    ReportRunner(Prompt& prompt, Dialogs& dialogs, Clock& clock);
    ~ReportRunner();

    // The session's connection and the hospital's two texts that every main report receives.
    void setSession(db::Connection* connection, const QString& company, const QString& address1);

    bool PrepareReport(const QString& path, const QStringList& values = {});
    bool PrepareSubreport(const QString& name, const QStringList& values = {});
    bool PrepareReportOnDatabase(const QString& path, const QString& database,
                                 const QStringList& values = {});
    // Runs the viewer as a dialog and releases the active report when it closes.
    void ShowReport(bool showGroupTree = false,
                    const QString& caption = QStringLiteral("VIEW REPORT"),
                    bool directPrint = false);

    Report* ActiveReport() const { return active_.get(); }
    void releaseReport();

    // The active report filled with its data, after asking for the fields without a value.
    // Empty when the user cancelled the question or the engine failed (already told).
    std::optional<RenderedReport> fill();
    // Fills the active report now, for a caller whose data is only valid inside its own
    // transaction; the next ShowReport shows this filling. False when it failed (already told).
    bool fillNow();
    // Writes the active report to a PDF file without a viewer; the page count, 0 on failure.
    int exportPdf(const QString& path);

private:
    bool prepare(const QString& path, const QString& database, const QStringList& values);
    bool askMissingValues();
    void tellFailure(const QString& message);

    Prompt& prompt_;
    Dialogs& dialogs_;
    Clock& clock_;
    ReportOutput output_;
    db::Connection* connection_ = nullptr;
    QString company_;
    QString address1_;
    std::unique_ptr<Report> active_;
    std::optional<RenderedReport> filled_;
};

#pragma once

#include "RenderedReport.h"

#include <QDateTime>

class Report;
namespace db {
class Connection;
}

// Fills a report: runs its queries on the connection and writes its markup out as HTML. Every
// parameter must have its value. Throws ReportError (a failed query carries its statement).
class ReportRenderer {
public:
    static RenderedReport render(const Report& report, db::Connection& connection,
                                 const QDateTime& printed);
    // A query's statement with its tables' current locations and its parameter values quoted.
    static QString statement(const Report& report, const QString& query);
};

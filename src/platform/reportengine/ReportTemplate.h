#pragma once

#include "Markup.h"

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QString>

// One data query of a template: the tables (or procedures) it reads, each under an alias that
// its SQL writes as {alias}, and the SQL in the department's T-SQL subset.
struct ReportQuery {
    struct Table {
        QString alias;
        QString location; // "Database.owner.name" or "Database..name"
    };
    QString name;
    QList<Table> tables;
    QString sql;
};

struct ReportParameter {
    QString name;
    QString prompt;
};

struct ReportSubreportRef {
    QString name;
    QString file; // beside the template
};

// A template file as read: page, parameters in order, queries, sub-reports and the three
// markup parts. Immutable once loaded.
class ReportTemplate {
public:
    // Reads and checks a template; throws ReportError naming the file and the fault.
    static ReportTemplate load(const QString& path);
    static ReportTemplate parse(const QString& text, const QString& path);

    QString path;
    QString title;
    QPageLayout pageLayout;
    QString font;        // CSS font-family of the whole report
    double fontSize = 9; // points
    QString styleSheet;  // CSS for header, body and footer alike
    QList<ReportParameter> parameters;
    QList<ReportQuery> queries;
    QList<ReportSubreportRef> subreports;
    markup::Nodes header;
    markup::Nodes body;
    markup::Nodes footer;

    const ReportQuery* query(const QString& name) const;
    int parameterIndex(const QString& name) const;

    // A file name as the department's code gives it, found whatever its letter case.
    static QString resolve(const QString& path);
};

#pragma once

#include "ReportTemplate.h"

#include <QStringList>
#include <map>
#include <memory>
#include <optional>

// An opened template with what the program hands it: company texts, parameter values and the
// current location of every table. Sub-reports are opened with it.
class Report {
public:
    // Opens the template and its sub-reports; throws ReportError.
    explicit Report(const QString& path, int nesting = 0);

    const ReportTemplate& layout() const { return template_; }

    void setCompanyTexts(const QString& company, const QString& address1);
    const QString& company() const { return company_; }
    const QString& address1() const { return address1_; }

    // Value i goes to the i-th parameter field; values beyond the fields are ignored and fields
    // beyond the values keep no value.
    void setParameterValues(const QStringList& values);
    void setParameterValue(int index, const QString& value);
    const std::optional<QString>& parameterValue(int index) const { return values_.at(index); }
    QList<int> missingParameters() const;

    // Every table to `database` followed by its old location from the first "."; a location
    // without "." cannot be moved and throws ReportError naming it.
    void moveTables(const QString& database);
    // The location a query's table alias reads now.
    QString location(const QString& query, const QString& alias) const;

    Report& subreport(const QString& name);
    const Report* findSubreport(const QString& name) const;
    QList<Report*> subreports() const;

private:
    ReportTemplate template_;
    QString company_;
    QString address1_;
    QList<std::optional<QString>> values_;
    std::map<QString, QString> locations_; // "query/alias" in lower case -> location
    std::map<QString, std::unique_ptr<Report>> subreports_; // lower-case name
};

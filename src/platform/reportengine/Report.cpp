#include "Report.h"

#include "ReportError.h"

#include <QFileInfo>

namespace {

QString tableKey(const QString& query, const QString& alias)
{
    return (query + QLatin1Char('/') + alias).toLower();
}

} // namespace

Report::Report(const QString& path, int nesting)
    : template_(ReportTemplate::load(path))
{
    // A sub-report that names its parent again would open forever.
    if (nesting > 3)
        throw ReportError(QStringLiteral("The sub-reports of %1 are nested too deeply.")
                              .arg(QFileInfo(template_.path).fileName()));
    values_.resize(template_.parameters.size());
    for (const ReportQuery& query : template_.queries)
        for (const ReportQuery::Table& table : query.tables)
            locations_[tableKey(query.name, table.alias)] = table.location;
    const QString folder = QFileInfo(template_.path).path();
    for (const ReportSubreportRef& ref : template_.subreports)
        subreports_[ref.name.toLower()] =
            std::make_unique<Report>(folder + QLatin1Char('/') + ref.file, nesting + 1);
}

void Report::setCompanyTexts(const QString& company, const QString& address1)
{
    company_ = company;
    address1_ = address1;
}

void Report::setParameterValues(const QStringList& values)
{
    for (int i = 0; i < values.size() && i < values_.size(); ++i)
        values_[i] = values[i];
}

void Report::setParameterValue(int index, const QString& value)
{
    values_[index] = value;
}

QList<int> Report::missingParameters() const
{
    QList<int> missing;
    for (int i = 0; i < values_.size(); ++i)
        if (!values_[i])
            missing.append(i);
    return missing;
}

void Report::moveTables(const QString& database)
{
    // Checked first, so that a failure leaves every table where it was.
    for (const auto& [key, location] : locations_)
        if (!location.contains(QLatin1Char('.')))
            throw ReportError(
                QStringLiteral("The table location \"%1\" of the report %2 names no database, so "
                               "it cannot be moved to the database %3.")
                    .arg(location, QFileInfo(template_.path).fileName(), database));
    for (auto& [key, location] : locations_)
        location = database + location.mid(location.indexOf(QLatin1Char('.')));
}

QString Report::location(const QString& query, const QString& alias) const
{
    const auto found = locations_.find(tableKey(query, alias));
    return found == locations_.end() ? QString() : found->second;
}

Report& Report::subreport(const QString& name)
{
    const auto found = subreports_.find(name.toLower());
    if (found == subreports_.end())
        throw ReportError(QStringLiteral("The report %1 has no sub-report named %2.")
                              .arg(QFileInfo(template_.path).fileName(), name));
    return *found->second;
}

const Report* Report::findSubreport(const QString& name) const
{
    const auto found = subreports_.find(name.toLower());
    return found == subreports_.end() ? nullptr : found->second.get();
}

QList<Report*> Report::subreports() const
{
    QList<Report*> list;
    for (const auto& [name, report] : subreports_)
        list.append(report.get());
    return list;
}

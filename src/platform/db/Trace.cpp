#include "Trace.h"

#include <QDateTime>

namespace db {

void Trace::record(const QString& statement, const QString& error)
{
    if (entries_.size() >= memoryLimit)
        entries_.remove(0, memoryLimit / 2);
    entries_.append({statement, error});
    if (!file_.isOpen())
        return;
    const QString when = QDateTime::currentDateTime().toString(Qt::ISODateWithMs);
    const QString outcome =
        error.isEmpty() ? QStringLiteral("ok") : QStringLiteral("error: ") + error;
    file_.write(
        (when + QLatin1Char('\t') + statement + QLatin1Char('\t') + outcome + QLatin1Char('\n'))
            .toUtf8());
    file_.flush();
}

QStringList Trace::statements() const
{
    QStringList list;
    list.reserve(entries_.size());
    for (const TraceEntry& entry : entries_)
        list.append(entry.statement);
    return list;
}

bool Trace::setFile(const QString& path)
{
    file_.close();
    if (path.isEmpty())
        return true;
    file_.setFileName(path);
    return file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

} // namespace db

#include "ConnectionString.h"

namespace db {

QList<QPair<QString, QString>> ConnectionString::parts(const QString& text)
{
    QList<QPair<QString, QString>> parts;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const qsizetype equals = text.indexOf(QLatin1Char('='), i);
        const qsizetype semicolon = text.indexOf(QLatin1Char(';'), i);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            if (semicolon < 0)
                break;
            i = semicolon + 1; // a part without '=' is skipped
            continue;
        }
        const QString key = text.mid(i, equals - i).trimmed().toLower();
        i = equals + 1;
        while (i < n && text[i].isSpace())
            ++i;
        QString value;
        if (i < n && text[i] == QLatin1Char('{')) {
            ++i;
            while (i < n) {
                if (text[i] == QLatin1Char('}')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('}')) {
                        value += QLatin1Char('}');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += text[i++];
            }
            const qsizetype end = text.indexOf(QLatin1Char(';'), i);
            i = end < 0 ? n : end + 1;
        } else {
            const qsizetype end = text.indexOf(QLatin1Char(';'), i);
            value = text.mid(i, (end < 0 ? n : end) - i).trimmed();
            i = end < 0 ? n : end + 1;
        }
        if (!key.isEmpty())
            parts.append({key, value});
    }
    return parts;
}

QString ConnectionString::part(const QString& connectionString, const QString& key)
{
    const QString wanted = key.trimmed().toLower();
    for (const auto& part : parts(connectionString))
        if (part.first == wanted)
            return part.second;
    return {};
}

} // namespace db

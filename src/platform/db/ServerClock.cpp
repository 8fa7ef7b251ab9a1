#include "ServerClock.h"

#include <QDir>
#include <QHash>
#include <QMutex>

namespace db {

std::shared_ptr<ServerClock> ServerClock::forFolder(const QString& folder)
{
    static QHash<QString, std::weak_ptr<ServerClock>> clocks;
    static QMutex mutex;
    const QMutexLocker lock(&mutex);
    const QString key = QDir(folder).canonicalPath();
    std::shared_ptr<ServerClock> clock = clocks.value(key).lock();
    if (!clock) {
        clock = std::make_shared<ServerClock>();
        clocks.insert(key, clock);
    }
    return clock;
}

QDateTime ServerClock::now() const
{
    return fixed_.isValid() ? fixed_ : QDateTime::currentDateTime();
}

} // namespace db

#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

namespace db {

// The clock of the embedded database engine: what getdate() answers. One per data folder, so
// every connection on that folder reads the same server time. Tests fix it.
class ServerClock {
public:
    static std::shared_ptr<ServerClock> forFolder(const QString& folder);

    QDateTime now() const;
    void setFixed(const QDateTime& moment) { fixed_ = moment; }
    void useSystemTime() { fixed_ = {}; }

private:
    QDateTime fixed_;
};

} // namespace db

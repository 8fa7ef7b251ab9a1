#pragma once

#include <QDateTime>

// The workstation's clock. Tests fix it.
class Clock {
public:
    QDateTime now() const { return fixed_.isValid() ? fixed_ : QDateTime::currentDateTime(); }
    void setFixed(const QDateTime& moment) { fixed_ = moment; }

private:
    QDateTime fixed_;
};

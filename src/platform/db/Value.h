#pragma once

#include <QDateTime>
#include <QVariant>

namespace db {

// One field of a row. A null reads as empty text, zero or an invalid date.
class Value {
public:
    Value() = default;
    explicit Value(QVariant value);

    bool isNull() const;
    // Date-times read as "mm/dd/yyyy hh:mm:ss AMPM", the form every date-time is sent in.
    QString toString() const;
    double toDouble() const;
    int toInt() const;
    qlonglong toLongLong() const;
    QDateTime toDateTime() const;
    const QVariant& variant() const { return value_; }

private:
    QVariant value_;
};

} // namespace db

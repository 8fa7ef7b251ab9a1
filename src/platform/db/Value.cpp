#include "Value.h"

#include "Sql.h"

#include <cmath>

namespace db {

namespace {

// The embedded database keeps date-times as text in exactly this stored form.
bool looksStoredDateTime(const QString& text)
{
    static const QString pattern = QStringLiteral("dddd-dd-dd dd:dd:dd.ddd");
    if (text.size() != pattern.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool digitWanted = pattern[i] == QLatin1Char('d');
        if (digitWanted ? !text[i].isDigit() : text[i] != pattern[i])
            return false;
    }
    return true;
}

// "yyyy-MM-dd hh:mm:ss.zzz" as "mm/dd/yyyy hh:mm:ss AM" by moving characters: no clock or
// time-zone work for what is only a change of form.
QString storedAsSentForm(const QString& stored)
{
    const int hour = QStringView(stored).mid(11, 2).toInt();
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    const QStringView view(stored);
    QString text;
    text.reserve(22);
    text.append(view.mid(5, 2)).append(QLatin1Char('/')).append(view.mid(8, 2));
    text.append(QLatin1Char('/')).append(view.left(4)).append(QLatin1Char(' '));
    text.append(QString::number(hour12).rightJustified(2, QLatin1Char('0')));
    text.append(view.mid(13, 6)).append(hour < 12 ? QLatin1String(" AM") : QLatin1String(" PM"));
    return text;
}

} // namespace

Value::Value(QVariant value)
    : value_(std::move(value))
{}

bool Value::isNull() const
{
    return value_.isNull();
}

QString Value::toString() const
{
    if (isNull())
        return {};
    if (value_.typeId() == QMetaType::QString) {
        const QString text = value_.toString();
        return looksStoredDateTime(text) ? storedAsSentForm(text) : text;
    }
    if (value_.typeId() == QMetaType::QDateTime)
        return Sql::dateTime(value_.toDateTime());
    if (value_.typeId() == QMetaType::Double)
        return Sql::plainNumber(value_.toDouble());
    return value_.toString();
}

double Value::toDouble() const
{
    if (value_.typeId() == QMetaType::QString) {
        QString text = value_.toString().trimmed();
        text.remove(QLatin1Char(','));
        bool ok = false;
        const double number = text.toDouble(&ok);
        return ok ? number : 0.0;
    }
    return value_.toDouble();
}

int Value::toInt() const
{
    return static_cast<int>(toLongLong());
}

qlonglong Value::toLongLong() const
{
    return static_cast<qlonglong>(std::llround(toDouble()));
}

QDateTime Value::toDateTime() const
{
    if (value_.typeId() == QMetaType::QDateTime)
        return value_.toDateTime();
    if (value_.typeId() == QMetaType::QDate)
        return value_.toDate().startOfDay();
    return Sql::parseDateTime(value_.toString());
}

} // namespace db

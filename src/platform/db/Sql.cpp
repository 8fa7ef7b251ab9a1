#include "Sql.h"

#include <QRegularExpression>
#include <cmath>

namespace db {

namespace {

struct Decimal {
    bool negative = false;
    QString whole; // no leading zeros, so empty below 1
    QString fraction;
};

// Rounds the value's 15-significant-digit decimal form rather than the binary double, so that
// amounts keyed in as 2.675 round the way the user sees them.
Decimal roundDecimal(double value, int places)
{
    if (!std::isfinite(value))
        value = 0; // statement text has no literal for these

    const QString scientific = QString::number(value, 'e', 14); // [-]d.dddddddddddddde[+-]xx
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    Decimal result;
    result.negative = scientific.startsWith(QLatin1Char('-'));
    QString digits = scientific.left(e).remove(QLatin1Char('-')).remove(QLatin1Char('.'));
    qsizetype point = scientific.mid(e + 1).toInt() + 1;
    if (point < 0) {
        digits.prepend(QString(-point, QLatin1Char('0')));
        point = 0;
    }
    const qsizetype needed = point + places + 1;
    if (digits.size() < needed)
        digits.append(QString(needed - digits.size(), QLatin1Char('0')));

    const bool roundUp = digits.at(point + places) >= QLatin1Char('5');
    digits.truncate(point + places);
    if (roundUp) {
        qsizetype i = digits.size() - 1;
        for (; i >= 0 && digits.at(i) == QLatin1Char('9'); --i)
            digits[i] = QLatin1Char('0');
        if (i >= 0)
            digits[i] = QChar(digits.at(i).unicode() + 1);
        else {
            digits.prepend(QLatin1Char('1'));
            ++point;
        }
    }

    result.whole = digits.left(point);
    result.fraction = digits.mid(point);
    qsizetype firstNonZero = 0;
    while (firstNonZero < result.whole.size() && result.whole.at(firstNonZero) == QLatin1Char('0'))
        ++firstNonZero;
    result.whole.remove(0, firstNonZero);
    if (result.whole.isEmpty() && result.fraction.count(QLatin1Char('0')) == result.fraction.size())
        result.negative = false;
    return result;
}

QString grouped(const QString& whole)
{
    QString text = whole;
    for (qsizetype i = text.size() - 3; i > 0; i -= 3)
        text.insert(i, QLatin1Char(','));
    return text;
}

enum class Grouping { None, Commas };
enum class LeadingZero { Dropped, Kept };

QString twoPlaces(double value, Grouping grouping, LeadingZero leadingZero)
{
    const Decimal d = roundDecimal(value, 2);
    QString whole = grouping == Grouping::Commas ? grouped(d.whole) : d.whole;
    if (whole.isEmpty() && leadingZero == LeadingZero::Kept)
        whole = QStringLiteral("0");
    return (d.negative ? QStringLiteral("-") : QString()) + whole + QLatin1Char('.') + d.fraction;
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString slashedDate(const QDate& date)
{
    return QStringLiteral("%1/%2/%3")
        .arg(twoDigits(date.month()), twoDigits(date.day()))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString clock24(const QTime& time, bool seconds)
{
    QString text = twoDigits(time.hour()) + QLatin1Char(':') + twoDigits(time.minute());
    if (seconds)
        text += QLatin1Char(':') + twoDigits(time.second());
    return text;
}

int number(const QRegularExpressionMatch& match, int group)
{
    return match.captured(group).toInt();
}

QDateTime parseSlashed(const QRegularExpressionMatch& match)
{
    const QDate date(number(match, 3), number(match, 1), number(match, 2));
    if (!date.isValid())
        return {};
    if (!match.hasCaptured(4))
        return QDateTime(date, QTime(0, 0));

    int hour = number(match, 4);
    if (match.hasCaptured(7)) {
        if (hour < 1 || hour > 12)
            return {};
        const bool pm = match.captured(7).startsWith(QLatin1Char('P'), Qt::CaseInsensitive);
        hour = hour % 12 + (pm ? 12 : 0);
    }
    const QTime time(hour, number(match, 5), match.hasCaptured(6) ? number(match, 6) : 0);
    return time.isValid() ? QDateTime(date, time) : QDateTime();
}

QDateTime parseIso(const QRegularExpressionMatch& match)
{
    const QDate date(number(match, 1), number(match, 2), number(match, 3));
    if (!date.isValid())
        return {};
    if (!match.hasCaptured(4))
        return QDateTime(date, QTime(0, 0));

    // A fraction of a second: ".5" is 500 ms.
    const int ms = match.captured(7).leftJustified(3, QLatin1Char('0')).toInt();
    const QTime time(number(match, 4), number(match, 5), number(match, 6), ms);
    return time.isValid() ? QDateTime(date, time) : QDateTime();
}

} // namespace

QString Sql::quote(const QString& value)
{
    QString text = value;
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QLatin1String("''")) +
           QLatin1Char('\'');
}

QString Sql::quoteList(const QStringList& values, const QString& separator)
{
    QStringList quoted;
    quoted.reserve(values.size());
    for (const QString& value : values)
        quoted.append(quote(value));
    return quoted.join(separator);
}

QString Sql::twoDecimals(double value)
{
    return twoPlaces(value, Grouping::None, LeadingZero::Kept);
}

QString Sql::groupedTwoDecimals(double value)
{
    return twoPlaces(value, Grouping::Commas, LeadingZero::Kept);
}

QString Sql::twoDecimalsNoLeadingZero(double value)
{
    return twoPlaces(value, Grouping::None, LeadingZero::Dropped);
}

QString Sql::groupedTwoDecimalsNoLeadingZero(double value)
{
    return twoPlaces(value, Grouping::Commas, LeadingZero::Dropped);
}

QString Sql::plainNumber(double value)
{
    Decimal d = roundDecimal(value, 4);
    while (d.fraction.endsWith(QLatin1Char('0')))
        d.fraction.chop(1);
    QString text = d.negative ? QStringLiteral("-") : QString();
    text += d.whole.isEmpty() ? QStringLiteral("0") : d.whole;
    if (!d.fraction.isEmpty())
        text += QLatin1Char('.') + d.fraction;
    return text;
}

double Sql::roundMoney(double value)
{
    return twoDecimals(value).toDouble();
}

QString Sql::date(const QDate& date)
{
    return date.isValid() ? slashedDate(date) : QString();
}

QString Sql::dateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return {};
    // Built by hand: the locale's AM/PM text differs between workstations.
    const QTime time = dateTime.time();
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return slashedDate(dateTime.date()) + QLatin1Char(' ') + twoDigits(hour12) + QLatin1Char(':') +
           twoDigits(time.minute()) + QLatin1Char(':') + twoDigits(time.second()) +
           (time.hour() < 12 ? QLatin1String(" AM") : QLatin1String(" PM"));
}

QString Sql::yearFirstDate(const QDate& date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1/%2/%3")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(twoDigits(date.month()), twoDigits(date.day()));
}

QString Sql::time24(const QDateTime& dateTime)
{
    return dateTime.isValid() ? clock24(dateTime.time(), true) : QString();
}

QString Sql::dateTime24(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return {};
    return slashedDate(dateTime.date()) + QLatin1Char(' ') + clock24(dateTime.time(), false);
}

QString Sql::storedDateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return {};
    const QDate date = dateTime.date();
    return QStringLiteral("%1-%2-%3 %4.%5")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(twoDigits(date.month()), twoDigits(date.day()), clock24(dateTime.time(), true))
        .arg(dateTime.time().msec(), 3, 10, QLatin1Char('0'));
}

QDateTime Sql::parseDateTime(const QString& text)
{
    static const QRegularExpression slashed(
        QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{4})"
                       "(?: ([0-9]{1,2}):([0-9]{2})(?::([0-9]{2}) ([AaPp][Mm]))?)?$"));
    static const QRegularExpression iso(
        QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})"
                       "(?:[ T]([0-9]{2}):([0-9]{2}):([0-9]{2})(?:\\.([0-9]{1,3}))?)?$"));

    // Fixed-width text columns come back padded with spaces.
    const QString trimmed = text.trimmed();
    if (const QRegularExpressionMatch match = slashed.match(trimmed); match.hasMatch())
        return parseSlashed(match);
    if (const QRegularExpressionMatch match = iso.match(trimmed); match.hasMatch())
        return parseIso(match);
    return {};
}

} // namespace db

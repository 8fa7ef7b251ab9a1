#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace db {

// The only way values enter statement text. Every format is fixed and independent of the
// system locale, so a statement reads the same on every workstation.
class Sql {
public:
    // 'value' with each apostrophe doubled; a null string gives ''.
    static QString quote(const QString& value);
    // Each value quoted, joined by the separator: 'a','b' or 'a', 'b'.
    static QString quoteList(const QStringList& values,
                             const QString& separator = QStringLiteral(","));

    // Numbers round half away from zero by their decimal value (2.675 gives 2.68 although the
    // double is slightly below it); a negative value that rounds to zero prints without a sign.

    // "0.00" and "######0.00": 1500 -> 1500.00, 0 -> 0.00.
    static QString twoDecimals(double value);
    // "###,##0.00": 1234.5 -> 1,234.50, 0 -> 0.00.
    static QString groupedTwoDecimals(double value);
    // "#####.00": 1500 -> 1500.00, 0.5 -> .50, 0 -> .00.
    static QString twoDecimalsNoLeadingZero(double value);
    // "##,###.00": 1234.5 -> 1,234.50, 0.25 -> .25, 0 -> .00.
    static QString groupedTwoDecimalsNoLeadingZero(double value);
    // Up to four decimals like the server's money type, trailing zeros and point dropped:
    // 1500 -> 1500, 150.5 -> 150.5.
    static QString plainNumber(double value);
    // To cents, by the same rule as the formats above.
    static double roundMoney(double value);

    // A null or invalid date gives empty text.

    // "mm/dd/yyyy".
    static QString date(const QDate& date);
    // "mm/dd/yyyy hh:mm:ss AM": the form every date-time is sent in.
    static QString dateTime(const QDateTime& dateTime);
    // "yyyy/mm/dd".
    static QString yearFirstDate(const QDate& date);
    // "hh:mm:ss", 24-hour clock.
    static QString time24(const QDateTime& dateTime);
    // "mm/dd/yyyy hh:mm", 24-hour clock.
    static QString dateTime24(const QDateTime& dateTime);
    // "yyyy-mm-dd hh:mm:ss.zzz": how date-times are stored.
    static QString storedDateTime(const QDateTime& dateTime);

    // Local time from "m/d/yyyy", "m/d/yyyy h:mm:ss AM", "m/d/yyyy h:mm" (24-hour),
    // "yyyy-mm-dd", or "yyyy-mm-dd hh:mm:ss[.zzz]" with a space or 'T' before the time.
    // Month, day and hour may have one or two digits in the slashed forms. Anything else,
    // including impossible dates, gives an invalid QDateTime.
    static QDateTime parseDateTime(const QString& text);
};

} // namespace db

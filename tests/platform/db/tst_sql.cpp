#include "db/Sql.h"

#include <QLocale>
#include <QTest>
#include <cmath>
#include <functional>

using db::Sql;

class TestSql : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void quote_data();
    void quote();
    void numbers_data();
    void numbers();
    void roundMoney_data();
    void roundMoney();
    void dates_data();
    void dates();
    void parseDateTime_data();
    void parseDateTime();
    void roundTrip_data();
    void roundTrip();
};

void TestSql::initTestCase()
{
    // Digits, separators and AM/PM text all differ here; none of them may reach a statement.
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
}

void TestSql::quote_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "SMITH"
                           << "'SMITH'";
    QTest::newRow("apostrophe") << "O'BRIEN"
                                << "'O''BRIEN'";
    QTest::newRow("several apostrophes") << "'a''b'"
                                         << "'''a''''b'''";
    QTest::newRow("injection") << "'; DELETE FROM x--"
                               << "'''; DELETE FROM x--'";
    QTest::newRow("empty") << ""
                           << "''";
    QTest::newRow("null") << QString() << "''";
    QTest::newRow("non-Latin") << "ÑOÑO 李"
                               << "'ÑOÑO 李'";
}

void TestSql::quote()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(Sql::quote(value), expected);
}

void TestSql::numbers_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* format, double value, const char* expected) {
        QTest::addRow("%s %.15g", format, value) << format << value << expected;
    };

    row("#####.00", 1500, "1500.00");
    row("#####.00", 0, ".00");
    row("#####.00", 0.5, ".50");
    row("#####.00", -0.5, "-.50");
    row("#####.00", 0.125, ".13");
    row("#####.00", 0.995, "1.00");
    row("#####.00", 2.675, "2.68");
    row("#####.00", -0.004, ".00");
    row("#####.00", 1234567.891, "1234567.89");

    row("##,###.00", 0, ".00");
    row("##,###.00", 0.25, ".25");
    row("##,###.00", 1234.5, "1,234.50");
    row("##,###.00", 999.999, "1,000.00");
    row("##,###.00", -1234.5, "-1,234.50");
    row("##,###.00", 123456, "123,456.00");

    row("###,##0.00", 0, "0.00");
    row("###,##0.00", 0.25, "0.25");
    row("###,##0.00", 1234567.891, "1,234,567.89");
    row("###,##0.00", -1234567.891, "-1,234,567.89");
    row("###,##0.00", 999999.995, "1,000,000.00");
    row("###,##0.00", 100, "100.00");
    row("###,##0.00", -0.001, "0.00");

    row("0.00", 0, "0.00");
    row("0.00", 1500, "1500.00");
    row("0.00", 2.675, "2.68");
    row("0.00", -2.675, "-2.68");
    row("0.00", 1.005, "1.01");
    row("0.00", 1.0049, "1.00");
    row("0.00", -0.5, "-0.50");
    row("0.00", -0.004, "0.00");
    row("0.00", 0.1 + 0.2, "0.30");
    row("0.00", 123456789012.345, "123456789012.35");
    row("0.00", 1e-300, "0.00");

    row("plain", 1500, "1500");
    row("plain", 150.5, "150.5");
    row("plain", -1500, "-1500");
    row("plain", 0.25, "0.25");
    row("plain", 0, "0");
    row("plain", -0.0, "0");
    row("plain", 12.3456, "12.3456");
    row("plain", 1.00005, "1.0001");
    row("plain", -0.00004, "0");
    row("plain", 0.1 + 0.2, "0.3");
    row("plain", 1e15, "1000000000000000");
}

void TestSql::numbers()
{
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, expected);

    const QHash<QString, std::function<QString(double)>> formats{
        {"#####.00", Sql::twoDecimalsNoLeadingZero},
        {"##,###.00", Sql::groupedTwoDecimalsNoLeadingZero},
        {"###,##0.00", Sql::groupedTwoDecimals},
        {"0.00", Sql::twoDecimals},
        {"plain", Sql::plainNumber},
    };
    QCOMPARE(formats.value(format)(value), expected);
}

void TestSql::roundMoney_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("half cent below in binary") << 2.675 << 2.68;
    QTest::newRow("negative half cent") << -2.675 << -2.68;
    QTest::newRow("1.005") << 1.005 << 1.01;
    QTest::newRow("below half") << 1.0049 << 1.0;
    QTest::newRow("already cents") << 150.5 << 150.5;
    QTest::newRow("sum noise") << 0.1 + 0.2 << 0.3;
    QTest::newRow("negative to zero") << -0.004 << 0.0;
}

void TestSql::roundMoney()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    const double rounded = Sql::roundMoney(value);
    QCOMPARE(rounded, expected);
    QCOMPARE(std::signbit(rounded), std::signbit(expected));
}

void TestSql::dates_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QDateTime>("value");
    QTest::addColumn<QString>("expected");

    const QDateTime evening(QDate(2026, 12, 1), QTime(19, 5, 9, 42));
    const QDateTime midnight(QDate(2026, 1, 2), QTime(0, 0, 7));
    const QDateTime noon(QDate(2026, 1, 2), QTime(12, 30, 0));
    const QDateTime morning(QDate(2026, 3, 4), QTime(9, 8, 7, 6));

    QTest::newRow("date") << "date" << evening << "12/01/2026";
    QTest::newRow("date padded") << "date" << morning << "03/04/2026";
    QTest::newRow("date null") << "date" << QDateTime() << "";

    QTest::newRow("dateTime evening") << "dateTime" << evening << "12/01/2026 07:05:09 PM";
    QTest::newRow("dateTime midnight") << "dateTime" << midnight << "01/02/2026 12:00:07 AM";
    QTest::newRow("dateTime noon") << "dateTime" << noon << "01/02/2026 12:30:00 PM";
    QTest::newRow("dateTime morning") << "dateTime" << morning << "03/04/2026 09:08:07 AM";
    QTest::newRow("dateTime before midnight")
        << "dateTime" << QDateTime(QDate(2026, 1, 2), QTime(23, 59, 59))
        << "01/02/2026 11:59:59 PM";
    QTest::newRow("dateTime null") << "dateTime" << QDateTime() << "";

    QTest::newRow("yearFirstDate") << "yearFirstDate" << morning << "2026/03/04";
    QTest::newRow("yearFirstDate null") << "yearFirstDate" << QDateTime() << "";

    QTest::newRow("time24 evening") << "time24" << evening << "19:05:09";
    QTest::newRow("time24 midnight") << "time24" << midnight << "00:00:07";
    QTest::newRow("time24 null") << "time24" << QDateTime() << "";

    QTest::newRow("dateTime24 evening") << "dateTime24" << evening << "12/01/2026 19:05";
    QTest::newRow("dateTime24 midnight") << "dateTime24" << midnight << "01/02/2026 00:00";
    QTest::newRow("dateTime24 null") << "dateTime24" << QDateTime() << "";

    QTest::newRow("stored") << "storedDateTime" << morning << "2026-03-04 09:08:07.006";
    QTest::newRow("stored midnight") << "storedDateTime" << midnight << "2026-01-02 00:00:07.000";
    QTest::newRow("stored null") << "storedDateTime" << QDateTime() << "";
}

void TestSql::dates()
{
    QFETCH(QString, format);
    QFETCH(QDateTime, value);
    QFETCH(QString, expected);

    const QHash<QString, std::function<QString(const QDateTime&)>> formats{
        {"date", [](const QDateTime& v) { return Sql::date(v.date()); }},
        {"dateTime", Sql::dateTime},
        {"yearFirstDate", [](const QDateTime& v) { return Sql::yearFirstDate(v.date()); }},
        {"time24", Sql::time24},
        {"dateTime24", Sql::dateTime24},
        {"storedDateTime", Sql::storedDateTime},
    };
    QCOMPARE(formats.value(format)(value), expected);
}

void TestSql::parseDateTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored"); // empty when the text must be rejected

    QTest::newRow("mm/dd/yyyy") << "12/01/2026"
                                << "2026-12-01 00:00:00.000";
    QTest::newRow("m/d/yyyy") << "3/4/2026"
                              << "2026-03-04 00:00:00.000";
    QTest::newRow("PM") << "12/01/2026 07:05:09 PM"
                        << "2026-12-01 19:05:09.000";
    QTest::newRow("short PM") << "3/4/2026 7:05:09 PM"
                              << "2026-03-04 19:05:09.000";
    QTest::newRow("midnight AM") << "01/02/2026 12:00:07 AM"
                                 << "2026-01-02 00:00:07.000";
    QTest::newRow("noon PM") << "01/02/2026 12:30:00 PM"
                             << "2026-01-02 12:30:00.000";
    QTest::newRow("morning AM") << "01/02/2026 09:08:07 AM"
                                << "2026-01-02 09:08:07.000";
    QTest::newRow("lower-case pm") << "01/02/2026 09:08:07 pm"
                                   << "2026-01-02 21:08:07.000";
    QTest::newRow("24-hour") << "12/01/2026 19:05"
                             << "2026-12-01 19:05:00.000";
    QTest::newRow("iso date") << "2026-12-01"
                              << "2026-12-01 00:00:00.000";
    QTest::newRow("iso seconds") << "2026-12-01 19:05:09"
                                 << "2026-12-01 19:05:09.000";
    QTest::newRow("iso ms") << "2026-12-01 19:05:09.042"
                            << "2026-12-01 19:05:09.042";
    QTest::newRow("iso short fraction") << "2026-12-01 19:05:09.5"
                                        << "2026-12-01 19:05:09.500";
    QTest::newRow("iso T") << "2026-12-01T19:05:09"
                           << "2026-12-01 19:05:09.000";
    QTest::newRow("iso T ms") << "2026-12-01T19:05:09.042"
                              << "2026-12-01 19:05:09.042";
    QTest::newRow("leap day") << "02/29/2028"
                              << "2028-02-29 00:00:00.000";
    QTest::newRow("padded") << "  12/01/2026  "
                            << "2026-12-01 00:00:00.000";

    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blank") << "   "
                           << "";
    QTest::newRow("word") << "today"
                          << "";
    QTest::newRow("february 30") << "02/30/2026"
                                 << "";
    QTest::newRow("not a leap year") << "02/29/2027"
                                     << "";
    QTest::newRow("month 13") << "13/01/2026"
                              << "";
    QTest::newRow("iso february 30") << "2026-02-30"
                                     << "";
    QTest::newRow("hour 13 PM") << "01/02/2026 13:00:00 PM"
                                << "";
    QTest::newRow("hour 0 AM") << "01/02/2026 00:30:00 AM"
                               << "";
    QTest::newRow("24-hour 24:00") << "01/02/2026 24:00"
                                   << "";
    QTest::newRow("minute 60") << "01/02/2026 10:60"
                               << "";
    QTest::newRow("seconds without AM/PM") << "01/02/2026 10:20:30"
                                           << "";
    QTest::newRow("AM/PM without seconds") << "01/02/2026 10:20 AM"
                                           << "";
    QTest::newRow("two-digit year") << "01/02/26"
                                    << "";
    QTest::newRow("dashed US") << "01-02-2026"
                               << "";
    QTest::newRow("iso one-digit month") << "2026-1-02"
                                         << "";
    QTest::newRow("iso minutes only") << "2026-12-01 19:05"
                                      << "";
    QTest::newRow("iso four-digit fraction") << "2026-12-01 19:05:09.0421"
                                             << "";
    QTest::newRow("trailing text") << "12/01/2026 x"
                                   << "";
    QTest::newRow("non-ASCII digits") << "١٢/٠١/٢٠٢٦"
                                      << "";
}

void TestSql::parseDateTime()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    const QDateTime parsed = Sql::parseDateTime(text);
    QCOMPARE(parsed.isValid(), !stored.isEmpty());
    QCOMPARE(Sql::storedDateTime(parsed), stored);
}

void TestSql::roundTrip_data()
{
    QTest::addColumn<QDateTime>("value");

    QTest::newRow("midnight") << QDateTime(QDate(2026, 1, 2), QTime(0, 0));
    QTest::newRow("noon") << QDateTime(QDate(2026, 1, 2), QTime(12, 0, 1));
    QTest::newRow("evening") << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59));
    QTest::newRow("leap day") << QDateTime(QDate(2028, 2, 29), QTime(6, 7, 8));
}

void TestSql::roundTrip()
{
    QFETCH(QDateTime, value);
    QCOMPARE(Sql::parseDateTime(Sql::dateTime(value)), value);

    const QDateTime withMs = value.addMSecs(123);
    QCOMPARE(Sql::parseDateTime(Sql::storedDateTime(withMs)), withMs);
}

QTEST_GUILESS_MAIN(TestSql)
#include "tst_sql.moc"

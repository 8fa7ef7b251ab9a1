#include "db/ConnectionString.h"

#include <QtTest>

// Connection strings as ODBC writes them, braces and all.
class TestConnectionString : public QObject {
    Q_OBJECT

private slots:
    void parts_data();
    void parts();
};

void TestConnectionString::parts_data()
{
    QTest::addColumn<QString>("connectionString");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const QString odbc = QStringLiteral(
        "Driver={ODBC Driver 18 for SQL Server};Server=tcp:db01,1433; uid = sa ;PWD={a;b}}c};"
        "TrustServerCertificate=yes");
    QTest::newRow("braced driver") << odbc << "Driver"
                                   << "ODBC Driver 18 for SQL Server";
    QTest::newRow("server") << odbc << "Server"
                            << "tcp:db01,1433";
    QTest::newRow("key case and blanks") << odbc << "UID"
                                         << "sa";
    QTest::newRow("braced password") << odbc << "pwd"
                                     << "a;b}c";
    QTest::newRow("last part") << odbc << "TrustServerCertificate"
                               << "yes";
    QTest::newRow("absent") << odbc << "Database"
                            << "";
    QTest::newRow("empty string") << ""
                                  << "Server"
                                  << "";
    QTest::newRow("part without =") << "junk;Server=x"
                                    << "Server"
                                    << "x";
}

void TestConnectionString::parts()
{
    QFETCH(QString, connectionString);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QCOMPARE(db::ConnectionString::part(connectionString, key), value);
}

QTEST_GUILESS_MAIN(TestConnectionString)
#include "tst_connectionstring.moc"

#include "PasswordHash.h"

#include <QtTest>

// Stored password hashes: the key derivation against published vectors, and checks that only
// the right password and a well-formed hash pass.
class TestPasswordHash : public QObject {
    Q_OBJECT

private slots:
    void derivesPublishedKeys_data();
    void derivesPublishedKeys();
    void matches_data();
    void matches();
};

void TestPasswordHash::derivesPublishedKeys_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("salt");
    QTest::addColumn<int>("iterations");
    QTest::addColumn<QString>("key");
    QTest::newRow("one iteration") << "passwd" << QByteArray("salt") << 1
                                   << "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc";
    QTest::newRow("80,000 iterations")
        << "Password" << QByteArray("NaCl") << 80000
        << "4ddcd8f60b98be21830cee5ef22701f9641a4418d04c0414aeff08876b34ab56";
}

void TestPasswordHash::derivesPublishedKeys()
{
    QFETCH(QString, password);
    QFETCH(QByteArray, salt);
    QFETCH(int, iterations);
    QFETCH(QString, key);
    QCOMPARE(PasswordHash::make(password, salt, iterations).section('$', 3), key);
}

void TestPasswordHash::matches_data()
{
    const QString stored = PasswordHash::make("demo", "0123456789abcdef", 1000);
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("matches");
    QTest::newRow("right password") << "demo" << stored << true;
    QTest::newRow("letter case") << "Demo" << stored << false;
    QTest::newRow("empty") << "" << stored << false;
    QTest::newRow("the hash text itself") << stored << stored << false;
    QTest::newRow("other scheme") << "demo" << QString(stored).replace("sha256", "md5") << false;
    QTest::newRow("no iterations") << "demo" << QString(stored).replace("$1000$", "$0$") << false;
    QTest::newRow("missing part") << "demo" << stored.section('$', 0, 2) << false;
    QTest::newRow("plain text") << "demo" << "demo" << false;
}

void TestPasswordHash::matches()
{
    QFETCH(QString, password);
    QFETCH(QString, stored);
    QFETCH(bool, matches);
    QCOMPARE(PasswordHash::matches(password, stored), matches);
}

QTEST_GUILESS_MAIN(TestPasswordHash)
#include "tst_passwordhash.moc"

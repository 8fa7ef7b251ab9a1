#include "KeyPress.h"

#include <QLineEdit>
#include <QtTest>

// Letters typed into search and code boxes arrive as capitals; nothing else is touched.
class TestKeyPress : public QObject {
    Q_OBJECT

private slots:
    void allUppers_data();
    void allUppers();
    void typedLettersBecomeCapitals_data();
    void typedLettersBecomeCapitals();
    void shortcutsStillWork();

private:
    KeyPress keys_;
};

void TestKeyPress::allUppers_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("expected");

    QTest::newRow("a") << int('a') << int('A');
    QTest::newRow("z") << int('z') << int('Z');
    QTest::newRow("capital stays") << int('Q') << int('Q');
    QTest::newRow("digit") << int('7') << int('7');
    QTest::newRow("grave accent, before a") << int('`') << int('`');
    QTest::newRow("brace, after z") << int('{') << int('{');
    QTest::newRow("space") << int(' ') << int(' ');
    QTest::newRow("n with tilde") << 0xF1 << 0xD1;
    QTest::newRow("sharp s has no single capital") << 0xDF << 0xDF;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::Key_Escape);
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::Key_Return);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(Qt::Key_Backspace);
    QTest::newRow("negative") << -1 << -1;
}

void TestKeyPress::allUppers()
{
    QFETCH(int, keyCode);
    QFETCH(int, expected);
    keys_.AllUppers(keyCode);
    QCOMPARE(keyCode, expected);
}

void TestKeyPress::typedLettersBecomeCapitals_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("name") << "dela cruz"
                          << "DELA CRUZ";
    QTest::newRow("apostrophe") << "o'brien"
                                << "O'BRIEN";
    QTest::newRow("code") << "lr01"
                          << "LR01";
    QTest::newRow("non-Latin letter") << QString::fromUtf8("biñan") << QString::fromUtf8("BIÑAN");
    QTest::newRow("capitals and digits") << "HS-02"
                                         << "HS-02";
}

void TestKeyPress::typedLettersBecomeCapitals()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QLineEdit box;
    keys_.capitalise(&box);
    for (const QChar letter : typed)
        QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    QCOMPARE(box.text(), shown);
}

void TestKeyPress::shortcutsStillWork()
{
    QLineEdit box;
    keys_.capitalise(&box);
    QTest::keyClicks(&box, "abc");
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.text(), QString("AB"));
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, "x");
    QCOMPARE(box.text(), QString("X"));
}

QTEST_MAIN(TestKeyPress)
#include "tst_keypress.moc"

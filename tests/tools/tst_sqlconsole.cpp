#include "SqlConsole.h"
#include "TestHospital.h"

#include <QtTest>

// The console as a support person uses it: one statement or a stream of them, a table or CSV,
// and a clear failure that leaves the data folder as it was.
class TestSqlConsole : public QObject {
    Q_OBJECT

private slots:
    void init();
    void runs_data();
    void runs();
    void readsStatementsFromStandardInput();
    void refusesToOverwriteAFolder_data();
    void refusesToOverwriteAFolder();

private:
    struct Outcome {
        int code;
        QString out;
        QString err;
    };
    Outcome run(const QStringList& arguments, const QString& input = {});

    std::unique_ptr<TestHospital> hospital_;
};

void TestSqlConsole::init()
{
    hospital_ = std::make_unique<TestHospital>();
}

TestSqlConsole::Outcome TestSqlConsole::run(const QStringList& arguments, const QString& input)
{
    QString inText = input;
    QString outText;
    QString errText;
    QTextStream in(&inText);
    QTextStream out(&outText);
    QTextStream err(&errText);
    SqlConsole console(in, out, err);
    const int code = console.run(arguments);
    out.flush();
    err.flush();
    return {code, outText, errText};
}

void TestSqlConsole::runs_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString select = "SELECT NoteID, Owner, Body FROM Clinical_Area..tbNote ORDER BY NoteID";
    QTest::newRow("aligned table") << QStringList{"-Q", select} << 0
                                   << "NoteID | Owner  | Body\n"
                                      "-------+--------+------\n"
                                      "1      | SANTOS | first\n"
                                      "2      | REYES  |\n"
                                      "3      | CRUZ   | third\n"
                                      "(3 rows)\n"
                                   << "";
    QTest::newRow("csv")
        << QStringList{"--csv", "-Q", "select Owner, 'a,\"b\"' as Odd from tbNote where NoteID = 1"}
        << 0 << "Owner,Odd\nSANTOS,\"a,\"\"b\"\"\"\n"
        << "";
    QTest::newRow("statement without rows")
        << QStringList{"-Q", "Update tbCounter set LastValue = 3"} << 0 << "(done)\n"
        << "";
    QTest::newRow("failing statement") << QStringList{"-Q", "select * from tbNowhere"} << 1 << ""
                                       << "no such table";
    QTest::newRow("outside the subset")
        << QStringList{"-Q", "select len(Owner) from tbNote"} << 1 << ""
        << "len(";
    QTest::newRow("unknown argument") << QStringList{"--frobnicate"} << 2 << ""
                                      << "usage:";
}

void TestSqlConsole::runs()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Outcome outcome = run(QStringList{"--data", hospital_->folder()} + arguments);
    QCOMPARE(outcome.code, code);
    if (!out.isEmpty() || code != 0)
        QCOMPARE(outcome.out, out);
    QVERIFY2(outcome.err.contains(err), qPrintable(outcome.err));
}

void TestSqlConsole::readsStatementsFromStandardInput()
{
    const Outcome outcome = run({"--data", hospital_->folder(), "--csv"},
                                "Update tbCounter set LastValue = 7\n\n"
                                "select LastValue from Clinical_Area..tbCounter\n"
                                "select * from tbBroken\n"
                                "select 'never reached' as X\n");
    QCOMPARE(outcome.code, 1);
    QCOMPARE(outcome.out, QString("LastValue\n7\n"));
    QVERIFY(outcome.err.contains("Statement: select * from tbBroken"));
}

void TestSqlConsole::refusesToOverwriteAFolder_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("err");
    QTest::newRow("existing hospital") << QStringList{"--create"} << "--reset";
    QTest::newRow("unknown size") << QStringList{"--create", "--size", "huge", "--reset"}
                                  << "--size";
}

void TestSqlConsole::refusesToOverwriteAFolder()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, err);
    const Outcome outcome = run(QStringList{"--data", hospital_->folder()} + arguments);
    QVERIFY(outcome.code != 0);
    QVERIFY2(outcome.err.contains(err), qPrintable(outcome.err));
    QCOMPARE(
        run({"--data", hospital_->folder(), "--csv", "-Q", "select count(*) as N from tbNote"}).out,
        QString("N\n3\n"));
}

QTEST_GUILESS_MAIN(TestSqlConsole)
#include "tst_sqlconsole.moc"

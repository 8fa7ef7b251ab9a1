#include "Report.h"
#include "ReportError.h"
#include "ReportRenderer.h"
#include "ReportRunner.h"
#include "SessionFixture.h"
#include "SessionState.h"
#include "frmReportViewer.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QTreeWidget>
#include <QtTest>

// Templates written for each case, read with the demo hospital's data.
class TestReportEngine : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void orderedValues_data();
    void orderedValues();
    void tableMoves_data();
    void tableMoves();
    void unmovableLocationIsNamed();
    void templateFaults_data();
    void templateFaults();
    void groupsTotalsAndEscaping();
    void missingValueIsAsked();
    void cancelledQuestionShowsNothing();
    void viewerSettings_data();
    void viewerSettings();
    void failedQueryIsTold();
    void pdfHasEveryPage();
    void noPrinterOffersPdf();

private:
    QString write(const QString& name, const QString& text) const;
    QString linesTemplate(int rows = 0) const;

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<SessionFixture> fixture_;
    std::unique_ptr<ReportRunner> runner_;
};

void TestReportEngine::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    fixture_ = std::make_unique<SessionFixture>();
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    fixture_->prompt.clear();
    fixture_->clock.setFixed(QDateTime(QDate(2026, 12, 11), QTime(10, 30)));
    runner_ = std::make_unique<ReportRunner>(fixture_->prompt, fixture_->dialogs, fixture_->clock);
    runner_->setSession(fixture_->session->connection, "Velmora Medical Center", "12 Rizal Avenue");
}

void TestReportEngine::cleanup()
{
    runner_.reset();
    fixture_.reset();
    dir_.reset();
}

QString TestReportEngine::write(const QString& name, const QString& text) const
{
    QFile file(dir_->filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(text.toUtf8());
    return file.fileName();
}

// Lines of the charge slip print table, grouped by code, with totals.
QString TestReportEngine::linesTemplate(int rows) const
{
    fixture_->alter("DELETE FROM Clinical_Area.tbLaserChargeSlip");
    for (int i = 0; i < rows; ++i)
        fixture_->alter(QString("INSERT INTO Clinical_Area.tbLaserChargeSlip (Code, Examination, "
                                "Quantity, Amount) VALUES ('C%1', 'Exam %2', 1, %3)")
                            .arg(i / 40)
                            .arg(i)
                            .arg(100 + i));
    return "[report]\npage = A4\n\n[parameters]\nRef = Reference\n\n"
           "[query Lines]\ntable slip = Clinical_Area..tbLaserChargeSlip\n"
           "SELECT Code, Examination, Amount FROM {slip} ORDER BY LineID\n\n"
           "[header]\n<p>{Company} / {Address1} / {param:Ref}</p>\n"
           "[body]\n{each Lines}{group Code}<h3>{Code}</h3>{/group}"
           "<p>{Examination} {Amount|money}</p>"
           "{groupend Code}<p>Total {Code}: {sum:Amount|money} in {count}</p>{/groupend}{/each}\n"
           "<p>Grand {sum:Lines.Amount|money}</p>\n"
           "[footer]\n<p>Page {page} of {pages}</p>\n";
}

void TestReportEngine::orderedValues_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("expected"); // "-" for a field left without value
    QTest::newRow("fewer values than fields")
        << QStringList{"a", "b"} << QStringList{"a", "b", "-"};
    QTest::newRow("as many") << QStringList{"a", "b", "c"} << QStringList{"a", "b", "c"};
    QTest::newRow("more values are ignored")
        << QStringList{"a", "b", "c", "d"} << QStringList{"a", "b", "c"};
    QTest::newRow("none") << QStringList{} << QStringList{"-", "-", "-"};
}

void TestReportEngine::orderedValues()
{
    QFETCH(QStringList, values);
    QFETCH(QStringList, expected);
    const QString path = write("Three.rpt", "[parameters]\nFirst = 1\nSecond = 2\nThird = 3\n"
                                            "[body]\n{param:First}{param:Second}{param:Third}\n");
    QVERIFY(runner_->PrepareReport(path, values));
    Report* report = runner_->ActiveReport();
    QStringList got;
    for (int i = 0; i < 3; ++i)
        got.append(report->parameterValue(i).value_or("-"));
    QCOMPARE(got, expected);
    QCOMPARE(report->missingParameters().size(), expected.count("-"));
}

void TestReportEngine::tableMoves_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("mainAfterSubreport");
    QTest::addColumn<QString>("subreportMoved");
    QTest::addColumn<QString>("onDatabase");
    QTest::newRow("billing under dbo") << "Billing.dbo.tbBillDailyBill"
                                       << "Billing.dbo.tbBillDailyBill"
                                       << "CLINICAL_AREA.dbo.tbBillDailyBill"
                                       << "Clinical_Area.dbo.tbBillDailyBill";
    QTest::newRow("default owner") << "Build_File..tbcoOtherRevenue"
                                   << "Build_File..tbcoOtherRevenue"
                                   << "CLINICAL_AREA..tbcoOtherRevenue"
                                   << "Clinical_Area..tbcoOtherRevenue";
    QTest::newRow("only the first dot counts") << "Patient_Data.dbo.tbMaster.x"
                                               << "Patient_Data.dbo.tbMaster.x"
                                               << "CLINICAL_AREA.dbo.tbMaster.x"
                                               << "Clinical_Area.dbo.tbMaster.x";
}

void TestReportEngine::tableMoves()
{
    QFETCH(QString, location);
    QFETCH(QString, mainAfterSubreport);
    QFETCH(QString, subreportMoved);
    QFETCH(QString, onDatabase);
    const QString query = "[query Q]\ntable t = " + location + "\nSELECT * FROM {t}\n";
    write("Sub.rpt", query + "[body]\n{each Q}{/each}\n");
    const QString main =
        write("Main.rpt", query + "[subreport Sub.rpt]\n[body]\n{subreport Sub.rpt}\n");

    QVERIFY(runner_->PrepareReport(main));
    QVERIFY(runner_->PrepareSubreport("Sub.rpt"));
    const Report& report = *runner_->ActiveReport();
    QCOMPARE(report.location("Q", "t"), mainAfterSubreport);
    QCOMPARE(report.findSubreport("sub.rpt")->location("Q", "t"), subreportMoved);
    QCOMPARE(ReportRenderer::statement(*report.findSubreport("Sub.rpt"), "Q"),
             "SELECT * FROM " + subreportMoved);

    QVERIFY(runner_->PrepareReportOnDatabase(main, "Clinical_Area"));
    QCOMPARE(runner_->ActiveReport()->location("Q", "t"), onDatabase);
    QVERIFY(fixture_->prompt.shown().isEmpty());
}

void TestReportEngine::unmovableLocationIsNamed()
{
    const QString path = write("Bare.rpt", "[query Q]\ntable a = Billing.dbo.tbBillDailyBill\n"
                                           "table b = tbLaserMaster\nSELECT 1 FROM {a}, {b}\n"
                                           "[body]\n{each Q}{/each}\n");
    QVERIFY(runner_->PrepareReport(path));
    QCOMPARE(runner_->ActiveReport()->location("Q", "b"), "tbLaserMaster");

    QVERIFY(!runner_->PrepareReportOnDatabase(path, "Clinical_Area"));
    QVERIFY(!runner_->ActiveReport());
    QCOMPARE(fixture_->prompt.shown().size(), 1);
    const Prompt::Shown shown = fixture_->prompt.shown().first();
    QVERIFY2(shown.text.contains("\"tbLaserMaster\"") && shown.text.contains("Clinical_Area"),
             qPrintable(shown.text));
    QCOMPARE(shown.icon, QMessageBox::Critical);

    // Moving the sub-report fails the same way, and leaves its other table where it was.
    write("Sub.rpt", "[query Q]\ntable a = Billing.dbo.tbBillDailyBill\ntable b = tbX\n"
                     "SELECT 1 FROM {a}, {b}\n[body]\n");
    QVERIFY(runner_->PrepareReport(write("Main.rpt", "[subreport Sub.rpt]\n[body]\n")));
    QVERIFY(!runner_->PrepareSubreport("Sub.rpt"));
    QCOMPARE(runner_->ActiveReport()->findSubreport("Sub.rpt")->location("Q", "a"),
             "Billing.dbo.tbBillDailyBill");
}

void TestReportEngine::templateFaults_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown query") << "[body]\n{each Lines}{/each}\n"
                                   << "uses the query Lines, which it does not declare";
    QTest::newRow("unclosed section") << "[query Q]\nSELECT 1\n[body]\n{each Q}<p>\n"
                                      << "{/each} is missing";
    QTest::newRow("stray closer") << "[body]\n{/each}\n"
                                  << "{/each} without {each ...}";
    QTest::newRow("group outside each") << "[body]\n{group Code}x{/group}\n"
                                        << "{group Code} stands outside every {each}";
    QTest::newRow("unknown parameter") << "[body]\n{param:Date}\n"
                                       << "uses the parameter Date, which it does not declare";
    QTest::newRow("unknown format") << "[body]\n{Company|euro}\n"
                                    << "unknown format \"euro\"";
    QTest::newRow("bad page") << "[report]\npage = Folio\n[body]\n"
                              << "line 2: page \"Folio\"";
    QTest::newRow("bad margins") << "[report]\nmargins = 1 2\n[body]\n"
                                 << "margins are \"top right bottom left\"";
    QTest::newRow("unknown setting") << "[report]\ncolour = red\n[body]\n"
                                     << "unknown setting \"colour\"";
    QTest::newRow("text before sections") << "hello\n[body]\n"
                                          << "line 1: text before";
    QTest::newRow("query without sql") << "[query Q]\ntable t = A..b\n[body]\n"
                                       << "query Q has no SQL";
    QTest::newRow("undeclared sub-report") << "[body]\n{subreport X.rpt}\n"
                                           << "sub-report X.rpt, which it does not declare";
    QTest::newRow("missing sub-report file") << "[subreport Gone.rpt]\n[body]\n"
                                             << "Cannot open the report template";
}

void TestReportEngine::templateFaults()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    const QString path = write("Faulty.rpt", text);
    QVERIFY(!runner_->PrepareReport(path));
    QVERIFY(!runner_->ActiveReport());
    QCOMPARE(fixture_->prompt.shown().size(), 1);
    QVERIFY2(fixture_->prompt.shown().first().text.contains(message),
             qPrintable(fixture_->prompt.shown().first().text));
}

void TestReportEngine::groupsTotalsAndEscaping()
{
    const QString path = write("Lines.rpt", linesTemplate(3));
    fixture_->alter("INSERT INTO Clinical_Area.tbLaserChargeSlip (Code, Examination, Quantity, "
                    "Amount) VALUES ('D', 'O''BRIEN <b>{Company}</b>', 1, 1234.5)");
    QVERIFY(runner_->PrepareReport(path, {"C1E"}));
    const std::optional<RenderedReport> filled = runner_->fill();
    QVERIFY(filled);
    const QString text = filled->plainText();
    QVERIFY2(text.contains("Velmora Medical Center / 12 Rizal Avenue / C1E"), qPrintable(text));
    QVERIFY(text.contains("Exam 2 102.00"));
    QVERIFY(text.contains("Total C0: 303.00 in 3"));
    // A value is text: neither markup nor a placeholder.
    QVERIFY(text.contains("O'BRIEN <b>{Company}</b> 1,234.50"));
    QVERIFY(text.contains("Total D: 1,234.50 in 1"));
    QVERIFY(text.contains("Grand 1,537.50"));
    QVERIFY(text.contains("Page 1 of 1"));
    QCOMPARE(filled->groups.size(), 2);
    QCOMPARE(filled->groups[1].label, "D");
}

void TestReportEngine::missingValueIsAsked()
{
    const QString path =
        write("Ask.rpt", "[parameters]\nHospNum = Hospital number\nName = Last name\n"
                         "[query P]\ntable m = Patient_Data..tbMaster\n"
                         "SELECT count(*) AS N FROM {m} WHERE LastName = {param:Name}\n"
                         "[body]\n<p>{param:HospNum} {param:Name} {P.N}</p>\n");
    QVERIFY(runner_->PrepareReport(path, {"H1"}));
    QString text;
    fixture_->dialogs.onNext([](QDialog& dialog) {
        QLineEdit* box = dialog.findChild<QLineEdit*>("Name");
        box->setText("O'NOBODY");
        return int(QDialog::Accepted);
    });
    fixture_->dialogs.onNext([&text](QDialog& dialog) {
        text = qobject_cast<frmReportViewer*>(&dialog)->report().plainText();
        return int(QDialog::Rejected);
    });
    runner_->ShowReport();
    QCOMPARE(fixture_->dialogs.ran(),
             QStringList({"frmLogin", "ParameterDialog", "frmReportViewer"}));
    QVERIFY2(text.contains("H1 O'NOBODY 0"), qPrintable(text));
    QVERIFY(fixture_->session->connection->trace().statements().contains(
        "SELECT count(*) AS N FROM Patient_Data..tbMaster WHERE LastName = 'O''NOBODY'"));
    QVERIFY(!runner_->ActiveReport());
}

void TestReportEngine::cancelledQuestionShowsNothing()
{
    QVERIFY(runner_->PrepareReport(write("Ask.rpt", "[parameters]\nA = a\n[body]\n{param:A}\n")));
    runner_->ShowReport();
    QCOMPARE(fixture_->dialogs.ran(), QStringList({"frmLogin", "ParameterDialog"}));
    QVERIFY(!runner_->ActiveReport());
    QVERIFY(fixture_->prompt.shown().isEmpty());
}

void TestReportEngine::viewerSettings_data()
{
    QTest::addColumn<bool>("groupTree");
    QTest::addColumn<QString>("caption");
    QTest::newRow("plain, default caption") << false << QString();
    QTest::newRow("group tree") << true << "Charge slip printing";
}

void TestReportEngine::viewerSettings()
{
    QFETCH(bool, groupTree);
    QFETCH(QString, caption);
    QVERIFY(runner_->PrepareReport(write("Lines.rpt", linesTemplate(90)), {"C1E"}));
    bool checked = false;
    fixture_->dialogs.onNext([&](QDialog& dialog) {
        auto* viewer = qobject_cast<frmReportViewer*>(&dialog);
        if (!viewer)
            return int(QDialog::Rejected);
        checked = true;
        [&] {
            QCOMPARE(viewer->windowTitle(), caption.isEmpty() ? "VIEW REPORT" : caption);
            QVERIFY(viewer->windowState().testFlag(Qt::WindowMaximized));
            QCOMPARE(viewer->preview()->zoomMode(), QPrintPreviewWidget::CustomZoom);
            QCOMPARE(viewer->preview()->zoomFactor(), 1.0);
            auto* tree = viewer->findChild<QTreeWidget*>("tvwGroupTree");
            QCOMPARE(!tree->isHidden(), groupTree);
            QCOMPARE(tree->isEnabled(), groupTree);
            QCOMPARE(tree->topLevelItemCount(), groupTree ? 3 : 0);
            if (groupTree) {
                // The third group (C2) starts after 80 lines, past the first page.
                QCOMPARE(tree->topLevelItem(2)->text(0), "C2");
                QVERIFY(tree->topLevelItem(2)->data(0, Qt::UserRole).toInt() > 1);
            }
        }();
        return int(QDialog::Rejected);
    });
    if (caption.isEmpty())
        runner_->ShowReport(groupTree);
    else
        runner_->ShowReport(groupTree, caption, false);
    QVERIFY(checked);
    QVERIFY(!runner_->ActiveReport());
}

void TestReportEngine::failedQueryIsTold()
{
    QVERIFY(
        runner_->PrepareReport(write("Bad.rpt", "[query Q]\ntable t = Billing..tbNothing\n"
                                                "SELECT * FROM {t}\n[body]\n{each Q}{/each}\n")));
    runner_->ShowReport();
    QCOMPARE(fixture_->dialogs.ran(), QStringList({"frmLogin"}));
    QCOMPARE(fixture_->prompt.shown().size(), 1);
    const QString text = fixture_->prompt.shown().first().text;
    QVERIFY2(text.contains("the query Q failed") && text.contains("Billing..tbNothing"),
             qPrintable(text));
    QVERIFY(!runner_->ActiveReport());
}

void TestReportEngine::pdfHasEveryPage()
{
    QVERIFY(runner_->PrepareReport(write("Lines.rpt", linesTemplate(200)), {"C1E"}));
    const QString pdf = dir_->filePath("lines.pdf");
    const int pages = runner_->exportPdf(pdf);
    QVERIFY(pages > 2);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                 bytes.count("/Type /Page "),
             qsizetype(pages));
    QCOMPARE(runner_->exportPdf(dir_->filePath("missing/folder/x.pdf")), 0);
}

void TestReportEngine::noPrinterOffersPdf()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this workstation has a printer");
    QVERIFY(runner_->PrepareReport(write("Lines.rpt", linesTemplate(5)), {"C1E"}));
    const QString pdf = dir_->filePath("offered.pdf");
    fixture_->prompt.answerNext(QMessageBox::Yes);
    fixture_->dialogs.onNext([](QDialog& dialog) {
        qobject_cast<frmReportViewer*>(&dialog)->cmdPrint_Click();
        return int(QDialog::Rejected);
    });
    fixture_->dialogs.onNext([pdf](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        files->selectFile(pdf);
        return int(QDialog::Accepted);
    });
    runner_->ShowReport();
    QCOMPARE(fixture_->prompt.shown().size(), 1);
    QVERIFY(fixture_->prompt.shown().first().text.startsWith("No printer is installed"));
    QCOMPARE(fixture_->dialogs.ran(), QStringList({"frmLogin", "frmReportViewer", "dlgExportPdf"}));
    QVERIFY(QFileInfo(pdf).size() > 0);
}

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"

#include "ListingDialog.h"

#include <QLineEdit>
#include <QTableView>
#include <QtTest>

// The pick list that clerks drive from the keyboard all day.
class TestListingDialog : public QObject {
    Q_OBJECT

private slots:
    void typingFilters_data();
    void typingFilters();
    void downThenEnterPicks_data();
    void downThenEnterPicks();
    void doubleClickPicks();
    void escapeCancels();
    void enterWithNothingShownKeepsTheListOpen();
    void typingInTheGridGoesOnFiltering();

private:
    struct Shown {
        std::unique_ptr<ListingDialog> dialog;
        QLineEdit* filter;
        QTableView* grid;
    };
    static Shown show(const QString& filter = {});
    static QStringList visibleCodes(const Shown& list);
};

namespace {

const QList<ListingEntry> doctors = {
    {"1101", "VILLAREAL, CORAZON MENDOZA"}, {"1102", "SANTILLAN, ERNESTO BAUTISTA"},
    {"1103", "DE GUZMAN, PATRICIA LUNA"},   {"1104", "YAP, ALBERT CHUA"},
    {"1201", "DE LEON, MARIO CRUZ"},        {"2101", "SANTOS, ANA REYES"},
};

} // namespace

TestListingDialog::Shown TestListingDialog::show(const QString& filter)
{
    Shown list{std::make_unique<ListingDialog>("Doctors", doctors, filter), nullptr, nullptr};
    list.filter = list.dialog->findChild<QLineEdit*>("txtFilter");
    list.grid = list.dialog->findChild<QTableView*>("grdListing");
    list.dialog->show();
    list.dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(list.dialog.get()))
        qWarning("the listing did not become active");
    return list;
}

QStringList TestListingDialog::visibleCodes(const Shown& list)
{
    QStringList codes;
    for (int row = 0; row < list.grid->model()->rowCount(); ++row)
        if (!list.grid->isRowHidden(row))
            codes << list.grid->model()->index(row, 0).data().toString();
    return codes;
}

void TestListingDialog::typingFilters_data()
{
    QTest::addColumn<QString>("prefilled");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("visible");

    QTest::newRow("nothing typed")
        << ""
        << "" << QStringList{"1101", "1102", "1103", "1104", "1201", "2101"};
    QTest::newRow("last name, lower case") << ""
                                           << "de " << QStringList{"1103", "1201"};
    QTest::newRow("code prefix") << ""
                                 << "11" << QStringList{"1101", "1102", "1103", "1104"};
    QTest::newRow("pre-filled, typed on") << "SANT"
                                          << "i" << QStringList{"1102"};
    QTest::newRow("first name does not match") << ""
                                               << "corazon" << QStringList{};
}

void TestListingDialog::typingFilters()
{
    QFETCH(QString, prefilled);
    QFETCH(QString, typed);
    QFETCH(QStringList, visible);
    const Shown list = show(prefilled);
    QTest::keyClicks(list.filter, typed);
    QCOMPARE(list.filter->text(), (prefilled + typed).toUpper());
    QCOMPARE(visibleCodes(list), visible);
    QCOMPARE(list.dialog->chosenCode(), visible.value(0));
}

void TestListingDialog::downThenEnterPicks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("downs");
    QTest::addColumn<QString>("picked");

    QTest::newRow("Enter in the filter takes the first") << "de" << 0 << "1103";
    QTest::newRow("Down enters the grid on the first") << "de" << 1 << "1103";
    QTest::newRow("second Down moves to the next") << "de" << 2 << "1201";
    QTest::newRow("Down past the last stays") << "de" << 4 << "1201";
    QTest::newRow("hidden rows are skipped") << "santos" << 2 << "2101";
}

void TestListingDialog::downThenEnterPicks()
{
    QFETCH(QString, typed);
    QFETCH(int, downs);
    QFETCH(QString, picked);
    const Shown list = show();
    QTest::keyClicks(list.filter, typed);
    QWidget* focus = list.filter;
    for (int i = 0; i < downs; ++i) {
        QTest::keyClick(focus, Qt::Key_Down);
        focus = QApplication::focusWidget();
    }
    if (downs > 0)
        QCOMPARE(focus, list.grid);
    QTest::keyClick(focus, Qt::Key_Return);
    QCOMPARE(list.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(list.dialog->chosenCode(), picked);
}

void TestListingDialog::doubleClickPicks()
{
    const Shown list = show();
    const QRect cell = list.grid->visualRect(list.grid->model()->index(3, 1));
    // A real double click arrives as a press, a release, then the double click.
    QTest::mouseClick(list.grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(list.grid->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(list.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(list.dialog->chosenCode(), QString("1104"));
}

void TestListingDialog::escapeCancels()
{
    const Shown list = show("DE");
    QTest::keyClick(list.filter, Qt::Key_Escape);
    QVERIFY(!list.dialog->isVisible());
    QCOMPARE(list.dialog->result(), int(QDialog::Rejected));
}

void TestListingDialog::enterWithNothingShownKeepsTheListOpen()
{
    const Shown list = show("ZZ");
    QTest::keyClick(list.filter, Qt::Key_Return);
    QVERIFY(list.dialog->isVisible());
    QVERIFY(list.dialog->chosenCode().isEmpty());
}

void TestListingDialog::typingInTheGridGoesOnFiltering()
{
    const Shown list = show();
    QTest::keyClick(list.filter, Qt::Key_Down);
    QTest::keyClicks(list.grid, "ya");
    QCOMPARE(list.filter->text(), QString("YA"));
    QCOMPARE(QApplication::focusWidget(), list.filter);
    QCOMPARE(visibleCodes(list), QStringList{"1104"});
}

QTEST_MAIN(TestListingDialog)
#include "tst_listingdialog.moc"

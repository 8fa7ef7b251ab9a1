#include "EntryGrid.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtTest>

namespace {

enum Column { Dept = 1, Code, Description, Type, Quantity, Price, Amount, Revenue };

const QString departments = "LR\r\nLM\r\nLC\r\nMD\r\n";
const QString types = "STAT/BEDSIDE\r\nSTATION";

// A charge form in miniature: a box before the grid, the grid laid out the way the charge
// forms lay it out, and the Save button the grid leaves for.
struct Form {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    EntryGrid* grid = new EntryGrid(&window);
    QPushButton* save = new QPushButton("&Save", &window);

    Form()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(grid);
        layout->addWidget(save);
        grid->setInitialSettings(112, save, 27, true);
        grid->setFixedCols(1);
        grid->setColumnCount(9);
        grid->setFixedRows(1);
        grid->setRowCount(2);
        grid->rebuild();
        grid->setColumnWidthsTwips({400, 1000, 1000, 3000, 1000, 800, 1000, 1500, 800});
        grid->setColumnEditor(Dept, EntryGrid::ListEditor, departments);
        grid->setColumnEditor(Code, EntryGrid::LookupEditor, {});
        grid->setColumnEditor(Type, EntryGrid::ListEditor, types);
        for (const int column : {Quantity, Amount, Price})
            grid->setNumericColumn(column, EntryGrid::DecimalNumbers);
        for (const int column : {Description, Dept, Type, Amount, Revenue, Price})
            grid->closeColumn(column);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the form did not become active");
        grid->setFocus();
    }

    QTableView* view() const { return grid->findChild<QTableView*>(); }

    void goTo(int row, int column)
    {
        grid->setCurrentRow(row);
        grid->setCurrentCol(column);
    }
};

QWidget* focused()
{
    return QApplication::focusWidget();
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focused(), Qt::Key(key), modifiers);
}

// Each key goes where the keyboard would send it: once an edit starts, to the editor.
void type(const QString& text)
{
    for (const QChar key : text)
        QTest::keyClick(focused(), key.toLatin1());
}

QComboBox* openList(const Form& form)
{
    return qobject_cast<QComboBox*>(form.view()->indexWidget(form.view()->currentIndex()));
}

} // namespace

class TestEntryGrid : public QObject {
    Q_OBJECT

private slots:
    // Layout and cells as the program sees them.
    void rebuildKeepsTextsOfRemainingRows();
    void captionsShowInTheHeaders();
    void programCursorMovesAreSilent();
    void outOfRangeCellsReadEmptyAndIgnoreWrites();
    void columnTotal_data();
    void columnTotal();
    void widthsAreTwips();

    // Typing.
    void typing_data();
    void typing();
    void numericColumnSaysWhyALetterIsRefused();
    void halfTypedNumberIsNeverPassedOn();
    void listSplitsOnLineBreaks_data();
    void listSplitsOnLineBreaks();
    void listPicksOnlyFromItsEntries_data();
    void listPicksOnlyFromItsEntries();
    void closedListMovesTheChoiceUntilEnter();
    void closedNumericColumnAsksForTheAmount_data();
    void closedNumericColumnAsksForTheAmount();

    // Notifications and keys.
    void cellEnteredOnClerkMoves();
    void enterReportsWithTheCellCurrent_data();
    void enterReportsWithTheCellCurrent();
    void cellChangedOnlyForTheClerksEdits();
    void lookupKeyWritesTheEditFirst();
    void leaveKeyGoesToSaveAndValidates_data();
    void leaveKeyGoesToSaveAndValidates();
    void validateOnlyWhenFocusLeavesTheGrid();
    void lastLineFilledAddsAnEmptyLine_data();
    void lastLineFilledAddsAnEmptyLine();
};

void TestEntryGrid::rebuildKeepsTextsOfRemainingRows()
{
    EntryGrid grid;
    grid.setFixedCols(1);
    grid.setColumnCount(9);
    grid.setRowCount(1);
    grid.rebuild();
    grid.setFixedRows(1);
    grid.setRowCount(2);
    grid.rebuild();
    QCOMPARE(grid.rowCount(), 2);
    QCOMPARE(grid.findChild<QTableView*>()->model()->rowCount(), 1);

    grid.setRowCount(4);
    grid.rebuild();
    grid.setCellText(1, Code, "LR01");
    grid.setCellText(3, Code, "LR03");
    grid.setRowCount(3);
    QCOMPARE(grid.cellText(3, Code), QString("LR03")); // counts wait for rebuild
    grid.rebuild();
    grid.setRowCount(4);
    grid.rebuild();
    QCOMPARE(grid.cellText(1, Code), QString("LR01"));
    QCOMPARE(grid.cellText(3, Code), QString());
    QCOMPARE(grid.rowCount(), 4);
}

void TestEntryGrid::captionsShowInTheHeaders()
{
    Form form;
    form.grid->setCellText(0, Code, "Code");
    const QAbstractItemModel* model = form.view()->model();
    QCOMPARE(model->headerData(Code - 1, Qt::Horizontal).toString(), QString("Code"));
    QCOMPARE(model->columnCount(), 8);
    QCOMPARE(form.grid->cellText(0, Code), QString("Code"));
}

void TestEntryGrid::programCursorMovesAreSilent()
{
    Form form;
    form.grid->setRowCount(4);
    form.grid->rebuild();
    form.grid->setCellText(3, Description, "FUNDUS PHOTO");
    QSignalSpy entered(form.grid, &EntryGrid::cellEntered);

    form.goTo(3, Description);
    QCOMPARE(form.view()->currentIndex(), form.view()->model()->index(2, Description - 1));
    QCOMPARE(form.grid->currentText(), QString("FUNDUS PHOTO"));
    form.grid->setCellText(1, Code, "LR01");
    QCOMPARE(form.grid->currentRow(), 3);
    QCOMPARE(entered.count(), 0);
}

void TestEntryGrid::outOfRangeCellsReadEmptyAndIgnoreWrites()
{
    Form form;
    form.grid->setCellText(5, Code, "LR01");
    form.grid->setCellText(1, 9, "LR01");
    QCOMPARE(form.grid->cellText(5, Code), QString());
    QCOMPARE(form.grid->cellText(-1, Code), QString());
    form.goTo(1, Code);
    form.grid->setCurrentRow(7);
    form.grid->setCurrentCol(-1);
    QCOMPARE(form.grid->currentRow(), 1);
    QCOMPARE(form.grid->currentCol(), int(Code));
}

void TestEntryGrid::columnTotal_data()
{
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<double>("total");

    QTest::newRow("all rows") << QStringList{"100", "250.50", "0.25"} << 1 << 3 << 350.75;
    QTest::newRow("empty cells count 0") << QStringList{"100", "", "50"} << 1 << 3 << 150.0;
    QTest::newRow("text counts 0") << QStringList{"abc", "12x", "50"} << 1 << 3 << 50.0;
    QTest::newRow("negative") << QStringList{"100", "-40"} << 1 << 2 << 60.0;
    QTest::newRow("spaces around") << QStringList{" 20 ", "5"} << 1 << 2 << 25.0;
    QTest::newRow("part of the rows") << QStringList{"1", "2", "4"} << 2 << 3 << 6.0;
    QTest::newRow("past the last row") << QStringList{"1", "2"} << 1 << 40 << 3.0;
    QTest::newRow("caption row counts 0") << QStringList{"7"} << 0 << 1 << 7.0;
    QTest::newRow("first after last") << QStringList{"1", "2"} << 2 << 1 << 0.0;
}

void TestEntryGrid::columnTotal()
{
    QFETCH(QStringList, amounts);
    QFETCH(int, firstRow);
    QFETCH(int, lastRow);
    QFETCH(double, total);
    Form form;
    form.grid->setRowCount(int(amounts.size()) + 2);
    form.grid->rebuild();
    form.grid->setCellText(0, Amount, "Amount");
    for (int line = 0; line < amounts.size(); ++line)
        form.grid->setCellText(line + 1, Amount, amounts[line]);
    QCOMPARE(form.grid->columnTotal(Amount, firstRow, lastRow), total);
}

void TestEntryGrid::widthsAreTwips()
{
    Form form;
    form.grid->setColumnWidthsTwips({720, 1440, 2880});
    const int inch = form.grid->logicalDpiX();
    QCOMPARE(form.view()->verticalHeader()->width(), qRound(inch / 2.0));
    QCOMPARE(form.view()->columnWidth(0), inch);
    QCOMPARE(form.view()->columnWidth(1), 2 * inch);
}

void TestEntryGrid::typing_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("cell");

    QTest::newRow("code column takes text") << int(Code) << "LR01"
                                            << "LR01";
    QTest::newRow("quantity takes a number") << int(Quantity) << "2.5"
                                             << "2.5";
    QTest::newRow("quantity keeps only the digits") << int(Quantity) << "1x2"
                                                    << "12";
    QTest::newRow("quantity refuses a group separator") << int(Quantity) << "1,000"
                                                        << "1000";
    QTest::newRow("quantity refuses letters") << int(Quantity) << "abc"
                                              << "";
    QTest::newRow("list picks by its first letter") << int(Type) << "s"
                                                    << "STAT/BEDSIDE";
    QTest::newRow("list ignores a letter of no entry") << int(Type) << "x"
                                                       << "";
    QTest::newRow("department list") << int(Dept) << "m"
                                     << "MD";
    QTest::newRow("closed description") << int(Description) << "EYE"
                                        << "";
    QTest::newRow("closed revenue") << int(Revenue) << "LR"
                                    << "";
}

void TestEntryGrid::typing()
{
    QFETCH(int, column);
    QFETCH(QString, keys);
    QFETCH(QString, cell);
    Form form;
    form.goTo(1, column);
    type(keys);
    press(Qt::Key_Return);
    QCOMPARE(form.grid->cellText(1, column), cell);
    QCOMPARE(form.grid->currentCol(), column);
}

void TestEntryGrid::numericColumnSaysWhyALetterIsRefused()
{
    Form form;
    form.goTo(1, Quantity);
    type("3");
    type("x");
    auto* editor = qobject_cast<QLineEdit*>(focused());
    QVERIFY(editor);
    QCOMPARE(editor->text(), QString("3"));
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), editor->toolTip());
    QVERIFY(QToolTip::text().contains("number"));
}

void TestEntryGrid::halfTypedNumberIsNeverPassedOn()
{
    Form form;
    form.grid->setCellText(1, Quantity, "4");
    int enters = 0;
    connect(form.grid, &EntryGrid::keyPressed, form.grid, [&](int&) { ++enters; });
    form.goTo(1, Quantity);
    type("-");
    QToolTip::hideText();
    press(Qt::Key_Return);
    QVERIFY(qobject_cast<QLineEdit*>(focused()));
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(enters, 0);
    press(Qt::Key_Tab);
    QVERIFY(qobject_cast<QLineEdit*>(focused()));

    form.save->setFocus();
    QCOMPARE(form.grid->cellText(1, Quantity), QString("4"));
}

void TestEntryGrid::listSplitsOnLineBreaks_data()
{
    QTest::addColumn<QString>("listText");
    QTest::addColumn<QStringList>("choices");

    QTest::newRow("each entry ends with CR LF")
        << departments << QStringList{"LR", "LM", "LC", "MD"};
    QTest::newRow("last entry without a break") << types << QStringList{"STAT/BEDSIDE", "STATION"};
    QTest::newRow("bare line feeds") << "LR\nLM" << QStringList{"LR", "LM"};
    QTest::newRow("blank lines make no choice") << "LR\r\n\r\nLM\r\n" << QStringList{"LR", "LM"};
    QTest::newRow("spaces stay") << "A B\r\n" << QStringList{"A B"};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestEntryGrid::listSplitsOnLineBreaks()
{
    QFETCH(QString, listText);
    QFETCH(QStringList, choices);
    Form form;
    form.grid->setColumnEditor(Dept, EntryGrid::ListEditor, listText);
    form.goTo(1, Dept);
    press(Qt::Key_F4);
    QComboBox* list = openList(form);
    QVERIFY(list);
    QStringList shown;
    for (int entry = 0; entry < list->count(); ++entry)
        shown << list->itemText(entry);
    QCOMPARE(shown, choices);
}

void TestEntryGrid::listPicksOnlyFromItsEntries_data()
{
    QTest::addColumn<int>("openingKey");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("F4") << int(Qt::Key_F4) << int(Qt::NoModifier);
    QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier);
    QTest::newRow("edit key") << int(Qt::Key_F2) << int(Qt::NoModifier);
}

void TestEntryGrid::listPicksOnlyFromItsEntries()
{
    QFETCH(int, openingKey);
    QFETCH(int, modifiers);
    Form form;
    form.goTo(1, Type);
    type("xyz");
    QCOMPARE(form.grid->cellText(1, Type), QString());
    press(Qt::Key_Escape); // leaves the grid with nothing chosen
    QCOMPARE(form.grid->cellText(1, Type), QString());

    form.grid->setFocus();
    press(openingKey, Qt::KeyboardModifiers(modifiers));
    QComboBox* list = openList(form);
    QVERIFY(list);
    QVERIFY(list->view()->isVisible());
    QSignalSpy changed(form.grid, &EntryGrid::cellChanged);
    QTest::keyClick(list->view(), Qt::Key_End);
    QTest::keyClick(list->view(), Qt::Key_Return);
    QCOMPARE(form.grid->cellText(1, Type), QString("STATION"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(focused(), form.view());
}

void TestEntryGrid::closedListMovesTheChoiceUntilEnter()
{
    Form form;
    int enters = 0;
    connect(form.grid, &EntryGrid::keyPressed, form.grid, [&](int&) { ++enters; });
    form.goTo(1, Type);
    type("s");
    press(Qt::Key_Down);
    QVERIFY(qobject_cast<QComboBox*>(focused()));
    QCOMPARE(form.grid->cellText(1, Type), QString());
    press(Qt::Key_Return);
    QCOMPARE(form.grid->cellText(1, Type), QString("STATION"));
    QCOMPARE(enters, 1);
    QCOMPARE(form.grid->currentRow(), 1);
}

void TestEntryGrid::closedNumericColumnAsksForTheAmount_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("amount");

    QTest::newRow("typing, receiver opens the column") << false << true << "750";
    QTest::newRow("typing, receiver leaves it closed") << false << false << "";
    QTest::newRow("double click, receiver opens the column") << true << true << "750";
    QTest::newRow("double click, receiver leaves it closed") << true << false << "";
}

void TestEntryGrid::closedNumericColumnAsksForTheAmount()
{
    QFETCH(bool, doubleClick);
    QFETCH(bool, opens);
    QFETCH(QString, amount);
    Form form;
    int asked = 0;
    connect(form.grid, &EntryGrid::amountRequested, form.grid, [&] {
        ++asked;
        if (opens && form.grid->currentCol() == Amount)
            form.grid->openColumn(Amount);
    });
    form.goTo(1, Description);
    type("x");
    QCOMPARE(asked, 0);

    form.goTo(1, Amount);
    if (doubleClick) {
        const QRect cell = form.view()->visualRect(form.view()->currentIndex());
        QTest::mouseClick(form.view()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(form.view()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(asked, 1);
    }
    type("750");
    press(Qt::Key_Return);
    QCOMPARE(form.grid->cellText(1, Amount), amount);
    QVERIFY(asked >= 1);
}

void TestEntryGrid::cellEnteredOnClerkMoves()
{
    Form form;
    form.goTo(1, Dept);
    QList<QPoint> entered;
    connect(form.grid, &EntryGrid::cellEntered, form.grid,
            [&] { entered << QPoint(form.grid->currentCol(), form.grid->currentRow()); });
    press(Qt::Key_Right);
    press(Qt::Key_Tab);
    const QRect cell = form.view()->visualRect(form.view()->model()->index(0, Quantity - 1));
    QTest::mouseClick(form.view()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(entered, (QList<QPoint>{{Code, 1}, {Description, 1}, {Quantity, 1}}));
}

void TestEntryGrid::enterReportsWithTheCellCurrent_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");

    QTest::newRow("typed code") << int(Code) << "LR01"
                                << "LR01";
    QTest::newRow("typed quantity") << int(Quantity) << "3"
                                    << "3";
    QTest::newRow("Enter on a closed cell") << int(Description) << ""
                                            << "";
    QTest::newRow("Enter on an open cell, not editing") << int(Code) << ""
                                                        << "LR00";
}

void TestEntryGrid::enterReportsWithTheCellCurrent()
{
    QFETCH(int, column);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    Form form;
    form.grid->setCellText(1, Code, "LR00");
    form.goTo(1, column);
    type(keys);
    QList<int> codes;
    QStringList seen;
    connect(form.grid, &EntryGrid::keyPressed, form.grid, [&](int& keyCode) {
        codes << keyCode;
        seen << QString("%1,%2:%3")
                    .arg(form.grid->currentRow())
                    .arg(form.grid->currentCol())
                    .arg(form.grid->currentText());
    });
    press(Qt::Key_Return);
    QCOMPARE(codes, QList<int>{13});
    QCOMPARE(seen, QStringList{QString("1,%1:%2").arg(column).arg(text)});
    QCOMPARE(focused(), form.view());
}

void TestEntryGrid::cellChangedOnlyForTheClerksEdits()
{
    Form form;
    QSignalSpy changed(form.grid, &EntryGrid::cellChanged);
    form.grid->setCellText(1, Quantity, "1");
    form.goTo(1, Quantity);
    type("1");
    press(Qt::Key_Tab); // the same text again
    QCOMPARE(changed.count(), 0);
    form.goTo(1, Quantity);
    type("2");
    press(Qt::Key_Tab);
    QCOMPARE(changed.count(), 1);
}

void TestEntryGrid::lookupKeyWritesTheEditFirst()
{
    Form form;
    form.goTo(1, Code);
    QStringList looked;
    connect(form.grid, &EntryGrid::lookupRequested, form.grid,
            [&] { looked << form.grid->currentText(); });
    type("LR07");
    press(Qt::Key_F1);
    QCOMPARE(looked, QStringList{"LR07"});
    press(Qt::Key_F1);
    QCOMPARE(looked, (QStringList{"LR07", "LR07"}));
    QCOMPARE(focused(), form.view());
}

void TestEntryGrid::leaveKeyGoesToSaveAndValidates_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("kept");

    QTest::newRow("not editing") << ""
                                 << "5";
    QTest::newRow("an edit in progress is kept") << "8"
                                                 << "8";
}

void TestEntryGrid::leaveKeyGoesToSaveAndValidates()
{
    QFETCH(QString, keys);
    QFETCH(QString, kept);
    Form form;
    form.grid->setCellText(1, Quantity, "5");
    form.goTo(1, Quantity);
    type(keys);
    QStringList validated;
    connect(form.grid, &EntryGrid::validateRequested, form.grid,
            [&] { validated << form.grid->cellText(1, Quantity); });
    press(Qt::Key_Escape);
    QCOMPARE(focused(), form.save);
    QCOMPARE(validated, QStringList{kept});
}

void TestEntryGrid::validateOnlyWhenFocusLeavesTheGrid()
{
    Form form;
    QSignalSpy validated(form.grid, &EntryGrid::validateRequested);
    form.goTo(1, Code);
    type("LR");
    press(Qt::Key_Return);
    form.goTo(1, Dept);
    press(Qt::Key_F4);
    QTest::keyClick(openList(form)->view(), Qt::Key_Escape);
    QCOMPARE(validated.count(), 0);
    form.before->setFocus();
    QCOMPARE(validated.count(), 1);
}

void TestEntryGrid::lastLineFilledAddsAnEmptyLine_data()
{
    QTest::addColumn<bool>("appendRows");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("rows");

    QTest::newRow("last line") << true << 2 << 4;
    QTest::newRow("a line above the last") << true << 1 << 3;
    QTest::newRow("growth switched off") << false << 2 << 3;
}

void TestEntryGrid::lastLineFilledAddsAnEmptyLine()
{
    QFETCH(bool, appendRows);
    QFETCH(int, row);
    QFETCH(int, rows);
    Form form;
    form.grid->setInitialSettings(112, form.save, 27, appendRows);
    form.grid->setRowCount(3);
    form.grid->rebuild();
    form.goTo(row, Code);
    type("LR01");
    press(Qt::Key_Return);
    QCOMPARE(form.grid->rowCount(), rows);
    QCOMPARE(form.view()->model()->rowCount(), rows - 1);
    QCOMPARE(form.grid->cellText(row, Code), QString("LR01"));
    QCOMPARE(form.grid->currentRow(), row);
}

QTEST_MAIN(TestEntryGrid)
#include "tst_entrygrid.moc"

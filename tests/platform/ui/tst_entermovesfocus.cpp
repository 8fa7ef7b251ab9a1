#include "ui/EnterMovesFocus.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

// A form of two boxes, a box that handles Enter itself, a grid and a button, in that order.
class EnterMovesFocusTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void enterGoesOnWhereTheFormLeavesIt_data();
    void enterGoesOnWhereTheFormLeavesIt();
    void gridEditorsKeepTheirEnter();

private:
    QWidget* form_ = nullptr;
};

void EnterMovesFocusTest::init()
{
    form_ = new QWidget;
    auto* layout = new QVBoxLayout(form_);
    for (const char* name : {"first", "second", "keeper"}) {
        auto* box = new QLineEdit;
        box->setObjectName(name);
        layout->addWidget(box);
    }
    auto* grid = new QTableWidget(2, 2);
    grid->setObjectName("grid");
    layout->addWidget(grid);
    auto* button = new QPushButton("OK");
    button->setObjectName("button");
    layout->addWidget(button);
    EnterMovesFocus::install(form_);
    EnterMovesFocus::keepsEnter(form_->findChild<QWidget*>("keeper"));
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_));
}

void EnterMovesFocusTest::cleanup()
{
    delete form_;
}

void EnterMovesFocusTest::enterGoesOnWhereTheFormLeavesIt_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("box to the next box") << "first"
                                         << "second";
    QTest::newRow("box to the box after it") << "second"
                                             << "keeper";
    QTest::newRow("a box that keeps Enter stays") << "keeper"
                                                  << "keeper";
    QTest::newRow("a button stays") << "button"
                                    << "button";
}

void EnterMovesFocusTest::enterGoesOnWhereTheFormLeavesIt()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    auto* start = form_->findChild<QWidget*>(from);
    start->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), start);
    QTest::keyClick(start, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
}

void EnterMovesFocusTest::gridEditorsKeepTheirEnter()
{
    auto* grid = form_->findChild<QTableWidget*>("grid");
    grid->setFocus();
    grid->setCurrentCell(0, 0);
    grid->setItem(0, 0, new QTableWidgetItem);
    grid->editItem(grid->item(0, 0));
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(qobject_cast<QLineEdit*>(editor));
    QTest::keyClicks(editor, "12");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(grid->item(0, 0)->text(), QString("12"));
    QVERIFY(grid->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == grid);
}

QTEST_MAIN(EnterMovesFocusTest)
#include "tst_entermovesfocus.moc"

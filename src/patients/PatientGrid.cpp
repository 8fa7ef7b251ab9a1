#include "PatientGrid.h"

#include "db/Error.h"
#include "db/RowSet.h"
#include "ui/AppContext.h"

#include <QHeaderView>
#include <QKeyEvent>

PatientGrid::PatientGrid(QWidget* parent)
    : QTableWidget(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    connect(this, &QTableWidget::cellDoubleClicked, this, [this] {
        if (rowCount() > 0)
            emit picked();
    });
}

void PatientGrid::setHeadings(const QString& barSeparated)
{
    QStringList headings = barSeparated.split(QLatin1Char('|'));
    for (QString& heading : headings)
        if (heading.startsWith(QLatin1Char('<')))
            heading.remove(0, 1);
    if (columnCount() < headings.size())
        setColumnCount(int(headings.size()));
    setHorizontalHeaderLabels(headings);
}

void PatientGrid::fill(db::RowSet& rows, int firstColumn, bool keepHeadings)
{
    setUpdatesEnabled(false);
    setRowCount(0);
    const int fields = rows.fieldCount();
    if (columnCount() < firstColumn + fields || !keepHeadings)
        setColumnCount(firstColumn + fields);
    if (!keepHeadings)
        for (int field = 0; field < fields; ++field)
            setHorizontalHeaderItem(firstColumn + field,
                                    new QTableWidgetItem(rows.fieldName(field)));
    QList<QList<QString>> texts;
    for (; !rows.eof(); rows.moveNext()) {
        QList<QString> row;
        row.reserve(fields);
        for (int field = 0; field < fields; ++field)
            row.append(rows.field(field).toString());
        texts.append(std::move(row));
    }
    setRowCount(int(texts.size()));
    for (int row = 0; row < texts.size(); ++row)
        for (int field = 0; field < fields; ++field)
            setItem(row, firstColumn + field, new QTableWidgetItem(texts[row][field]));
    setUpdatesEnabled(true);
}

void PatientGrid::setColumnWidthsTwips(const QList<int>& twips)
{
    for (int column = 0; column < twips.size(); ++column)
        setColumnWidthTwips(column, twips[column]);
}

void PatientGrid::setColumnWidthTwips(int column, int twips)
{
    setColumnHidden(column, twips == 0);
    if (twips > 0)
        setColumnWidth(column, pixelsFromTwips(twips));
}

int PatientGrid::pixelsFromTwips(int twips) const
{
    return twips * logicalDpiX() / 1440;
}

QString PatientGrid::currentText(int column) const
{
    const QTableWidgetItem* cell = currentRow() < 0 ? nullptr : item(currentRow(), column);
    return cell ? cell->text() : QString();
}

void PatientGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (rowCount() > 0)
            emit picked();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void HighlightCurrentCell(QTableWidget& grid, bool on)
{
    QTableWidgetItem* cell = grid.currentItem();
    if (!cell)
        return;
    cell->setBackground(on ? grid.palette().brush(QPalette::Highlight) : QBrush());
    cell->setForeground(on ? grid.palette().brush(QPalette::HighlightedText) : QBrush());
}

void tellDatabaseError(AppContext& context, const std::exception& error)
{
    const auto* failure = dynamic_cast<const db::Error*>(&error);
    context.prompt().tell(failure ? failure->message() : QString::fromUtf8(error.what()),
                          QStringLiteral("Critical Error"), QMessageBox::Critical);
}

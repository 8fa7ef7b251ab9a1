#include "EntryGrid.h"

#include "GridDelegate.h"
#include "GridModel.h"
#include "GridView.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {

constexpr int enterKeyCode = 13;
constexpr int twipsPerInch = 1440;

// The Qt key of a classic Windows virtual-key code; 0 for codes the grid does not know.
int qtKey(int keyCode)
{
    if (keyCode >= 112 && keyCode <= 135)
        return Qt::Key_F1 + (keyCode - 112);
    if ((keyCode >= '0' && keyCode <= '9') || (keyCode >= 'A' && keyCode <= 'Z'))
        return keyCode;
    switch (keyCode) {
    case 8:
        return Qt::Key_Backspace;
    case 9:
        return Qt::Key_Tab;
    case 13:
        return Qt::Key_Return;
    case 27:
        return Qt::Key_Escape;
    case 45:
        return Qt::Key_Insert;
    case 46:
        return Qt::Key_Delete;
    default:
        return 0;
    }
}

bool isKey(const QKeyEvent& key, int keyCode)
{
    const int wanted = qtKey(keyCode);
    if (wanted == 0)
        return false;
    if (wanted == Qt::Key_Return)
        return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    return key.key() == wanted;
}

bool isEnter(const QKeyEvent& key)
{
    return isKey(key, enterKeyCode);
}

bool asksForList(const QKeyEvent& key)
{
    return key.key() == Qt::Key_F4 ||
           (key.key() == Qt::Key_Down && key.modifiers().testFlag(Qt::AltModifier));
}

QStringList listLines(const QString& listText)
{
    QStringList choices;
    for (QString line : listText.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        // The list text ends each entry with a line break; that makes no empty choice.
        if (!line.isEmpty())
            choices << line;
    }
    return choices;
}

} // namespace

EntryGrid::EntryGrid(QWidget* parent)
    : QWidget(parent)
    , model_(new GridModel(this))
    , view_(new GridView(this))
    , delegate_(new GridDelegate(
          *model_, [this](QWidget* editor, QKeyEvent* key) { return editorKey(editor, key); },
          this))
{
    view_->setModel(model_);
    view_->setItemDelegate(delegate_);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    view_->horizontalHeader()->setSectionsClickable(false);
    view_->verticalHeader()->setSectionsClickable(false);
    view_->installEventFilter(this);
    setFocusProxy(view_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &EntryGrid::onViewCursorMoved);
    connect(view_, &GridView::editStarting, this, &EntryGrid::onEditStarting);
    connect(model_, &GridModel::edited, this, &EntryGrid::onEdited);
    connect(qApp, &QApplication::focusChanged, this, &EntryGrid::onFocusChanged);
    rebuild();
}

void EntryGrid::setInitialSettings(int lookupKey, QWidget* afterGrid, int leaveKey, bool appendRows)
{
    lookupKey_ = lookupKey;
    afterGrid_ = afterGrid;
    leaveKey_ = leaveKey;
    appendRows_ = appendRows;
}

void EntryGrid::rebuild()
{
    model_->layOut(rows_, columns_, fixedRows_, fixedColumns_);
    rows_ = model_->cellRows();
    columns_ = model_->cellColumns();
    applyHeaders();
    applyWidths();
    if (!model_->isDataCell(row_, column_)) {
        row_ = model_->fixedRows();
        column_ = model_->fixedColumns();
    }
    showCursor();
}

void EntryGrid::setCurrentRow(int row)
{
    moveCursor(row, column_);
}

void EntryGrid::setCurrentCol(int column)
{
    moveCursor(row_, column);
}

void EntryGrid::moveCursor(int row, int column)
{
    if (!model_->isCell(row, column))
        return;
    row_ = row;
    column_ = column;
    showCursor();
}

void EntryGrid::showCursor()
{
    const QModelIndex cell = model_->indexOf(row_, column_);
    if (!cell.isValid())
        return;
    movingCursor_ = true;
    view_->setCurrentIndex(cell);
    movingCursor_ = false;
}

QString EntryGrid::currentText() const
{
    return cellText(row_, column_);
}

QString EntryGrid::cellText(int row, int column) const
{
    return model_->text(row, column);
}

void EntryGrid::setCellText(int row, int column, const QString& text)
{
    model_->setText(row, column, text);
}

double EntryGrid::columnTotal(int column, int firstRow, int lastRow) const
{
    double total = 0;
    for (int row = qMax(0, firstRow); row <= lastRow && row < model_->cellRows(); ++row)
        total += cellText(row, column).trimmed().toDouble();
    return total;
}

void EntryGrid::setColumnEditor(int column, int kind, const QString& listText)
{
    ColumnRule& rule = model_->rule(column);
    switch (kind) {
    case ListEditor:
        rule.editor = ColumnRule::Editor::List;
        rule.choices = listLines(listText);
        break;
    case LookupEditor:
        rule.editor = ColumnRule::Editor::Lookup;
        rule.choices.clear();
        break;
    default:
        rule.editor = ColumnRule::Editor::Text;
        rule.choices.clear();
    }
}

void EntryGrid::setNumericColumn(int column, int kind)
{
    model_->rule(column).numeric = kind == DecimalNumbers;
}

void EntryGrid::closeColumn(int column)
{
    model_->rule(column).closed = true;
}

void EntryGrid::openColumn(int column)
{
    model_->rule(column).closed = false;
}

void EntryGrid::setColumnWidthsTwips(const QList<int>& widths)
{
    widthsTwips_ = widths;
    applyWidths();
}

void EntryGrid::applyWidths()
{
    const double pixelsPerTwip = double(logicalDpiX()) / twipsPerInch;
    for (int column = 0; column < widthsTwips_.size() && column < model_->cellColumns(); ++column) {
        const int pixels = qRound(widthsTwips_[column] * pixelsPerTwip);
        if (column < model_->fixedColumns())
            view_->verticalHeader()->setFixedWidth(pixels);
        else
            view_->setColumnWidth(column - model_->fixedColumns(), pixels);
    }
}

void EntryGrid::applyHeaders()
{
    view_->horizontalHeader()->setVisible(model_->fixedRows() > 0);
    view_->verticalHeader()->setVisible(model_->fixedColumns() > 0);
}

bool EntryGrid::isListColumn(int column) const
{
    return model_->ruleOf(column).editor == ColumnRule::Editor::List;
}

bool EntryGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::KeyPress)
        return gridKey(static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

bool EntryGrid::gridKey(QKeyEvent* key)
{
    if (isKey(*key, lookupKey_)) {
        emit lookupRequested();
        return true;
    }
    if (isKey(*key, leaveKey_)) {
        leaveGrid();
        return true;
    }
    const bool onList = isListColumn(column_);
    if (onList && (isEnter(*key) || asksForList(*key)))
        return view_->openEditor(view_->currentIndex());
    if (isEnter(*key)) {
        reportEnter();
        return true;
    }
    return false;
}

bool EntryGrid::editorKey(QWidget* editor, QKeyEvent* key)
{
    if (isKey(*key, lookupKey_)) {
        if (delegate_->finish(editor))
            emit lookupRequested();
        return true;
    }
    if (isKey(*key, leaveKey_)) {
        if (delegate_->finish(editor))
            leaveGrid();
        return true;
    }
    if (isEnter(*key)) {
        if (delegate_->finish(editor))
            reportEnter();
        return true;
    }
    return false;
}

void EntryGrid::reportEnter()
{
    int keyCode = enterKeyCode;
    emit keyPressed(keyCode);
}

void EntryGrid::leaveGrid()
{
    if (afterGrid_)
        afterGrid_->setFocus(Qt::TabFocusReason);
    else
        focusNextChild();
}

void EntryGrid::onViewCursorMoved(const QModelIndex& current)
{
    if (movingCursor_ || !current.isValid())
        return;
    row_ = model_->cellRow(current);
    column_ = model_->cellColumn(current);
    emit cellEntered();
}

void EntryGrid::onEditStarting(const QModelIndex& index)
{
    const ColumnRule rule = model_->ruleOf(model_->cellColumn(index));
    if (rule.numeric && rule.closed)
        emit amountRequested();
}

void EntryGrid::onEdited(int row, int column)
{
    if (appendRows_ && row == model_->cellRows() - 1 && !cellText(row, column).isEmpty()) {
        model_->appendRow();
        rows_ = model_->cellRows();
    }
    if (row == row_ && column == column_)
        emit cellChanged();
}

void EntryGrid::onFocusChanged(QWidget* old, QWidget* now)
{
    // A dialog opened over the form (a look-up, a message) does not take the clerk off the grid.
    if (now && now->window() == window() && contains(old) && !contains(now))
        emit validateRequested();
}

bool EntryGrid::contains(const QWidget* widget) const
{
    // Walks parents rather than isAncestorOf: a list's pop-up is a window of its own.
    for (; widget; widget = widget->parentWidget())
        if (widget == this)
            return true;
    return false;
}

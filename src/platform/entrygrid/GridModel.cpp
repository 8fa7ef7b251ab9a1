#include "GridModel.h"

void GridModel::layOut(int rows, int columns, int fixedRows, int fixedColumns)
{
    beginResetModel();
    columns_ = qMax(0, columns);
    cells_.resize(qMax(0, rows));
    for (QStringList& row : cells_)
        row.resize(columns_);
    // One caption row and one caption column at most: the view shows them as its headers.
    fixedRows_ = qBound(0, fixedRows, qMin(1, cellRows()));
    fixedColumns_ = qBound(0, fixedColumns, qMin(1, columns_));
    endResetModel();
}

void GridModel::appendRow()
{
    const int viewRow = rowCount();
    beginInsertRows({}, viewRow, viewRow);
    cells_.append(QStringList(columns_));
    endInsertRows();
}

bool GridModel::isCell(int row, int column) const
{
    return row >= 0 && row < cellRows() && column >= 0 && column < columns_;
}

bool GridModel::isDataCell(int row, int column) const
{
    return isCell(row, column) && row >= fixedRows_ && column >= fixedColumns_;
}

QString GridModel::text(int row, int column) const
{
    return isCell(row, column) ? cells_[row][column] : QString();
}

void GridModel::setText(int row, int column, const QString& text)
{
    if (!isCell(row, column))
        return;
    cells_[row][column] = text;
    announceCell(row, column);
}

QModelIndex GridModel::indexOf(int row, int column) const
{
    return isDataCell(row, column) ? index(row - fixedRows_, column - fixedColumns_)
                                   : QModelIndex();
}

ColumnRule GridModel::ruleOf(int column) const
{
    const auto found = rules_.find(column);
    return found == rules_.end() ? ColumnRule() : found->second;
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : cellRows() - fixedRows_;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_ - fixedColumns_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = cellColumn(index);
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return text(cellRow(index), column);
    if (role == Qt::TextAlignmentRole && ruleOf(column).numeric)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return fixedRows_ > 0 ? text(0, section + fixedColumns_) : QVariant();
    return fixedColumns_ > 0 ? text(section + fixedRows_, 0) : QVariant();
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const ColumnRule rule = ruleOf(cellColumn(index));
    // A list column is closed to typing, yet its list still offers the choices.
    const bool editable = rule.editor == ColumnRule::Editor::List || !rule.closed;
    return editable ? flags | Qt::ItemIsEditable : flags;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const int row = cellRow(index);
    const int column = cellColumn(index);
    const QString text = value.toString();
    if (cells_[row][column] == text)
        return true;
    setText(row, column, text);
    emit edited(row, column);
    return true;
}

void GridModel::announceCell(int row, int column)
{
    if (row < fixedRows_ && column < fixedColumns_)
        return; // the corner shows nothing
    if (row < fixedRows_)
        emit headerDataChanged(Qt::Horizontal, column - fixedColumns_, column - fixedColumns_);
    else if (column < fixedColumns_)
        emit headerDataChanged(Qt::Vertical, row - fixedRows_, row - fixedRows_);
    else {
        const QModelIndex cell = indexOf(row, column);
        emit dataChanged(cell, cell);
    }
}

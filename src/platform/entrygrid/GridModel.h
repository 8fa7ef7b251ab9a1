#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <map>

// How one column of the grid is edited.
struct ColumnRule {
    enum class Editor { Text, List, Lookup };

    Editor editor = Editor::Text;
    QStringList choices;
    bool numeric = false;
    bool closed = false;
};

// The grid's cells as the program numbers them: row 0 and column 0 may be fixed captions,
// which the view shows as its headers, so view index (r, c) is cell (r + fixed rows,
// c + fixed columns).
class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Lays the grid out anew; texts of cells that remain are kept.
    void layOut(int rows, int columns, int fixedRows, int fixedColumns);
    void appendRow();

    int cellRows() const { return int(cells_.size()); }
    int cellColumns() const { return columns_; }
    int fixedRows() const { return fixedRows_; }
    int fixedColumns() const { return fixedColumns_; }
    bool isCell(int row, int column) const;
    bool isDataCell(int row, int column) const;

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    QModelIndex indexOf(int row, int column) const;
    int cellRow(const QModelIndex& index) const { return index.row() + fixedRows_; }
    int cellColumn(const QModelIndex& index) const { return index.column() + fixedColumns_; }

    ColumnRule& rule(int column) { return rules_[column]; }
    ColumnRule ruleOf(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The clerk's edits arrive here; the program writes through setText.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void edited(int row, int column);

private:
    void announceCell(int row, int column);

    QList<QStringList> cells_;
    int columns_ = 0;
    int fixedRows_ = 0;
    int fixedColumns_ = 0;
    std::map<int, ColumnRule> rules_;
};

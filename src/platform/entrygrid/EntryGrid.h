#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class GridDelegate;
class GridModel;
class GridView;
class QKeyEvent;

// The editable charge grid. Cells are text and numbered as the program sees them: with one
// fixed row and one fixed column, row 0 holds the captions, column 0 the row headers, and data
// rows start at 1. The notifications carry no cell; receivers read the current cell.
//
// Notifications (connect them directly: keyPressed passes its key code by reference):
// - cellEntered: the clerk moved the cursor onto a cell; the program's own moves are silent,
//   so a receiver may move the cursor without being called again.
// - lookupRequested: the look-up key was pressed; an edit in progress is written first.
// - keyPressed(13): Enter on a cell, or Enter ending an edit once the cell holds the new text.
//   On a list cell Enter opens the list; a pick in the open list writes the cell at once.
// - amountRequested: the clerk double-clicked or began typing in a closed numeric column;
//   a receiver that opens the column lets the edit go ahead.
// - validateRequested: the focus went from the grid to another control of its window.
// - cellChanged: an edit by the clerk changed the current cell's text.
class EntryGrid : public QWidget {
    Q_OBJECT

public:
    // Column editor kinds.
    static constexpr int TextEditor = 0;
    static constexpr int ListEditor = 2;
    static constexpr int LookupEditor = 3;
    // Numeric column kind.
    static constexpr int DecimalNumbers = 4;

    explicit EntryGrid(QWidget* parent = nullptr);

    // Key codes are the classic Windows virtual-key codes (112 is F1, 27 Escape); 0 turns the
    // key off. afterGrid receives the focus on the leave key; appendRows keeps one empty line
    // at the end of the grid as the clerk fills the last one.
    void setInitialSettings(int lookupKey, QWidget* afterGrid, int leaveKey, bool appendRows);

    // Counts take effect at rebuild().
    int rowCount() const { return rows_; }
    void setRowCount(int rows) { rows_ = rows; }
    int columnCount() const { return columns_; }
    void setColumnCount(int columns) { columns_ = columns; }
    void setFixedRows(int rows) { fixedRows_ = rows; }
    void setFixedCols(int columns) { fixedColumns_ = columns; }
    void rebuild();

    // Moving the cursor outside the grid's cells is ignored.
    int currentRow() const { return row_; }
    void setCurrentRow(int row);
    int currentCol() const { return column_; }
    void setCurrentCol(int column);
    QString currentText() const;

    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);
    // Sum of the numbers in the column over the rows; a cell that is not a number counts 0.
    double columnTotal(int column, int firstRow, int lastRow) const;

    // kind ListEditor picks from the lines of listText; LookupEditor is a typed code.
    void setColumnEditor(int column, int kind, const QString& listText = {});
    // kind DecimalNumbers takes numbers only; any other kind makes the column text again.
    void setNumericColumn(int column, int kind);
    void closeColumn(int column);
    void openColumn(int column);
    // Widths in twips (1/1440 inch at the screen's logical resolution), column 0 first.
    void setColumnWidthsTwips(const QList<int>& widths);

signals:
    void cellEntered();
    void lookupRequested();
    void keyPressed(int& keyCode);
    void amountRequested();
    void validateRequested();
    void cellChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool gridKey(QKeyEvent* key);
    bool editorKey(QWidget* editor, QKeyEvent* key);
    bool isListColumn(int column) const;
    void reportEnter();
    void leaveGrid();
    void moveCursor(int row, int column);
    void showCursor();
    void applyWidths();
    void applyHeaders();
    void onViewCursorMoved(const QModelIndex& current);
    void onEdited(int row, int column);
    void onEditStarting(const QModelIndex& index);
    void onFocusChanged(QWidget* old, QWidget* now);
    bool contains(const QWidget* widget) const;

    GridModel* model_;
    GridView* view_;
    GridDelegate* delegate_;
    int rows_ = 0;
    int columns_ = 0;
    int fixedRows_ = 0;
    int fixedColumns_ = 0;
    int row_ = 0;
    int column_ = 0;
    bool movingCursor_ = false;
    QList<int> widthsTwips_;
    int lookupKey_ = 0;
    int leaveKey_ = 0;
    QPointer<QWidget> afterGrid_;
    bool appendRows_ = false;
};

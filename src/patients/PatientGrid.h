#pragma once

#include <QTableWidget>

namespace db {
class RowSet;
}
class AppContext;

// The read-only result grid of the patient lists: whole rows are selected, and Enter or a
// double click on a data row picks it. A grid without data rows ignores both.
class PatientGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit PatientGrid(QWidget* parent = nullptr);

    // One heading per bar-separated field, blanks kept; a leading '<' only aligns left.
    void setHeadings(const QString& barSeparated);
    // The rows of the set from `firstColumn` on, headed by their field names unless `keepHeadings`.
    void fill(db::RowSet& rows, int firstColumn = 0, bool keepHeadings = false);
    void clearRows() { setRowCount(0); }
    // Widths in twips from column 0 on; 0 hides a column.
    void setColumnWidthsTwips(const QList<int>& twips);
    void setColumnWidthTwips(int column, int twips);
    int pixelsFromTwips(int twips) const;
    // Text of a cell of the current row; empty when there is none.
    QString currentText(int column) const;

signals:
    void picked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Marks the grid's current cell, or clears the mark.
void HighlightCurrentCell(QTableWidget& grid, bool on);
// A failing statement, told to the user instead of ending the program.
void tellDatabaseError(AppContext& context, const std::exception& error);

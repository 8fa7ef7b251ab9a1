#pragma once

#include <QTableView>

// The table part of the grid. Every way of starting an edit passes through edit(), so this is
// where a closed column gets its chance to be opened and a list is popped up.
class GridView : public QTableView {
    Q_OBJECT

public:
    using QTableView::edit;
    using QTableView::QTableView;

    // Opens the cell's editor as the edit key would; a list editor shows its list at once.
    bool openEditor(const QModelIndex& index);

signals:
    // The clerk started an edit (typing, double click, edit key): raised before the column's
    // openness is checked, so a receiver may still open it.
    void editStarting(const QModelIndex& index);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    // Typing in a cell that cannot be edited must not jump to another row.
    void keyboardSearch(const QString&) override {}
};

#pragma once

#include <QStyledItemDelegate>
#include <functional>

class GridModel;
class QKeyEvent;
class QLineEdit;

// Editors of the grid: a fixed drop-down for list columns, a line edit that takes numbers
// only for numeric columns, a plain line edit elsewhere.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // Sees each key pressed in an editor before the editor does; true when it used the key.
    using EditorKeys = std::function<bool(QWidget* editor, QKeyEvent* key)>;

    GridDelegate(GridModel& model, EditorKeys editorKeys, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    // Writes the editor's value to its cell and closes it; false, with the editor left open
    // and the clerk told why, when the value is refused.
    bool finish(QWidget* editor);

    static QString numbersOnlyMessage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* listEditor(QWidget* parent, const QStringList& choices) const;
    QWidget* lineEditor(QWidget* parent, bool numeric) const;
    static bool refusesValue(const QLineEdit* editor);
    static void tellNumbersOnly(QLineEdit* editor);

    GridModel& model_;
    EditorKeys editorKeys_;
};

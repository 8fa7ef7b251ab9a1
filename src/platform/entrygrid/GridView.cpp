#include "GridView.h"

#include <QComboBox>

bool GridView::openEditor(const QModelIndex& index)
{
    return edit(index, EditKeyPressed, nullptr);
}

bool GridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool byClerk =
        trigger == DoubleClicked || trigger == EditKeyPressed || trigger == AnyKeyPressed;
    if (byClerk && index.isValid())
        emit editStarting(index);
    if (!QTableView::edit(index, trigger, event))
        return false;
    // A typed letter picks in the closed list; the other gestures ask to see the list.
    auto* list = qobject_cast<QComboBox*>(indexWidget(index));
    if (list && (trigger == DoubleClicked || trigger == EditKeyPressed))
        list->showPopup();
    return true;
}

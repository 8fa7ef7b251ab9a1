#include "EnterMovesFocus.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace {

const char* const keepsEnterProperty = "keepsEnter";

// Editors inside a grid or list belong to it: Enter there is the view's business.
bool insideItemView(const QObject* control)
{
    for (const QObject* up = control->parent(); up; up = up->parent())
        if (qobject_cast<const QAbstractItemView*>(up))
            return true;
    return false;
}

bool movesOnEnter(const QObject* control)
{
    if (control->property(keepsEnterProperty).toBool() || insideItemView(control))
        return false;
    return qobject_cast<const QLineEdit*>(control) || qobject_cast<const QCheckBox*>(control) ||
           qobject_cast<const QComboBox*>(control) ||
           qobject_cast<const QAbstractSpinBox*>(control);
}

} // namespace

void EnterMovesFocus::install(QWidget* form)
{
    auto* filter = new EnterMovesFocus(form);
    form->installEventFilter(filter);
    for (QWidget* child : form->findChildren<QWidget*>())
        child->installEventFilter(filter);
}

void EnterMovesFocus::keepsEnter(QWidget* control)
{
    control->setProperty(keepsEnterProperty, true);
}

bool EnterMovesFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded) {
        auto* added = static_cast<QChildEvent*>(event)->child();
        if (added->isWidgetType())
            added->installEventFilter(this);
        return false;
    }
    if (event->type() != QEvent::KeyPress || !movesOnEnter(watched))
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    auto* control = static_cast<QWidget*>(watched);
    if (auto* comboBox = qobject_cast<QComboBox*>(control);
        comboBox && comboBox->view()->isVisible())
        return false;
    QWidget* next = control->nextInFocusChain();
    while (next != control &&
           !(next->isEnabled() && next->isVisible() && (next->focusPolicy() & Qt::TabFocus)))
        next = next->nextInFocusChain();
    next->setFocus(Qt::TabFocusReason);
    return true;
}

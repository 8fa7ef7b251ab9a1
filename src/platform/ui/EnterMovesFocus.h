#pragma once

#include <QObject>

// Enter in a form's text boxes and check boxes moves the focus on, as Tab would, so a clerk can
// fill a form without leaving the main keys. Command buttons, grids, lists and controls that
// handle Enter themselves (marked with keepsEnter) are left alone.
class EnterMovesFocus : public QObject {
    Q_OBJECT

public:
    // Watches every child of the form, present and future.
    static void install(QWidget* form);
    static void keepsEnter(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit EnterMovesFocus(QObject* parent)
        : QObject(parent)
    {}
};

#pragma once

#include <QMdiSubWindow>
#include <QWidget>

// Closes a window whether it stands alone or inside a frame of the main window's child area,
// so that the frame goes with it.
inline void closeChildWindow(QWidget* window)
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        frame->close();
    else
        window->close();
}

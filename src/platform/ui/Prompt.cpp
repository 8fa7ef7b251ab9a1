#include "Prompt.h"

#include <QApplication>

QMessageBox::StandardButton WidgetPrompt::ask(const QString& text, const QString& title,
                                              QMessageBox::Icon icon,
                                              QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton ScriptedPrompt::ask(const QString& text, const QString& title,
                                                QMessageBox::Icon icon,
                                                QMessageBox::StandardButtons buttons)
{
    shown_.append({text, title, icon, buttons});
    if (!answers_.isEmpty())
        return answers_.takeFirst();
    for (int bit = 0; bit < 32; ++bit) {
        const auto button = static_cast<QMessageBox::StandardButton>(1u << bit);
        if (buttons.testFlag(button))
            return button;
    }
    return QMessageBox::NoButton;
}

#include "KeyPress.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPress::KeyPress(QObject* parent)
    : QObject(parent)
{}

void KeyPress::AllUppers(int& keyCode) const
{
    // Codes past the last character are Qt's own keys (Escape, Return ...).
    if (keyCode < 0 || char32_t(keyCode) > QChar::LastValidCodePoint)
        return;
    const auto code = char32_t(keyCode);
    if (QChar::isLower(code))
        keyCode = int(QChar::toUpper(code));
}

void KeyPress::capitalise(QWidget* box)
{
    box->installEventFilter(this);
}

bool KeyPress::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString typed = key->text();
    const QString replaced = capitals(typed);
    if (replaced == typed)
        return false;
    QKeyEvent capital(QEvent::KeyPress, key->key(), key->modifiers(), replaced, key->isAutoRepeat(),
                      key->count());
    QCoreApplication::sendEvent(watched, &capital);
    return true;
}

QString KeyPress::capitals(const QString& typed) const
{
    QString result;
    for (const char32_t character : typed.toUcs4()) {
        int code = int(character);
        AllUppers(code);
        const auto upper = char32_t(code);
        result.append(QString::fromUcs4(&upper, 1));
    }
    return result;
}

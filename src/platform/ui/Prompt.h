#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

class QWidget;

// Every message box of the program goes through a Prompt, so that tests can answer them and
// read what the user was told.
class Prompt {
public:
    struct Shown {
        QString text;
        QString title;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    virtual ~Prompt() = default;

    virtual QMessageBox::StandardButton ask(const QString& text, const QString& title,
                                            QMessageBox::Icon icon,
                                            QMessageBox::StandardButtons buttons) = 0;

    // An OK box.
    void tell(const QString& text, const QString& title,
              QMessageBox::Icon icon = QMessageBox::NoIcon)
    {
        ask(text, title, icon, QMessageBox::Ok);
    }
};

// Real message boxes, parented to the active window.
class WidgetPrompt : public Prompt {
public:
    QMessageBox::StandardButton ask(const QString& text, const QString& title,
                                    QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons buttons) override;
};

// For tests: answers from a script (the first offered button when the script is empty) and a
// record of every box.
class ScriptedPrompt : public Prompt {
public:
    QMessageBox::StandardButton ask(const QString& text, const QString& title,
                                    QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons buttons) override;

    void answerNext(QMessageBox::StandardButton answer) { answers_.append(answer); }
    const QList<Shown>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

private:
    QList<QMessageBox::StandardButton> answers_;
    QList<Shown> shown_;
};

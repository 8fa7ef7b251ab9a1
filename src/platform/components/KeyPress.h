#pragma once

#include <QObject>

class QWidget;

// The key-press component: typed letters become capitals in search and code boxes, so that
// what a clerk types matches the upper-case names and codes of the hospital's files.
class KeyPress : public QObject {
    Q_OBJECT

public:
    explicit KeyPress(QObject* parent = nullptr);

    // A lower-case letter's character code becomes its capital's; any other code, Qt's codes
    // for Escape, Return and the like included, stays as it is.
    void AllUppers(int& keyCode) const;

    // From now on every letter typed into the box arrives as a capital.
    void capitalise(QWidget* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString capitals(const QString& typed) const;
};

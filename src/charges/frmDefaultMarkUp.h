#pragma once

#include "DefaultMarkUps.h"

#include <QWidget>
#include <array>

class Navigator;
class QCloseEvent;
class QLineEdit;
class QPushButton;

// Default Mark Up Value: the holiday mark-ups the charge forms start with, for as long as this
// window is open. Typing changes the run's DefaultMarkUps at once, so a form opened meanwhile
// takes the typed value; closing the window puts every value back to "50".
//
// The three boxes are named txtMarkup0 (in-patient), txtMarkup1 (out-patient) and txtMarkup2
// (assessment), the number being the DefaultMarkUps::Kind they edit.
class frmDefaultMarkUp : public QWidget {
    Q_OBJECT

public:
    explicit frmDefaultMarkUp(QWidget* parent = nullptr);
    ~frmDefaultMarkUp() override;

    // Shows the open window, or a new one with every value at "50".
    static void open(Navigator& navigator);

    QLineEdit* txtMarkup(DefaultMarkUps::Kind kind) const { return boxes_[kind]; }

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmOK_Click();

private:
    void buildControls();

    std::array<QLineEdit*, 3> boxes_{};
    QPushButton* cmOK = nullptr;
};

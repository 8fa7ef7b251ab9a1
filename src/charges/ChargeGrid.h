#pragma once

#include "ChargeLine.h"

#include <QObject>
#include <functional>
#include <optional>

class AppContext;
class EntryGrid;
class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QWidget;

namespace codesearch {
class OtherRevenueRecord;
}

// The charge lines of a charge form on its grid: the layout, the item look-up of each
// department, pricing with the holiday mark-up, and the gross amount. The request, assessment
// and receivable forms share it and differ only where Rules says.
class ChargeGrid : public QObject {
    Q_OBJECT

public:
    // The form's controls the lines work with; the form owns them.
    struct Controls {
        EntryGrid* grdInput = nullptr;
        QLineEdit* txtGross = nullptr;
        QLineEdit* txtIdNum = nullptr;
        QLineEdit* txtMarkUp = nullptr;
        QCheckBox* chkHoliday = nullptr;
        QWidget* fraMarkup = nullptr;
        QAbstractButton* cmdApply = nullptr;
        QAbstractButton* cmdSave = nullptr;
        QAbstractButton* cmdSavePrint = nullptr;
    };

    // Where the forms differ.
    struct Rules {
        QString patientType; // "I" pays the in-patient drug price, everyone else the other
        QList<int> columnWidths;
        QList<int> closedColumns;
        bool emptyQuantityIsOne = true; // with the mark-up on
        bool quantityEnterStaysOnQuantity = false;
        bool amountOpensOnRequest = true; // the clerk may type over an amount
        // "MD" typed as a procedure code picks a doctor; a failed look-up returns to Dept.ID.
        bool outPatientLookUps = false;
        QString drugListTitle;
        QString supplyListTitle; // the supply satellite's list
        // Whether a found procedure is checked for a standing charge.
        std::function<bool()> warnsOfStandingCharge;
        // The price of a procedure found in the catalogue; none leaves the line unpriced.
        std::function<std::optional<double>(const codesearch::OtherRevenueRecord&)> procedurePrice;

        static Rules inPatient();
        static Rules outPatient();
    };

    ChargeGrid(AppContext& context, const Controls& controls, Rules rules);

    void Initialize_TableInput();
    // The look-up of the current line's code by its department.
    void lookUpCurrentLine();
    void Search_Exam(QString code);
    void Search_Drug(QString strCriteria, QString strLocation);
    void Update_Gross();
    void Apply_Markup();
    // The holiday box changed: the mark-up frame follows it and the amounts are recomputed.
    void holidayChanged();
    // Switches the mark-up on (a check at opening held).
    void startWithMarkUp();

    // The lines down to the first without a code.
    ChargeLines lines() const;
    // Lays out room for n loaded lines and one empty line.
    void makeRoomFor(int lineCount);

private:
    void onCellEntered();
    void onKeyPressed(int& keyCode);
    void onAmountRequested();
    bool pickDoctor();
    bool pickDoctorOnProcedureLine();
    void enableSaving();
    QString cell(int row, int column) const;
    void recomputeLine(int row, double markUp, bool holiday);

    AppContext& context_;
    Controls controls_;
    Rules rules_;
};

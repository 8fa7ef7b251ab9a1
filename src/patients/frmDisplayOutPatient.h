#pragma once

#include <QDialog>

class AppContext;
class PatientGrid;
class QCheckBox;
class QLabel;
class QLineEdit;

// "Displayer Window": registered out-patient visits to pick from, searched as the name is typed.
// The opener reads the visit picked from the Picked... properties.
class frmDisplayOutPatient : public QDialog {
    Q_OBJECT

public:
    explicit frmDisplayOutPatient(AppContext& context, QWidget* parent = nullptr);

    // 1: registered out-patients.
    int Mode() const { return mode_; }
    void setMode(int value) { mode_ = value; }
    // True for the patient ledger, false for charge slip re-printing.
    bool Proc() const { return proc_; }
    void setProc(bool value) { proc_ = value; }

    void DisplayWindowSetup(const QString& caption, const QString& hint, const QString& headings,
                            const QString& columnWidths, const QString& rowHeights, int columns,
                            int rows, int fixedColumns, int fixedRows);
    // The opener's search text; lists at once while AutoSearch is ticked.
    void setSearchText(const QString& text);
    void Search();

    const QString& PickedIdNum() const { return pickedIdNum_; }
    const QString& PickedHospNum() const { return pickedHospNum_; }
    const QString& PickedDcrDate() const { return pickedDcrDate_; }
    const QString& PickedAdmDate() const { return pickedAdmDate_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pick();
    void writeBackCurrentRow();
    bool searchKey(int key);

    AppContext& context_;
    QLabel* lblTitle1_ = nullptr;
    QLabel* lblTitle2_ = nullptr;
    QLabel* lblHint_ = nullptr;
    QLabel* lblCount_ = nullptr;
    QLineEdit* txtSearch_ = nullptr;
    QCheckBox* chkAutoSearch_ = nullptr;
    PatientGrid* grdPatients_ = nullptr;
    int mode_ = 1;
    bool proc_ = false;
    bool writing_ = false;
    bool headingsSet_ = false;
    QString pickedIdNum_;
    QString pickedHospNum_;
    QString pickedDcrDate_;
    QString pickedAdmDate_;
};

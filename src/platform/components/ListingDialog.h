#pragma once

#include <QDialog>
#include <QList>

class QKeyEvent;
class QLineEdit;
class QTableView;

// One entry of a pick list: the code the caller receives and the text the clerk reads.
struct ListingEntry {
    QString code;
    QString description;

    // Typed text selects the entries whose code or description begins with it, letter case
    // aside; empty text selects every entry.
    bool matches(const QString& text) const;
};

// The pick list of the components (codes, doctors, drugs ...): a filter box above a code and
// description grid. Typing filters and lands on the first entry shown, Down moves into the
// grid, Enter or a double click picks, Esc cancels.
class ListingDialog : public QDialog {
    Q_OBJECT

public:
    ListingDialog(const QString& title, QList<ListingEntry> entries, const QString& filter,
                  QWidget* parent = nullptr);

    // The code of the highlighted entry; empty when no entry is shown.
    QString chosenCode() const;

    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGrid();
    void applyFilter(const QString& text);
    void pick();
    bool filterKey(const QKeyEvent& key);
    bool gridKey(QKeyEvent* key);

    QList<ListingEntry> entries_;
    QLineEdit* filter_;
    QTableView* grid_;
};

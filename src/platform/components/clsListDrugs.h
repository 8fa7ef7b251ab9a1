#pragma once

#include <QString>

class Dialogs;

namespace db {
class Connection;
}

// The drug list component: the pick list of the medicines and supplies at a stock location.
class clsListDrugs {
public:
    explicit clsListDrugs(Dialogs& dialogs);

    // False when the drug master cannot be read.
    bool InitConnection(db::Connection* connection);

    // The pick list's caption.
    const QString& ListTitle() const { return listTitle_; }
    void setListTitle(const QString& title) { listTitle_ = title; }
    // True lists every active item of the drug master, stocked at the location or not.
    bool DrugsORCSR() const { return wholeMaster_; }
    void setDrugsORCSR(bool wholeMaster) { wholeMaster_ = wholeMaster; }

    // Shows the active items at the location (with inStockOnly, those with some on hand), the
    // criteria in the filter box. Returns the chosen item's code, which the criteria then hold
    // too; empty when the clerk cancels. Statement failures throw db::Error.
    QString ShowList(QString& criteria, bool inStockOnly, QString& location);

private:
    QString listStatement(bool inStockOnly, const QString& location) const;

    Dialogs& dialogs_;
    db::Connection* connection_ = nullptr;
    QString listTitle_ = QStringLiteral("Ocuvane Drug List");
    bool wholeMaster_ = false;
};

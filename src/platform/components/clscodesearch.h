#pragma once

#include "CodeSearchRecords.h"

#include <QList>
#include <QString>

class Dialogs;

namespace db {
class Connection;
}

// The code search component: finds an address, doctor, civil status or section item from what
// the clerk typed, showing a pick list when the text leaves a choice.
//
// SearchListing(text, kind):
// - A code equal to the text, or else the one entry whose code or description begins with it,
//   is chosen without a list.
// - Several entries begin with the text (empty text: every entry): the pick list opens with the
//   text in its filter box. Without SearchMode no list opens and nothing is chosen.
// - On a choice the kind's record holds the entry, the text becomes its code, and the result is
//   true. Otherwise the result is false and every record is empty.
//
// Cancelled, read after a false SearchListing:
// - true: the clerk closed the pick list without choosing (or the kind is unknown); callers
//   show nothing more, the clerk knows.
// - false: no entry begins with the text, or none is left to choose from: the code does not
//   exist, and callers show their own not-found message.
class clscodesearch {
public:
    enum Listing : int {
        AddressListing = 0,
        DoctorListing = 1,
        CivilStatusListing = 13,
        ItemListing = 21,
    };

    explicit clscodesearch(Dialogs& dialogs);

    // The component server of the hospital; kept for the caller, the search runs in-process.
    const QString& MTS_Server() const { return mtsServer_; }
    void setMTS_Server(const QString& server) { mtsServer_ = server; }
    bool SearchMode() const { return searchMode_; }
    void setSearchMode(bool listingAllowed) { searchMode_ = listingAllowed; }
    // Shown in the pick list's caption after the listing's name.
    const QString& CompanyName() const { return companyName_; }
    void setCompanyName(const QString& name) { companyName_ = name; }
    db::Connection* Connection() const { return connection_; }
    void setConnection(db::Connection* connection) { connection_ = connection; }
    // The section whose items listing 21 offers ("LR" for the department's own).
    const QString& OtherSectionID() const { return otherSectionId_; }
    void setOtherSectionID(const QString& section) { otherSectionId_ = section; }

    // Empties every record and the Cancelled flag.
    void Initialize_Classes();

    // Statement failures throw db::Error.
    bool SearchListing(QString& searchText, int kind);
    bool Cancelled() const { return cancelled_; }

    const codesearch::AddressRecord& AddressRecord() const { return address_; }
    const codesearch::DoctorRecord& DoctorRecord() const { return doctor_; }
    const codesearch::CivilStatusRecord& CivilStatusRecord() const { return civilStatus_; }
    const codesearch::OtherRevenueRecord& OtherRevenueRecord() const { return item_; }
    // The exam record of a section such as "HS": the item of listing 21 itself.
    const codesearch::OtherRevenueRecord& HSExamRecord() const { return item_; }

private:
    template <typename Record>
    bool search(QString& searchText, const QString& statement, const QString& title,
                Record& chosen);
    template <typename Record> QList<Record> load(const QString& statement) const;
    int choose(const QList<ListingEntry>& entries, const QString& text, const QString& title);
    int pickFromList(const QList<ListingEntry>& entries, const QString& text, const QString& title);
    QString itemStatement(const QString& narrowing = {}) const;
    bool findItem(QString& code);

    Dialogs& dialogs_;
    QString mtsServer_;
    bool searchMode_ = true;
    QString companyName_;
    db::Connection* connection_ = nullptr;
    QString otherSectionId_ = QStringLiteral("LR");
    bool cancelled_ = false;
    codesearch::AddressRecord address_;
    codesearch::DoctorRecord doctor_;
    codesearch::CivilStatusRecord civilStatus_;
    codesearch::OtherRevenueRecord item_;
};

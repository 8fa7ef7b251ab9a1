#include "clscodesearch.h"

#include "db/Connection.h"
#include "db/Sql.h"
#include "ui/BusyPointer.h"
#include "ui/Dialogs.h"

#include <QApplication>

namespace {

int indexOfCode(const QList<ListingEntry>& entries, const QString& code)
{
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].code.compare(code, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QList<int> matching(const QList<ListingEntry>& entries, const QString& text)
{
    QList<int> found;
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].matches(text))
            found.append(i);
    return found;
}

} // namespace

clscodesearch::clscodesearch(Dialogs& dialogs)
    : dialogs_(dialogs)
{}

void clscodesearch::Initialize_Classes()
{
    cancelled_ = false;
    address_ = {};
    doctor_ = {};
    civilStatus_ = {};
    item_ = {};
}

bool clscodesearch::SearchListing(QString& searchText, int kind)
{
    Initialize_Classes();
    switch (kind) {
    case AddressListing:
        return search(searchText,
                      QStringLiteral("Select ZipCode, Town, Province from Build_File..tbCoZipCode "
                                     "order by Town, ZipCode"),
                      QStringLiteral("Addresses"), address_);
    case DoctorListing:
        return search(searchText,
                      QStringLiteral("Select DoctorID, LastName, FirstName, MiddleName from "
                                     "Build_File..tbCoDoctor where Active = 'Y' "
                                     "order by LastName, FirstName"),
                      QStringLiteral("Doctors"), doctor_);
    case CivilStatusListing:
        return search(searchText,
                      QStringLiteral("Select CivilStatusID, CivilStatus from "
                                     "Build_File..tbCoCivilStatus order by CivilStatus"),
                      QStringLiteral("Civil Status"), civilStatus_);
    case ItemListing:
        return findItem(searchText) ||
               search(searchText, itemStatement(), QStringLiteral("Items"), item_);
    default:
        cancelled_ = true;
        return false;
    }
}

QString clscodesearch::itemStatement(const QString& narrowing) const
{
    return QStringLiteral("Select * from Build_File..tbcoOtherRevenue where OtherSectionID = ") +
           db::Sql::quote(otherSectionId_) + QStringLiteral(" and Active = 'Y'") + narrowing +
           QStringLiteral(" order by OtherRevenue");
}

// A code typed in full is read alone; the whole section is read only to match or list.
bool clscodesearch::findItem(QString& code)
{
    if (code.trimmed().isEmpty())
        return false;
    const QList<codesearch::OtherRevenueRecord> found = load<codesearch::OtherRevenueRecord>(
        itemStatement(QStringLiteral(" and OtherRevenueID = ") + db::Sql::quote(code.trimmed())));
    if (found.size() != 1)
        return false;
    item_ = found.first();
    code = item_.ResultCode();
    return true;
}

template <typename Record>
bool clscodesearch::search(QString& searchText, const QString& statement, const QString& title,
                           Record& chosen)
{
    const QList<Record> records = load<Record>(statement);
    QList<ListingEntry> entries;
    for (const Record& record : records)
        entries.append(record.listingEntry());
    const int index = choose(entries, searchText.trimmed(), title);
    if (index < 0)
        return false;
    chosen = records[index];
    searchText = chosen.ResultCode();
    return true;
}

template <typename Record> QList<Record> clscodesearch::load(const QString& statement) const
{
    Q_ASSERT_X(connection_, "clscodesearch", "SearchListing before setConnection");
    const BusyPointer busy;
    QList<Record> records;
    for (db::RowSet rows = connection_->open(statement); !rows.eof(); rows.moveNext())
        records.append(Record::fromRow(rows));
    return records;
}

int clscodesearch::choose(const QList<ListingEntry>& entries, const QString& text,
                          const QString& title)
{
    const int exact = indexOfCode(entries, text);
    if (exact >= 0)
        return exact;
    const QList<int> found = matching(entries, text);
    if (found.size() == 1)
        return found.first();
    if (found.isEmpty() || !searchMode_)
        return -1;
    return pickFromList(entries, text, title);
}

int clscodesearch::pickFromList(const QList<ListingEntry>& entries, const QString& text,
                                const QString& title)
{
    const QString caption =
        companyName_.isEmpty() ? title : title + QStringLiteral(" - ") + companyName_;
    ListingDialog list(caption, entries, text, QApplication::activeWindow());
    const bool picked = dialogs_.run(list) == QDialog::Accepted && !list.chosenCode().isEmpty();
    cancelled_ = !picked;
    return picked ? indexOfCode(entries, list.chosenCode()) : -1;
}

#include "clsListDrugs.h"

#include "ComponentDb.h"
#include "ListingDialog.h"
#include "db/Connection.h"
#include "db/Sql.h"
#include "ui/BusyPointer.h"
#include "ui/Dialogs.h"

#include <QApplication>

clsListDrugs::clsListDrugs(Dialogs& dialogs)
    : dialogs_(dialogs)
{}

bool clsListDrugs::InitConnection(db::Connection* connection)
{
    const bool usable = ComponentDb::canRead(
        connection, QStringLiteral("Select top 1 ItemID, DrugName from Build_File..tbInvMaster"));
    connection_ = usable ? connection : nullptr;
    return usable;
}

QString clsListDrugs::listStatement(bool inStockOnly, const QString& location) const
{
    if (wholeMaster_)
        return QStringLiteral("Select ItemID, DrugName from Build_File..tbInvMaster "
                              "where Active = 'Y' order by DrugName");
    return QStringLiteral("Select m.ItemID, m.DrugName from Build_File..tbInvMaster m "
                          "inner join Build_File..tbInvent i on i.ItemID = m.ItemID "
                          "where i.LocationID = ") +
           db::Sql::quote(location.trimmed()) + QStringLiteral(" and m.Active = 'Y'") +
           (inStockOnly ? QStringLiteral(" and i.OnHand > 0") : QString()) +
           QStringLiteral(" order by m.DrugName");
}

QString clsListDrugs::ShowList(QString& criteria, bool inStockOnly, QString& location)
{
    Q_ASSERT_X(connection_, "clsListDrugs", "ShowList before a successful InitConnection");
    QList<ListingEntry> entries;
    {
        const BusyPointer busy;
        db::RowSet rows = connection_->open(listStatement(inStockOnly, location));
        for (; !rows.eof(); rows.moveNext())
            entries.append({ComponentDb::text(rows, QStringLiteral("ItemID")),
                            ComponentDb::text(rows, QStringLiteral("DrugName"))});
    }
    ListingDialog list(listTitle_, entries, criteria.trimmed(), QApplication::activeWindow());
    if (dialogs_.run(list) != QDialog::Accepted || list.chosenCode().isEmpty())
        return {};
    criteria = list.chosenCode();
    return criteria;
}

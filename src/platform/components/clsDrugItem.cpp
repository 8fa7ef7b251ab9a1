#include "clsDrugItem.h"

#include "ComponentDb.h"
#include "db/Connection.h"
#include "db/Error.h"
#include "db/Sql.h"

#include <QStringList>

using db::Sql;

namespace {

QString textOrNull(const QString& value)
{
    return value.isEmpty() ? QStringLiteral("NULL") : Sql::quote(value);
}

QString dateTimeOrNull(const QDateTime& value)
{
    return value.isValid() ? Sql::quote(Sql::dateTime(value)) : QStringLiteral("NULL");
}

} // namespace

db::Connection& clsDrugItem::connection() const
{
    if (!connection_)
        throw db::Error(QStringLiteral("The drug component is not connected."), QString());
    return *connection_;
}

bool clsDrugItem::SearchDrug(QString& itemCode, QString& location)
{
    drugName_.clear();
    invent_ = {};
    db::RowSet row = connection().open(
        QStringLiteral("Select m.ItemID, m.DrugName, i.SellingPriceIn, i.SellingPriceOut "
                       "from Build_File..tbInvMaster m "
                       "inner join Build_File..tbInvent i on i.ItemID = m.ItemID "
                       "where m.ItemID = ") +
        Sql::quote(itemCode.trimmed()) + QStringLiteral(" and i.LocationID = ") +
        Sql::quote(location.trimmed()) + QStringLiteral(" and m.Active = 'Y'"));
    if (row.eof())
        return false;
    itemCode = ComponentDb::text(row, QStringLiteral("ItemID"));
    drugName_ = ComponentDb::text(row, QStringLiteral("DrugName"));
    invent_.sellingPriceIn_ = row.field(QStringLiteral("SellingPriceIn")).toDouble();
    invent_.sellingPriceOut_ = row.field(QStringLiteral("SellingPriceOut")).toDouble();
    return true;
}

void clsDrugItem::AppendStockCard(const QString& hospitalNumber, const QString& idNumber,
                                  const QString& itemId, const QDateTime& transactionDate,
                                  const QString& referenceNumber, double quantity, int isReturn,
                                  double amount, const QString& userId, const QString& frequency,
                                  const QString& requestedBy, const QString& locationId,
                                  const QString& remarks, const QString& roomId, int isFree,
                                  const QString& storeId, const QString& chargeStoreId,
                                  const QString& revenueId, const QString& lotNumber,
                                  const QDateTime& expiryDate, const QString& requestNumber)
{
    const QStringList values = {Sql::quote(hospitalNumber),
                                Sql::quote(idNumber),
                                Sql::quote(itemId),
                                Sql::quote(Sql::dateTime(transactionDate)),
                                Sql::quote(referenceNumber),
                                Sql::quote(Sql::plainNumber(quantity)),
                                Sql::quote(QString::number(isReturn)),
                                Sql::quote(Sql::plainNumber(amount)),
                                Sql::quote(userId),
                                Sql::quote(frequency),
                                Sql::quote(requestedBy),
                                Sql::quote(locationId),
                                Sql::quote(remarks),
                                Sql::quote(roomId),
                                Sql::quote(QString::number(isFree)),
                                Sql::quote(storeId),
                                Sql::quote(chargeStoreId),
                                Sql::quote(revenueId),
                                textOrNull(lotNumber),
                                dateTimeOrNull(expiryDate),
                                Sql::quote(requestNumber)};
    db::Connection& database = connection();
    db::Transaction posting(database);
    database.execute(QStringLiteral("Build_File..sp_Inv_AppendStockCard ") +
                     values.join(QStringLiteral(", ")));
    posting.commit();
}

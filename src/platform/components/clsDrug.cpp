#include "clsDrug.h"

#include "ComponentDb.h"

bool clsDrug::InitConnect(db::Connection* connection)
{
    const bool usable = ComponentDb::canRead(
        connection,
        QStringLiteral("Select top 1 ItemID, SellingPriceIn from Build_File..tbInvent"));
    drug_.useConnection(usable ? connection : nullptr);
    return usable;
}

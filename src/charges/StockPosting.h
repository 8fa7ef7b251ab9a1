#pragma once

#include <QString>

class AppContext;

// Posts laser medicines and supplies outside the department's own request records: the stock
// card of the pharmacy or central supply, and the request items of the cardio database. The
// request saves post each medicine or supply line here; cancellations post negated amounts.
class StockPosting {
public:
    explicit StockPosting(AppContext& context)
        : context_(context)
    {}

    // One stock-card movement through the drug component, in the caller's transaction. "LM"
    // posts to the pharmacy ("PH"), "LC" to central supply ("CS"); any other department keeps
    // the store of the previous posting. Failures throw db::Error.
    void Save_StockPharmaCSRItem(const QString& strDepCode, const QString& strHospNum,
                                 const QString& strIdNum, const QString& strItemID,
                                 const QString& strRefnum, double dblQuantity, double dblAmount,
                                 const QString& strRequestedByID, const QString& strLocationID,
                                 const QString& strRoomID, const QString& strRequestnum,
                                 const QString& strHRevenueID);

    // Records one request item. A failure is shown and the caller goes on.
    void SaveRequestItems(const QString& strRequestnum, const QString& strHospNum,
                          const QString& strIdNum, const QString& strTransdate,
                          const QString& strItemID, double dblQuantity, double dblAmount,
                          const QString& strRefnum, const QString& strNurseRequest,
                          const QString& strDoctorsID, const QString& strRoomID,
                          const QString& strLocationID, const QString& strRevenueID);

private:
    AppContext& context_;
    QString storeCode_;
};

#pragma once

#include <QDateTime>
#include <QString>

class clsDrugItem;

namespace db {
class Connection;
}

// An item's selling prices at a location.
class DrugInvent {
public:
    // For in-patients.
    double SellingPriceIn() const { return sellingPriceIn_; }
    // For everybody else.
    double SellingPriceOut() const { return sellingPriceOut_; }

private:
    friend class clsDrugItem;
    double sellingPriceIn_ = 0;
    double sellingPriceOut_ = 0;
};

// The drug object: a medicine or supply of the drug master, and its stock card.
class clsDrugItem {
public:
    // The connection of the run; postings join the caller's transaction on it.
    void useConnection(db::Connection* connection) { connection_ = connection; }

    // True when the active item is stocked at the location; the item code then reads as
    // stored, and DrugName and Invent describe the item there (otherwise they are empty).
    // Statement failures throw db::Error.
    bool SearchDrug(QString& itemCode, QString& location);
    const QString& DrugName() const { return drugName_; }
    const DrugInvent& Invent() const { return invent_; }

    // Posts one movement to the stock card and takes the quantity off the stock at the location
    // (a negative quantity, a reversal, puts it back), both or neither. An empty lot number and
    // an invalid expiry date are stored as not given. Failures throw db::Error.
    void AppendStockCard(const QString& hospitalNumber, const QString& idNumber,
                         const QString& itemId, const QDateTime& transactionDate,
                         const QString& referenceNumber, double quantity, int isReturn,
                         double amount, const QString& userId, const QString& frequency,
                         const QString& requestedBy, const QString& locationId,
                         const QString& remarks, const QString& roomId, int isFree,
                         const QString& storeId, const QString& chargeStoreId,
                         const QString& revenueId, const QString& lotNumber,
                         const QDateTime& expiryDate, const QString& requestNumber);

private:
    db::Connection& connection() const;

    db::Connection* connection_ = nullptr;
    QString drugName_;
    DrugInvent invent_;
};

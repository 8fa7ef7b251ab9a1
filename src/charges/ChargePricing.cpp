#include "ChargePricing.h"

#include "CodeSearchRecords.h"
#include "clsDrugItem.h"
#include "db/Sql.h"

namespace ChargePricing {

QString amountText(double value)
{
    return db::Sql::twoDecimalsNoLeadingZero(value);
}

std::optional<double> roomClassRate(const codesearch::OtherRevenueRecord& item,
                                    const QString& roomClass)
{
    const QString roomClassId = roomClass.trimmed().toUpper();
    if (roomClassId == u"A")
        return item.RateA();
    if (roomClassId == u"B")
        return item.RateB();
    if (roomClassId == u"C")
        return item.RateC();
    if (roomClassId == u"D")
        return item.RateD();
    if (roomClassId == u"E")
        return item.RateE();
    return std::nullopt;
}

double outPatientRate(const codesearch::OtherRevenueRecord& item, const QString& patientType,
                      bool portable)
{
    if (patientType == u"C")
        return item.RateB();
    if (patientType == u"W")
        return item.RateA();
    return portable ? item.RateA() + 500 : item.RateA();
}

double drugPrice(const DrugInvent& invent, const QString& patientType)
{
    return patientType == u"I" ? invent.SellingPriceIn() : invent.SellingPriceOut();
}

double markUpPercent(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    bool seenPoint = false;
    while (end < trimmed.size()) {
        const QChar c = trimmed.at(end);
        const bool sign = end == 0 && (c == u'-' || c == u'+');
        const bool point = c == u'.' && !seenPoint;
        if (!c.isDigit() && !sign && !point)
            break;
        seenPoint = seenPoint || point;
        ++end;
    }
    bool ok = false;
    const double value = trimmed.left(end).toDouble(&ok);
    return ok ? value : 0;
}

std::optional<double> number(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

LineAmounts lineAmounts(double price, double quantity, double markUpPercent)
{
    return {amountText(price), amountText(price * quantity * (1 + markUpPercent / 100))};
}

} // namespace ChargePricing

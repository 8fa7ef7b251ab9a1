#pragma once

#include <QString>
#include <optional>

namespace codesearch {
class OtherRevenueRecord;
}
class DrugInvent;

// How a charge line is priced: the rate of an item for the patient, and the recomputation of a
// line's amount from its price and quantity with or without a mark-up.
namespace ChargePricing {

// "#####.00": the form of every price and amount the charge forms compute (zero is ".00").
QString amountText(double value);

// The in-patient rate of the room class "A" to "E"; none for any other class.
std::optional<double> roomClassRate(const codesearch::OtherRevenueRecord& item,
                                    const QString& roomClass);

// The out-patient rate by the visit's patient type: "C" pays RateB, everyone else RateA, with
// 500 more for a portable exam of a visit that is neither "C" nor "W".
double outPatientRate(const codesearch::OtherRevenueRecord& item, const QString& patientType,
                      bool portable);

// In-patients ("I") pay the in-patient selling price, everybody else the out-patient one.
double drugPrice(const DrugInvent& invent, const QString& patientType);

// The leading number of the mark-up text ("50 %" gives 50); 0 when it does not begin with one.
double markUpPercent(const QString& text);

// A cell converted to a number; nothing when the text is not a number.
std::optional<double> number(const QString& text);

struct LineAmounts {
    QString price;
    QString amount;
};

// Price and amount of a line: price x quantity, raised by the mark-up percentage.
LineAmounts lineAmounts(double price, double quantity, double markUpPercent = 0);

} // namespace ChargePricing

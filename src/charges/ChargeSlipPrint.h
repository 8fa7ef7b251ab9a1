#pragma once

#include <QString>

class AppContext;

// Prints the charge slip of a saved charge: its lines go to the shared print table, which the
// slip template reads.
class ChargeSlipPrint {
public:
    // What the slip says of the patient, from the form that printed it.
    struct Patient {
        QString name;
        QString company;
        QString idNum;
    };

    // The database part the slip procedures are called with, as the form words it.
    explicit ChargeSlipPrint(AppContext& context,
                             const QString& database = QStringLiteral("Clinical_Area"))
        : context_(context)
        , database_(database)
    {}

    // Nothing is printed for a reference number without lines. A failure is told; the saved
    // charge stays as it is.
    void Print_ChargeSlip(const QString& refNum, const Patient& patient);

private:
    void print(const QString& refNum, const Patient& patient);

    AppContext& context_;
    QString database_;
};

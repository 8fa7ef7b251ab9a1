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

    explicit ChargeSlipPrint(AppContext& context)
        : context_(context)
    {}

    // Nothing is printed for a reference number without lines. A failure is told; the saved
    // charge stays as it is.
    void Print_ChargeSlip(const QString& refNum, const Patient& patient);

private:
    void print(const QString& refNum, const Patient& patient);

    AppContext& context_;
};

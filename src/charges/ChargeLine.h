#pragma once

#include <QList>
#include <QString>

// One line of a charge grid as the clerk left it: every cell is text.
struct ChargeLine {
    int row = 0;
    QString deptId;
    QString code;
    QString description;
    QString type;
    QString quantity;
    QString price;
    QString amount;
    QString revenue;
};

using ChargeLines = QList<ChargeLine>;

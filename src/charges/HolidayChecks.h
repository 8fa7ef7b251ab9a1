#pragma once

#include <QString>

namespace db {
class Connection;
}

// Whether a charge starts with the holiday mark-up, judged by the server's clock: outside office
// hours, on a Sunday, on the first fixed holiday, or for a nurse's urgent request.
class HolidayChecks {
public:
    explicit HolidayChecks(db::Connection& connection)
        : connection_(connection)
    {}

    // Before 08:00:00 or from 17:00:00 on.
    bool Check_AfterHours() const;
    bool Check_Sunday() const;
    // Only the first fixed holiday returned counts.
    bool Check_FixedHoliday() const;
    // The nurse's request was marked Stat.
    bool Check_StatRequest(const QString& nurseRequestNum) const;

private:
    db::Connection& connection_;
};

#pragma once

#include <QString>
#include <array>

// The holiday mark-ups the charge forms start with, one per kind of form; "50" each until the
// clerk sets them for the run.
class DefaultMarkUps {
public:
    enum Kind { InPatient = 0, OutPatient = 1, Assessment = 2 };

    // Shared by every form of the run.
    static DefaultMarkUps& shared();

    const QString& value(Kind kind) const { return values_[kind]; }
    void setValue(Kind kind, const QString& value) { values_[kind] = value; }
    void reset() { values_.fill(QStringLiteral("50")); }

private:
    DefaultMarkUps() { reset(); }
    std::array<QString, 3> values_;
};

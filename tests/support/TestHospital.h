#pragma once

#include "db/Connection.h"

#include <QHash>
#include <QTemporaryDir>
#include <memory>

// A hospital folder for tests: the nine database files, empty but for a few small tables, and
// the test procedures of tests/support/procedures.
class TestHospital {
public:
    TestHospital();

    QString folder() const { return dir_.path(); }
    // Through QSQLITE, or through QODBC and the SQLite ODBC driver.
    std::unique_ptr<db::Connection> connect(bool throughOdbc = false) const;

private:
    QTemporaryDir dir_;
};

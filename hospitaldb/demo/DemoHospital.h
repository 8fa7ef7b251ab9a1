#pragma once

#include <QSqlDatabase>

namespace hospitaldb {

enum class DemoSize { Demo, Bench };

// Fills a freshly created hospital. `db` is an open QSQLITE connection on which the nine
// databases are ATTACHed under their own names (Clinical_Area, Patient_Data, ...); the caller
// has begun a transaction and commits it. Throws std::runtime_error with the failing statement
// and the driver's message on any failure.
void generateDemoHospital(QSqlDatabase& db, DemoSize size);

} // namespace hospitaldb

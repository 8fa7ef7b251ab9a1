#pragma once

#include "demo/DemoHospital.h"

#include <QString>

namespace hospitaldb {

// Creates the embedded hospital database in a folder: the nine database files with their
// schema, filled with the demo hospital of the given size.
class HospitalCreator {
public:
    // Throws std::runtime_error when the folder already holds a hospital (unless `reset`), or
    // when anything fails; a failed creation leaves none of its files behind.
    static void create(const QString& folder, DemoSize size, bool reset);

private:
    static void createSchema(const QString& folder, const QString& database);
    static void fill(const QString& folder, DemoSize size);
    static void removeFiles(const QString& folder);
};

} // namespace hospitaldb

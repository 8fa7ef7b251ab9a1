#pragma once

#include "HospitalCreator.h"
#include "db/tsql/EmbeddedFolder.h"

#include <QDir>
#include <QString>
#include <iostream>
#include <sqlite3.h>

// The hospital a benchmark runs on, in bench-data/<name>, created on first use (the bench size
// takes about a minute) and never committed.
inline QString benchHospital(const QString& name = QStringLiteral("bench"),
                             hospitaldb::DemoSize size = hospitaldb::DemoSize::Bench)
{
    const QString folder = QDir(QStringLiteral(BENCH_DATA_DIR)).filePath(name);
    if (!db::tsql::EmbeddedFolder::problem(folder).isEmpty()) {
        std::cerr << "Creating the " << name.toStdString() << " hospital in "
                  << folder.toStdString() << " ...\n";
        hospitaldb::HospitalCreator::create(folder, size, true);
    }
    return folder;
}

// A raw SQLite connection with the nine databases attached as the gateway attaches them.
inline sqlite3* rawConnection(const QString& folder)
{
    sqlite3* handle = nullptr;
    sqlite3_open(":memory:", &handle);
    sqlite3_busy_timeout(handle, 10000);
    for (const QString& name : db::tsql::EmbeddedFolder::databaseNames()) {
        const std::string sql = QStringLiteral("ATTACH DATABASE '%1' AS %2")
                                    .arg(db::tsql::EmbeddedFolder::filePath(folder, name), name)
                                    .toStdString();
        sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, nullptr);
    }
    return handle;
}

#include "EmbeddedFolder.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

namespace db::tsql {

namespace {

// SQLite keeps the application id as a big-endian integer at offset 68 of the file header.
int applicationIdOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(100);
    if (header.size() < 72 || !header.startsWith("SQLite format 3"))
        return 0;
    return qFromBigEndian<qint32>(header.constData() + 68);
}

} // namespace

const QStringList& EmbeddedFolder::databaseNames()
{
    static const QStringList names = {
        QStringLiteral("Clinical_Area"), QStringLiteral("Patient_Data"),
        QStringLiteral("Build_File"),    QStringLiteral("Billing"),
        QStringLiteral("Cardio"),        QStringLiteral("Station"),
        QStringLiteral("Password"),      QStringLiteral("Reports"),
        QStringLiteral("Laboratory"),
    };
    return names;
}

QString EmbeddedFolder::filePath(const QString& folder, const QString& database)
{
    return QDir(folder).filePath(database + QStringLiteral(".db"));
}

QString EmbeddedFolder::problem(const QString& folder)
{
    if (folder.isEmpty() || !QDir(folder).exists())
        return QStringLiteral("The data folder \"%1\" does not exist.").arg(folder);
    for (const QString& name : databaseNames()) {
        const QString path = filePath(folder, name);
        if (!QFile::exists(path))
            return QStringLiteral("The folder \"%1\" is not a hospital database: %2 is missing.")
                .arg(folder, QDir::toNativeSeparators(path));
        if (applicationIdOf(path) != applicationId)
            return QStringLiteral(
                       "The folder \"%1\" is not a hospital database: %2 is not one of its files.")
                .arg(folder, QDir::toNativeSeparators(path));
    }
    return {};
}

bool EmbeddedFolder::holdsAnyFile(const QString& folder)
{
    for (const QString& name : databaseNames())
        if (QFile::exists(filePath(folder, name)))
            return true;
    return false;
}

bool EmbeddedFolder::holdsForeignFile(const QString& folder)
{
    for (const QString& name : databaseNames()) {
        const QString path = filePath(folder, name);
        if (QFile::exists(path) && applicationIdOf(path) != applicationId)
            return true;
    }
    return false;
}

} // namespace db::tsql

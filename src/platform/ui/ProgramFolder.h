#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>

// The program's own folder, where report templates, pictures and character files live. Names
// are given as the department's code writes them, with "\" or "/" in front.
class ProgramFolder {
public:
    static QString file(QString name)
    {
        name.replace(QLatin1Char('\\'), QLatin1Char('/'));
        while (name.startsWith(QLatin1Char('/')))
            name.remove(0, 1);
        return QDir(QCoreApplication::applicationDirPath()).filePath(name);
    }
};

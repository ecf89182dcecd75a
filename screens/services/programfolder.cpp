#include "screens/services/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace numora {

namespace {
QString g_folder;
}

QString programFolder()
{
    return g_folder.isEmpty() ? QCoreApplication::applicationDirPath() : g_folder;
}

QString programFile(const QString &name)
{
    return QDir(programFolder()).filePath(name);
}

void setProgramFolder(const QString &folder)
{
    g_folder = folder;
}

} // namespace numora

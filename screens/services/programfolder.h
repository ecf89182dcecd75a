#pragma once

#include <QString>

namespace numora {

// The folder that holds the program's executable, where its documents and video stand.
QString programFolder();
// A file of the program folder by its name: programFile("NumoraUela.rtf").
QString programFile(const QString &name);
// Tests point the program at a folder of their own; an empty path restores the real one.
void setProgramFolder(const QString &folder);

} // namespace numora

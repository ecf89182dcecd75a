#include "screens/services/savedialogs.h"

#include "screens/services/service.h"

#include <QFileDialog>

namespace numora {

namespace {

Service<SaveDialogs, DesktopSaveDialogs> g_saveDialogs;

} // namespace

QString DesktopSaveDialogs::askSavePath(QWidget *parent, const QString &caption,
                                        const QString &offered, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, offered, filter);
}

QString ScriptedSaveDialogs::askSavePath(QWidget *, const QString &caption,
                                         const QString &offered, const QString &filter)
{
    m_asked.append({caption, offered, filter});
    if (m_paths.empty())
        return {};
    QString path = m_paths.front();
    m_paths.pop_front();
    return path;
}

SaveDialogs &saveDialogs()
{
    return g_saveDialogs.get();
}

void setSaveDialogs(SaveDialogs *dialogs)
{
    g_saveDialogs.install(dialogs);
}

} // namespace numora

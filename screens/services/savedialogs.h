#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>

class QWidget;

namespace numora {

// The desktop's dialog that asks where to save a file. The dialog itself asks before an
// existing file is replaced; an empty path means the user cancelled.
class SaveDialogs
{
public:
    virtual ~SaveDialogs() = default;
    // `offered` is the full path the dialog opens with; `filter` as QFileDialog takes it:
    // "PDF documents (*.pdf)".
    virtual QString askSavePath(QWidget *parent, const QString &caption, const QString &offered,
                                const QString &filter) = 0;
};

// QFileDialog::getSaveFileName: the desktop's own dialog where the platform theme has one.
class DesktopSaveDialogs : public SaveDialogs
{
public:
    QString askSavePath(QWidget *parent, const QString &caption, const QString &offered,
                        const QString &filter) override;
};

struct AskedSave
{
    QString caption;
    QString offered;
    QString filter;

    bool operator==(const AskedSave &) const = default;
};

// Test double: records every dialog and answers from a queue of paths ("" once it is empty).
class ScriptedSaveDialogs : public SaveDialogs
{
public:
    QString askSavePath(QWidget *parent, const QString &caption, const QString &offered,
                        const QString &filter) override;

    void queue(const QString &path) { m_paths.push_back(path); }
    const QList<AskedSave> &asked() const { return m_asked; }

private:
    std::deque<QString> m_paths;
    QList<AskedSave> m_asked;
};

SaveDialogs &saveDialogs();
// nullptr restores the desktop's dialog. The caller keeps ownership.
void setSaveDialogs(SaveDialogs *dialogs);

} // namespace numora

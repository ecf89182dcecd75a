#pragma once

#include "numora/version.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>

class QWidget;

namespace numora {

// Shown in the title bar of every message box that is given no title of its own.
inline const QString kAppTitle = QStringLiteral("Numora INET ") + QLatin1String(kVersion);

enum class MsgButtons { Ok, OkCancel };
enum class MsgAnswer { Ok, Cancel };
enum class MsgIcon { None, Critical };

// Modal message boxes. Escape and the close box count as Cancel, also on a box with OK alone.
class Messages
{
public:
    virtual ~Messages() = default;
    // An empty title shows kAppTitle. A box blocks every window of the program, or, given an
    // `owner`, that window alone.
    virtual MsgAnswer show(const QString &text, MsgButtons buttons = MsgButtons::Ok,
                           const QString &title = {}, MsgIcon icon = MsgIcon::None,
                           QWidget *owner = nullptr) = 0;
};

// The title a box shows: its own, or the application title.
QString boxTitle(const QString &title);

// The least width of a box whose title bar shows `title` whole: the title in a bold title-bar
// font and room for the frame's icon and buttons. Every real box is at least this wide.
int leastBoxWidth(const QString &title);

// The window a box belongs to when it is given no owner: the program's active window, else the
// main window while it is loaded, else none. A box is the child of its owner and transient for
// it, so the window manager or compositor keeps it with that window and above it.
QWidget *boxOwner();

// The real boxes (QMessageBox), application modal, or window modal over their given owner.
class BoxMessages : public Messages
{
public:
    MsgAnswer show(const QString &text, MsgButtons buttons = MsgButtons::Ok,
                   const QString &title = {}, MsgIcon icon = MsgIcon::None,
                   QWidget *owner = nullptr) override;
};

struct ShownMessage
{
    QString text;
    QString title; // as shown: the application title where none was given
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    QString owner = {}; // the owner window's name; empty for a box that blocks every window

    bool operator==(const ShownMessage &) const = default;
};

// Test double: records every box in order and answers from a queue (Ok once it is empty).
//   ScriptedMessages boxes;
//   setMessages(&boxes);
//   boxes.queue(MsgAnswer::Cancel);
class ScriptedMessages : public Messages
{
public:
    MsgAnswer show(const QString &text, MsgButtons buttons = MsgButtons::Ok,
                   const QString &title = {}, MsgIcon icon = MsgIcon::None,
                   QWidget *owner = nullptr) override;

    void queue(MsgAnswer answer);
    void queue(std::initializer_list<MsgAnswer> answers);

    const QList<ShownMessage> &shown() const { return m_shown; }
    QStringList texts() const;
    void clear();

private:
    std::deque<MsgAnswer> m_answers;
    QList<ShownMessage> m_shown;
};

// The program's message boxes; BoxMessages unless a test installed its own.
Messages &messages();
// nullptr restores the real boxes. The caller keeps ownership.
void setMessages(Messages *messages);

} // namespace numora

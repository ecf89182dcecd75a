#include "screens/services/messages.h"

#include "screens/services/forms.h"
#include "screens/services/names.h"
#include "screens/services/service.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

namespace numora {

namespace {

// Room in a title bar beside the title: the window menu icon and the frame's buttons. On
// Wayland the program draws its own title bars, whose title is centred over the whole bar and
// cut where the three buttons on the right begin, so it needs their room on both sides.
constexpr int kTitleBarRoom = 120;
constexpr int kWaylandTitleBarRoom = 200;

// Tells Escape and the close box apart from the OK button, which QMessageBox itself does not
// when OK is the only button; and is never narrower than its title needs.
class MessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;
    bool cancelled() const { return m_cancelled; }

protected:
    bool event(QEvent *event) override
    {
        // QMessageBox fits itself to its text on showing and on every layout change.
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest)
            widenForTitle();
        return handled;
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Cancel))
            m_cancelled = true;
        QMessageBox::keyPressEvent(event);
    }

    void closeEvent(QCloseEvent *event) override
    {
        if (!clickedButton())
            m_cancelled = true;
        QMessageBox::closeEvent(event);
    }

private:
    void widenForTitle()
    {
        const int least = leastBoxWidth(windowTitle());
        if (width() >= least)
            return;
        int height = this->height();
        if (layout() && layout()->hasHeightForWidth())
            height = std::max(height, layout()->totalHeightForWidth(least));
        setFixedSize(least, height);
    }

    bool m_cancelled = false;
};

Service<Messages, BoxMessages> g_messages;

} // namespace

int leastBoxWidth(const QString &title)
{
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return QFontMetrics(titleFont).horizontalAdvance(title)
        + (wayland ? kWaylandTitleBarRoom : kTitleBarRoom);
}

QWidget *boxOwner()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    if (forms().isLoaded(names::MainWindow))
        return forms().form(names::MainWindow);
    return nullptr;
}

QString boxTitle(const QString &title)
{
    return title.isEmpty() ? kAppTitle : title;
}

MsgAnswer BoxMessages::show(const QString &text, MsgButtons buttons, const QString &title,
                            MsgIcon icon, QWidget *owner)
{
    // Made on the heap: should its owner go while the box is open, the owner takes the box
    // with it rather than leave the box to be deleted twice.
    QPointer<MessageBox> box = new MessageBox(
        icon == MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, boxTitle(title),
        text, QMessageBox::NoButton, owner ? owner : boxOwner());
    box->setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    // Plain buttons, as the program's boxes always had: the standard ones carry theme icons.
    QPushButton *ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    QPushButton *cancel = nullptr;
    if (buttons == MsgButtons::OkCancel)
        cancel = box->addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(cancel ? cancel : ok);
    box->exec();
    if (!box)
        return MsgAnswer::Cancel;
    const bool cancelled =
        box->cancelled() || !box->clickedButton() || box->clickedButton() == cancel;
    delete box;
    return cancelled ? MsgAnswer::Cancel : MsgAnswer::Ok;
}

MsgAnswer ScriptedMessages::show(const QString &text, MsgButtons buttons, const QString &title,
                                 MsgIcon icon, QWidget *owner)
{
    m_shown.append({text, boxTitle(title), buttons, icon, owner ? owner->objectName() : QString()});
    if (m_answers.empty())
        return MsgAnswer::Ok;
    const MsgAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void ScriptedMessages::queue(MsgAnswer answer)
{
    m_answers.push_back(answer);
}

void ScriptedMessages::queue(std::initializer_list<MsgAnswer> answers)
{
    m_answers.insert(m_answers.end(), answers);
}

QStringList ScriptedMessages::texts() const
{
    QStringList result;
    for (const ShownMessage &m : m_shown)
        result.append(m.text);
    return result;
}

void ScriptedMessages::clear()
{
    m_answers.clear();
    m_shown.clear();
}

Messages &messages()
{
    return g_messages.get();
}

void setMessages(Messages *messages)
{
    g_messages.install(messages);
}

} // namespace numora

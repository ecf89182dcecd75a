#include "screens/services/messages.h"

#include "screens/services/forms.h"
#include "screens/services/names.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace numora {
namespace {

TEST(ScriptedMessages, RecordsEveryBoxInOrderAndAnswersFromTheQueue)
{
    ScriptedMessages boxes;
    setMessages(&boxes);
    boxes.queue(MsgAnswer::Cancel);

    EXPECT_EQ(messages().show("Is the printer on?", MsgButtons::OkCancel, "Print"),
              MsgAnswer::Cancel);
    EXPECT_EQ(messages().show("Already Custom"), MsgAnswer::Ok); // queue empty: Ok
    EXPECT_EQ(messages().show("Bad", MsgButtons::Ok, {}, MsgIcon::Critical), MsgAnswer::Ok);

    const QList<ShownMessage> expected{
        {"Is the printer on?", "Print", MsgButtons::OkCancel, MsgIcon::None},
        {"Already Custom", "Numora INET 1.6", MsgButtons::Ok, MsgIcon::None},
        {"Bad", "Numora INET 1.6", MsgButtons::Ok, MsgIcon::Critical},
    };
    EXPECT_EQ(boxes.shown(), expected);
    EXPECT_EQ(boxes.texts(), QStringList({"Is the printer on?", "Already Custom", "Bad"}));

    setMessages(nullptr);
    EXPECT_NE(dynamic_cast<BoxMessages *>(&messages()), nullptr);
}

enum class Act { Escape, Enter, ClickOk, ClickCancel, CloseBox };

struct BoxCase
{
    const char *name;
    MsgButtons buttons;
    Act act;
    MsgAnswer expected;
};

void PrintTo(const BoxCase &c, std::ostream *os)
{
    *os << c.name;
}

class RealBox : public ::testing::TestWithParam<BoxCase>
{
};

QMessageBox *openBox()
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
        return box;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
            return box;
    }
    return nullptr;
}

QAbstractButton *buttonWithText(QMessageBox *box, const QString &text)
{
    for (QAbstractButton *b : box->buttons()) {
        if (b->text().remove('&') == text)
            return b;
    }
    return nullptr;
}

// Drives the real box from inside its own modal loop.
TEST_P(RealBox, AnswerFollowsTheButtonEscapeAndCloseBoxAreCancel)
{
    const BoxCase c = GetParam();
    QObject context;
    QString title;
    QStringList buttonTexts;
    bool found = false;
    QTimer::singleShot(0, &context, [&] {
        QMessageBox *box = openBox();
        if (!box)
            return;
        found = true;
        title = box->windowTitle();
        for (QAbstractButton *b : box->buttons())
            buttonTexts.append(b->text().remove('&'));
        switch (c.act) {
        case Act::Escape: QTest::keyClick(box, Qt::Key_Escape); break;
        case Act::Enter: QTest::keyClick(box, Qt::Key_Return); break;
        case Act::ClickOk: buttonWithText(box, "OK")->click(); break;
        case Act::ClickCancel: buttonWithText(box, "Cancel")->click(); break;
        case Act::CloseBox: box->close(); break;
        }
    });
    // A safety net so that a box nobody answers cannot hang the run.
    QTimer::singleShot(3000, &context, [] {
        if (QWidget *box = openBox())
            box->hide();
    });

    BoxMessages boxes;
    const MsgAnswer answer = boxes.show("Is the printer on?", c.buttons);
    ASSERT_TRUE(found);
    EXPECT_EQ(answer, c.expected);
    EXPECT_EQ(title, "Numora INET 1.6");
    EXPECT_EQ(buttonTexts.size(), c.buttons == MsgButtons::OkCancel ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, RealBox,
    ::testing::Values(BoxCase{"OkCancel_Escape", MsgButtons::OkCancel, Act::Escape, MsgAnswer::Cancel},
                      BoxCase{"OkCancel_Enter", MsgButtons::OkCancel, Act::Enter, MsgAnswer::Ok},
                      BoxCase{"OkCancel_ClickCancel", MsgButtons::OkCancel, Act::ClickCancel, MsgAnswer::Cancel},
                      BoxCase{"OkCancel_CloseBox", MsgButtons::OkCancel, Act::CloseBox, MsgAnswer::Cancel},
                      BoxCase{"Ok_Escape", MsgButtons::Ok, Act::Escape, MsgAnswer::Cancel},
                      BoxCase{"Ok_ClickOk", MsgButtons::Ok, Act::ClickOk, MsgAnswer::Ok},
                      BoxCase{"Ok_CloseBox", MsgButtons::Ok, Act::CloseBox, MsgAnswer::Cancel}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(RealBoxLook, OwnTitleAndCriticalIcon)
{
    QObject context;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, &context, [&] {
        if (QMessageBox *box = openBox()) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    BoxMessages().show("The Printer was not ready, Close Numora", MsgButtons::OkCancel,
                       "Printer not ready", MsgIcon::Critical);
    EXPECT_EQ(title, "Printer not ready");
    EXPECT_EQ(text, "The Printer was not ready, Close Numora");
    EXPECT_EQ(icon, QMessageBox::Critical);
}

// A box is at least as wide as its title needs in the title bar, however short its text, so the
// window manager does not cut the title; the text and the buttons stay as they are.
TEST(RealBoxLook, WideEnoughForItsTitle)
{
    const QStringList titles{
        "Start Picking by clicking the top buttons.",
        "Commencement cueillant à cliqueter près l' haut boutons.",
        "Beginn pflücken durch Reißen die Spitze zuknöpft.",
        "Start Picking by clicking gli cima bottone.",
        "Poner en marcha Picking por hacer tictac el tope botoneses.",
        "Number already entered",
        "Entry of Draws done",
        "", // the application title, "Numora INET 1.6"
    };
    QFont bold = QApplication::font();
    bold.setBold(true);
    for (const QString &given : titles) {
        const QString title = boxTitle(given);
        EXPECT_GE(leastBoxWidth(title), QFontMetrics(bold).horizontalAdvance(title) + 100);
        QObject context;
        int width = 0;
        QString text;
        int buttons = 0;
        bool modal = false;
        QTimer::singleShot(0, &context, [&] {
            if (QMessageBox *box = openBox()) {
                width = box->width();
                text = box->text();
                buttons = int(box->buttons().size());
                modal = box->isModal();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        BoxMessages().show("OK", MsgButtons::Ok, given);
        EXPECT_GE(width, leastBoxWidth(title)) << title.toStdString();
        EXPECT_EQ(text, "OK");
        EXPECT_EQ(buttons, 1);
        EXPECT_TRUE(modal);
    }
}

// A box belongs to the window the user was in: the active window, else the main window. It is
// that window's child and transient for it, which the window system reads as its owner
// (WM_TRANSIENT_FOR on X11, xdg_toplevel.set_parent on Wayland).
TEST(RealBoxOwner, ActiveWindowElseMainWindowElseNone)
{
    forms().registerForm(names::MainWindow, [] { return new Form; });
    EXPECT_EQ(boxOwner(), nullptr); // nothing loaded, nothing active

    QWidget *mainWindow = forms().form(names::MainWindow);
    EXPECT_EQ(boxOwner(), mainWindow);

    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_EQ(QApplication::activeWindow(), &other);
    EXPECT_EQ(boxOwner(), &other);

    QObject context;
    QWidget *parent = nullptr;
    QWindow *transientParent = nullptr;
    QTimer::singleShot(0, &context, [&] {
        if (QMessageBox *box = openBox()) {
            parent = box->parentWidget();
            transientParent = box->windowHandle()->transientParent();
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    EXPECT_EQ(BoxMessages().show("Entry of Draws done", MsgButtons::Ok, "Click Next or Undo"),
              MsgAnswer::Ok);
    EXPECT_EQ(parent, &other);
    ASSERT_NE(transientParent, nullptr);
    EXPECT_EQ(transientParent, other.windowHandle());

    other.hide();
    QApplication::setActiveWindow(nullptr);
    EXPECT_EQ(boxOwner(), mainWindow);
    forms().unloadAll();
}

// The owner may go while its box is open (the program ends, say); the box goes with it and the
// answer is Cancel, with nothing deleted twice.
TEST(RealBoxOwner, OwnerClosedWhileTheBoxIsOpen)
{
    auto *owner = new QWidget;
    owner->show();
    QApplication::setActiveWindow(owner);
    QObject context;
    QTimer::singleShot(0, &context, [&] { delete owner; });
    QTimer::singleShot(3000, &context, [] {
        if (QWidget *box = openBox())
            box->hide();
    });
    EXPECT_EQ(BoxMessages().show("Is the printer on?", MsgButtons::OkCancel), MsgAnswer::Cancel);
}

} // namespace
} // namespace numora

#include "program_fixture.h"

#include "screens/services/controls.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTextEdit>

using namespace numora;
namespace names = numora::names;

// Every control a user can act on or read says what it is to a screen reader, and every
// action is reachable from the keyboard.
TEST_F(ProgramTest, EveryControlHasAnAccessibleNameAndTakesTheKeyboard)
{
    engine::state().cst = {6, 49, 6, 0, 1};
    const QStringList windows{
        names::MainWindow, names::Entry649, names::EntryS7, names::EntryCst, names::SelectPrn649,
        names::SelectPrnS7, names::SelectPrnCst, names::Display649, names::DisplayS7,
        names::DisplayCst, names::Odds, names::LottSet, names::Help, names::Video, names::About,
        names::Licence, names::Splash};
    for (const QString &name : windows) {
        QWidget *window = forms().show(name);
        ASSERT_NE(window, nullptr) << name.toStdString();
        for (QWidget *w : window->findChildren<QWidget *>()) {
            const bool actionable = qobject_cast<QAbstractButton *>(w) || qobject_cast<ClickLabel *>(w)
                || qobject_cast<QLineEdit *>(w) || qobject_cast<QSlider *>(w);
            const bool readable = actionable || qobject_cast<QLabel *>(w) || qobject_cast<QTextEdit *>(w);
            if (!readable || !w->isVisibleTo(window))
                continue;
            const QString where = name + "/" + w->objectName() + " (" + w->metaObject()->className() + ")";
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(face, nullptr) << where.toStdString();
            const auto *label = qobject_cast<QLabel *>(w);
            // Background pictures and blank lines are decoration: a screen reader passes them by.
            const bool decoration = label && !actionable && label->text().trimmed().isEmpty()
                && (w->objectName() == QLatin1String("background") || label->pixmap().isNull());
            if (!decoration) {
                EXPECT_FALSE(face->text(QAccessible::Name).trimmed().isEmpty()) << where.toStdString();
            }
            if (actionable && w->isEnabled()) {
                EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus) << where.toStdString();
            }
        }
        forms().hide(name);
    }
}

// A screen reader sees each window as a frame or a dialog named by its caption, and each
// clickable picture or caption as a button it can press.
TEST_F(ProgramTest, WindowsReadAsFramesOrDialogsAndClickablePicturesAsButtons)
{
    const QStringList windows{names::MainWindow, names::Entry649, names::Odds, names::LottSet,
                              names::Help, names::About, names::Video, names::Splash};
    for (const QString &name : windows) {
        QWidget *window = forms().show(name);
        ASSERT_NE(window, nullptr) << name.toStdString();
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(window);
        ASSERT_NE(face, nullptr) << name.toStdString();
        const QAccessible::Role expected = window->windowType() == Qt::Dialog ? QAccessible::Dialog
                                                                              : QAccessible::Window;
        EXPECT_EQ(face->role(), expected) << name.toStdString();
        if (!window->windowTitle().isEmpty())
            EXPECT_EQ(face->text(QAccessible::Name), window->windowTitle()) << name.toStdString();
        else
            EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << name.toStdString();

        for (ClickLabel *label : window->findChildren<ClickLabel *>()) {
            const std::string where = (name + "/" + label->objectName()).toStdString();
            QAccessibleInterface *l = QAccessible::queryAccessibleInterface(label);
            ASSERT_NE(l, nullptr) << where;
            EXPECT_EQ(l->role(), QAccessible::Button) << where;
            EXPECT_FALSE(l->text(QAccessible::Name).trimmed().isEmpty()) << where;
            QAccessibleActionInterface *actions = l->actionInterface();
            ASSERT_NE(actions, nullptr) << where;
            if (!label->isEnabled())
                continue;
            ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
                << where;
            QSignalSpy clicked(label, &ClickLabel::clicked);
            actions->doAction(QAccessibleActionInterface::pressAction());
            EXPECT_TRUE(clicked.wait(1000)) << where;
        }
        forms().hide(name);
    }
}

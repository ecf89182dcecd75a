#include "program_fixture.h"

#include "engine/lottery.h"
#include "screens/displaywindow.h"
#include "screens/selectionscreen.h"
#include "screens/services/controls.h"
#include "screens/services/geometry.h"
#include "screens/services/textcanvas.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTextEdit>

#include <memory>

using namespace numora;
namespace names = numora::names;

namespace {

const QStringList &allWindows()
{
    static const QStringList windows{
        names::MainWindow, names::Entry649, names::EntryS7, names::EntryCst, names::SelectPrn649,
        names::SelectPrnS7, names::SelectPrnCst, names::Display649, names::DisplayS7,
        names::DisplayCst, names::Odds, names::LottSet, names::Help, names::Video, names::About,
        names::Licence, names::Splash};
    return windows;
}

} // namespace

// Every control a user can act on or read says what it is to a screen reader, and every
// action is reachable from the keyboard.
TEST_F(ProgramTest, EveryControlHasAnAccessibleNameAndTakesTheKeyboard)
{
    engine::state().cst = {6, 49, 6, 0, 1};
    for (const QString &name : allWindows()) {
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

namespace {

// Lets the event loop run until `done` holds or a second has passed.
template<class Done>
bool settles(Done done)
{
    for (int waited = 0; !done() && waited < 1000; waited += 10)
        QTest::qWait(10);
    return done();
}

// A control of each kind the windows use, in a window of its own, with the clicks it gets.
struct ControlUnderTest
{
    QWidget window;
    QAbstractButton *button = nullptr;
    ClickLabel *label = nullptr;
    int clicks = 0;

    QWidget *control() const { return button ? static_cast<QWidget *>(button) : label; }
};

enum class Kind { PushButton, Option, SelectedOption, ClickablePicture };

std::unique_ptr<ControlUnderTest> makeControl(Kind kind)
{
    auto made = std::make_unique<ControlUnderTest>();
    ControlUnderTest *c = made.get();
    // Something else to hold the focus first (the first in the window's tab order), so a
    // focus action has somewhere to move from.
    auto *other = new QPushButton(QStringLiteral("Close"), &c->window);
    other->setGeometry(130, 0, 60, 30);
    switch (kind) {
    case Kind::PushButton:
        c->button = new QPushButton(QStringLiteral("Show"), &c->window);
        break;
    case Kind::Option:
    case Kind::SelectedOption: {
        auto *frame = new FrameBox(QStringLiteral("Number of selections"), &c->window);
        frame->setGeometry(0, 40, 120, 100);
        auto *first = new OptionButton(QStringLiteral("Five"), frame);
        first->setGeometry(10, 20, 100, 20);
        auto *option = new OptionButton(QStringLiteral("Ten"), frame);
        option->setGeometry(10, 50, 100, 20);
        if (kind == Kind::SelectedOption)
            option->setChecked(true);
        else
            first->setChecked(true);
        c->button = option;
        break;
    }
    case Kind::ClickablePicture:
        c->label = new ClickLabel(QStringLiteral("Percent chance of lucky numbers= 20"), &c->window);
        break;
    }
    c->control()->setGeometry(c->control()->x(), c->control()->y(), 120, 30);
    if (c->button)
        QObject::connect(c->button, &QAbstractButton::clicked, &c->window, [c] { ++c->clicks; });
    else
        QObject::connect(c->label, &ClickLabel::clicked, &c->window, [c] { ++c->clicks; });
    c->window.resize(200, 150);
    c->window.show();
    c->window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&c->window));
    other->setFocus();
    return made;
}

} // namespace

// Every action a screen reader offers on a control has the effect a click has: the press of a
// button or a clickable picture, the toggle of an option (which also selects it), and, for an
// option, taking the focus, which selects it and runs its click. Focus elsewhere only moves
// the focus.
TEST_F(ProgramTest, EveryScreenReaderActionOnAControlIsAClick)
{
    const struct
    {
        const char *name;
        Kind kind;
        QString action;
        int clicks;
    } cases[] = {
        {"push button: press", Kind::PushButton, QAccessibleActionInterface::pressAction(), 1},
        {"push button: focus", Kind::PushButton, QAccessibleActionInterface::setFocusAction(), 0},
        {"option: toggle", Kind::Option, QAccessibleActionInterface::toggleAction(), 1},
        {"option: focus", Kind::Option, QAccessibleActionInterface::setFocusAction(), 1},
        {"selected option: toggle", Kind::SelectedOption, QAccessibleActionInterface::toggleAction(), 1},
        {"clickable picture: press", Kind::ClickablePicture, QAccessibleActionInterface::pressAction(), 1},
        {"clickable picture: focus", Kind::ClickablePicture, QAccessibleActionInterface::setFocusAction(), 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto control = makeControl(c.kind);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control->control());
        ASSERT_NE(face, nullptr);
        QAccessibleActionInterface *actions = face->actionInterface();
        ASSERT_NE(actions, nullptr);
        ASSERT_TRUE(actions->actionNames().contains(c.action)) << actions->actionNames().join(", ").toStdString();
        actions->doAction(c.action);
        if (c.clicks > 0) {
            EXPECT_TRUE(settles([&] { return control->clicks >= c.clicks; }));
        } else {
            EXPECT_TRUE(settles([&] { return control->control()->hasFocus(); }));
        }
        QTest::qWait(150); // past a press's animation: no second click comes
        EXPECT_EQ(control->clicks, c.clicks);
        if (c.kind == Kind::Option || c.kind == Kind::SelectedOption) {
            EXPECT_TRUE(control->button->isChecked());
            EXPECT_TRUE(face->state().checked);
        }
        // A disabled control offers nothing to press or toggle, and ignores the action.
        control->control()->setEnabled(false);
        EXPECT_FALSE(actions->actionNames().contains(c.action)
                     && c.action != QAccessibleActionInterface::setFocusAction());
        actions->doAction(c.action);
        QTest::qWait(150);
        EXPECT_EQ(control->clicks, c.clicks);
    }
}

// The controls of every window are of the kinds above and offer no other action, so what a
// screen reader can do on any of them is a click.
TEST_F(ProgramTest, EveryWindowsControlsOfferOnlyActionsThatClick)
{
    engine::state().cst = {6, 49, 6, 0, 1};
    const QStringList known{QAccessibleActionInterface::pressAction(),
                            QAccessibleActionInterface::toggleAction(),
                            QAccessibleActionInterface::setFocusAction()};
    for (const QString &name : allWindows()) {
        QWidget *window = forms().show(name);
        ASSERT_NE(window, nullptr) << name.toStdString();
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(window) || !w->isEnabled())
                continue;
            const std::string where = (name + "/" + w->objectName() + " (" + w->metaObject()->className() + ")").toStdString();
            if (qobject_cast<QRadioButton *>(w)) {
                EXPECT_TRUE(qobject_cast<OptionButton *>(w)) << where;
            }
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
            QAccessibleActionInterface *actions = face ? face->actionInterface() : nullptr;
            if (!actions)
                continue;
            for (const QString &action : actions->actionNames()) {
                EXPECT_TRUE(known.contains(action)) << where << ": " << action.toStdString();
            }
            const QString click = qobject_cast<OptionButton *>(w) ? QAccessibleActionInterface::toggleAction()
                : qobject_cast<QAbstractButton *>(w) || qobject_cast<ClickLabel *>(w)
                ? QAccessibleActionInterface::pressAction()
                : QString();
            if (!click.isEmpty()) {
                EXPECT_TRUE(actions->actionNames().contains(click)) << where;
            }
        }
        forms().hide(name);
    }
}

// Toggling Ten or Twenty as a screen reader does, then Show: ten or twenty tickets, in a
// display window of the height for them, on each lottery's selection screen.
TEST_F(ProgramTest, ToggledOptionGivesItsNumberOfTickets)
{
    const struct
    {
        engine::LottKind kind;
        const char *option;
        int tickets;
        int outerTwips;
    } cases[] = {
        {engine::LottKind::Lott649, "optSel10", 10, 5190 * 51 / 100 + 260},
        {engine::LottKind::Lott649, "optSel20", 20, 5190},
        {engine::LottKind::LottS7, "opSel10", 10, (4890 + 375) * 51 / 100 + 260},
        {engine::LottKind::LottS7, "opSel20", 20, 4890 + 375},
        {engine::LottKind::LottCst, "opSel10", 10, (4890 + 375) * 51 / 100 + 260},
        {engine::LottKind::LottCst, "opSel20", 20, 4890 + 375},
    };
    for (const auto &c : cases) {
        const QString screen = SelectionScreen::nameOf(c.kind);
        SCOPED_TRACE(screen.toStdString() + "/" + c.option);
        forms().unloadAll();
        engine::resetState();
        engine::state().cst = {6, 49, 6, 0, 1};
        for (int n = 1; n <= engine::completionTarget(c.kind); ++n) {
            engine::lucky(c.kind).numClicked = static_cast<std::uint8_t>(n * 3);
            engine::AddLuckyNum(c.kind);
        }
        engine::lucky(c.kind).entState = 2;
        QWidget *window = forms().show(screen);
        ASSERT_NE(window, nullptr);
        auto *option = window->findChild<OptionButton *>(QString::fromLatin1(c.option));
        ASSERT_NE(option, nullptr);
        // As the window opens, Five takes the focus and is selected; the user comes after.
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        ASSERT_TRUE(settles([&] { return window->findChildren<OptionButton *>().first()->isChecked(); }));
        QAccessible::queryAccessibleInterface(option)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
        ASSERT_TRUE(settles([&] { return option->isChecked(); }));
        QCoreApplication::processEvents();
        window->findChild<QPushButton *>(QStringLiteral("disSel"))->click();
        auto *display = forms().form<DisplayWindow>(DisplayWindow::nameOf(c.kind));
        ASSERT_NE(display, nullptr);
        EXPECT_EQ(display->canvas()->lineCount(), c.tickets);
        EXPECT_NEAR(outerHeightTwips(display), c.outerTwips, 7);
    }
}

#include "infowindows_fixture.h"

#include "help/splash.h"

#include <QPointer>
#include <functional>
#include <QTimer>

using namespace numora;

namespace {

class SplashTest : public InfoWindowsTest
{
protected:
    void SetUp() override
    {
        InfoWindowsTest::SetUp();
        forms().registerForm(names::Splash, [] { return new Splash(kInterval); });
    }
    static constexpr int kInterval = 50;
};

} // namespace

TEST_F(SplashTest, LoadsWithWhiteLabelsOverTheTitlePicture)
{
    QWidget *splash = forms().show(names::Splash);
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->windowTitle().isEmpty());
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(child(names::Splash, "client")->size(), QSize(318, 209));
    const struct { const char *name; QString text; int top; } labels[] = {
        {"lblCompany", "Distributed by Corvane Software", 160},
        {"lblCopyright", QString::fromUtf8("Copyright © Corvane Software. All rights reserved."), 176},
        {"lblCopyright2", "   ", 192},
    };
    for (const auto &l : labels) {
        auto *label = child<QLabel>(names::Splash, l.name);
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), l.text);
        EXPECT_EQ(label->geometry(), QRect(0, l.top, 321, 17));
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::white));
        EXPECT_TRUE(label->autoFillBackground());
    }
    EXPECT_EQ(child<QTimer>(names::Splash, "Timer1")->interval(), kInterval);
    EXPECT_EQ(Splash().findChild<QTimer *>("Timer1")->interval(), 4000);
}

TEST_F(SplashTest, TimerHidesItAndShowsTheMainWindowOnce)
{
    QWidget *splash = forms().show(names::Splash);
    auto *timer = splash->findChild<QTimer *>("Timer1");
    EXPECT_TRUE(timer->isActive());
    EXPECT_FALSE(forms().isVisible(names::MainWindow));

    ASSERT_TRUE(QTest::qWaitFor([] { return forms().isVisible(names::MainWindow); }, 5000));
    EXPECT_TRUE(forms().isLoaded(names::Splash));
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(splash->isEnabled());
    EXPECT_FALSE(timer->isActive());

    // The key path does not follow: a late key leaves the splash screen loaded.
    QTest::keyClick(splash, Qt::Key_Space);
    EXPECT_TRUE(forms().isLoaded(names::Splash));
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(SplashTest, KeyShowsTheMainWindowAndUnloadsItsTimerWithIt)
{
    // A close request from the window system hands over the same way.
    const struct { const char *name; std::function<void(QWidget *)> act; } ways[] = {
        {"key", [](QWidget *w) { QTest::keyClick(w, Qt::Key_A); }},
        {"modifier key", [](QWidget *w) { QTest::keyClick(w, Qt::Key_Alt); }},
        {"close request", [](QWidget *w) { w->close(); }},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.name);
        forms().unload(names::MainWindow);
        QWidget *splash = forms().show(names::Splash);
        QPointer<QTimer> timer = splash->findChild<QTimer *>("Timer1");

        way.act(splash);
        EXPECT_TRUE(forms().isVisible(names::MainWindow));
        EXPECT_FALSE(forms().isLoaded(names::Splash));
        EXPECT_TRUE(timer.isNull() || !timer->isActive());

        // The timer goes with the splash screen, so it can never bring the main window back.
        forms().hide(names::MainWindow);
        EXPECT_TRUE(QTest::qWaitFor([&] { return timer.isNull(); }, 10 * kInterval));
        EXPECT_FALSE(forms().isVisible(names::MainWindow));
        EXPECT_FALSE(forms().isLoaded(names::Splash));
    }
    EXPECT_EQ(ending.endCalls(), 0);
}

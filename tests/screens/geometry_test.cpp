#include "screens/services/fonts.h"
#include "screens/services/geometry.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace numora {
namespace {

TEST(Geometry, ControlsArePlacedByTheirTwips)
{
    QWidget window;
    setClientSizeTwips(&window, 4920, 4980);
    EXPECT_EQ(window.size(), QSize(328, 332));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());

    auto *button = new QPushButton(&window);
    placeTwips(button, 960, 0, 975, 375);
    EXPECT_EQ(button->geometry(), QRect(64, 0, 65, 25));
}

// The display window shrinks from its outer height: floor(H * 0.27) + 260 for five selections.
TEST(Geometry, OuterHeightIsClientPlusClassicFrameWhereNoneIsReported)
{
    QWidget window(nullptr, fixedSingleFlags());
    setClientSizeTwips(&window, 2310, 4815);
    window.show();
    EXPECT_EQ(outerHeightTwips(&window), 5190);

    const int five = int(std::floor(5190 * 0.27)) + 260;
    ASSERT_EQ(five, 1661);
    setOuterHeightTwips(&window, five);
    EXPECT_NEAR(outerHeightTwips(&window), 1661, kTwipsPerPixel / 2);
    EXPECT_EQ(window.width(), px(2310));
    EXPECT_EQ(window.minimumHeight(), window.maximumHeight());
}

TEST(Geometry, CentredWindowSitsInTheMiddleOfTheScreen)
{
    QWidget window(nullptr, fixedSingleFlags());
    setClientSizeTwips(&window, 4920, 4980);
    centreWindow(&window);
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    const QRect outer(window.pos(), QSize(window.width(), window.height() + px(kDefaultFrameTwips)));
    EXPECT_LE((outer.center() - screenCentre).manhattanLength(), 2);
}

// The controls' font is as wide on average as MS Sans Serif 8.25 point: 5 pixels at 96 dpi.
TEST(Fonts, ControlFontIsNarrowWithTheDesignedAverageWidth)
{
    const QFont font = controlFont();
    EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans Narrow");
    EXPECT_FALSE(QFontInfo(font).bold());
    if (qFuzzyCompare(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0)) {
        EXPECT_EQ(QFontMetrics(font).averageCharWidth(), 5);
    }
}

TEST(Fonts, DesignFontIsLiberationSans)
{
    const QFont font = designFont(9.75, true);
    const QFontInfo info(font);
    EXPECT_EQ(info.family(), "Liberation Sans");
    EXPECT_TRUE(info.bold());
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.75);
}

} // namespace
} // namespace numora

#include "assets/pictures.h"
#include "screens/services/fonts.h"
#include "screens/services/textcanvas.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QWidget>

namespace numora {
namespace {

class CanvasTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window.resize(300, 200);
        m_canvas = new TextCanvas(&m_window);
        m_canvas->setFont(designFont(10, true));
    }

    int zone() const { return m_canvas->zoneWidth(m_canvas->printFont()); }

    QWidget m_window;
    TextCanvas *m_canvas = nullptr;
};

// Items on one line and the zone (multiples of 14 average character widths) each starts in.
struct ZoneCase
{
    const char *name;
    QStringList items;
    QList<int> zones;
};

void PrintTo(const ZoneCase &c, std::ostream *os)
{
    *os << c.name;
}

class CanvasZones : public CanvasTest, public ::testing::WithParamInterface<ZoneCase>
{
};

// About 20 average widths: longer than one zone, shorter than two.
const QString kLong(20, QLatin1Char('n'));

TEST_P(CanvasZones, ItemsStartAtTheNextZoneBoundary)
{
    const ZoneCase c = GetParam();
    const int z = zone();
    const int longWidth = QFontMetrics(m_canvas->printFont(), m_canvas).horizontalAdvance(kLong);
    ASSERT_GT(longWidth, z);
    ASSERT_LT(longWidth, 2 * z);

    m_canvas->printLine(c.items);
    ASSERT_EQ(m_canvas->lines(), QList<QStringList>{c.items});
    for (int i = 0; i < c.zones.size(); ++i)
        EXPECT_EQ(m_canvas->itemX(0, i), c.zones[i] * z) << "item " << i;
}

INSTANTIATE_TEST_SUITE_P(
    TextCanvas, CanvasZones,
    ::testing::Values(ZoneCase{"OneItem", {"NUMORA"}, {0}},
                      ZoneCase{"ShortItems", {"6", "49", "x"}, {0, 1, 2}},
                      ZoneCase{"EmptyItemTakesItsZone", {"", "b"}, {0, 1}},
                      ZoneCase{"LongItemPushesNext", {kLong, "b"}, {0, 2}},
                      ZoneCase{"LongItemInMiddle", {"a", kLong, "c", "d"}, {0, 1, 3, 4}}),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(CanvasTest, LinesStackDownEachInTheFontItWasPrintedIn)
{
    m_canvas->printLine({"first"});
    m_canvas->setFontSize(20);
    m_canvas->setBold(false);
    m_canvas->printLine({"second"});
    m_canvas->printLine();

    EXPECT_EQ(m_canvas->lines(), QList<QStringList>({{"first"}, {"second"}, {}}));
    EXPECT_DOUBLE_EQ(m_canvas->lineFont(0).pointSizeF(), 10);
    EXPECT_TRUE(m_canvas->lineFont(0).bold());
    EXPECT_DOUBLE_EQ(m_canvas->lineFont(1).pointSizeF(), 20);
    EXPECT_FALSE(m_canvas->lineFont(1).bold());

    const int first = QFontMetrics(m_canvas->lineFont(0), m_canvas).lineSpacing();
    const int second = QFontMetrics(m_canvas->lineFont(1), m_canvas).lineSpacing();
    EXPECT_EQ(m_canvas->lineTop(0), 0);
    EXPECT_EQ(m_canvas->lineTop(1), first);
    EXPECT_EQ(m_canvas->lineTop(2), first + second);

    m_canvas->clear();
    EXPECT_TRUE(m_canvas->lines().isEmpty());
    m_canvas->printLine({"again"});
    EXPECT_EQ(m_canvas->lineTop(0), 0);
}

int darkPixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 100)
                ++count;
        }
    }
    return count;
}

TEST_F(CanvasTest, RepaintDrawsPictureAndKeptLinesOverIt)
{
    // The narrow window's picture (157 pixels wide): drawn at the top left, read at each paint.
    m_canvas->setBackground(QStringLiteral("display-blue"));
    m_window.show();
    m_canvas->printLine({"WWWWWWWW"});

    const QRect textArea(0, 0, 150, m_canvas->lineTop(0) + 20);
    const QImage picture = numora::picture(QStringLiteral("display-blue"), 1.0).toImage();
    QImage shot = m_canvas->grab().toImage();
    EXPECT_EQ(shot.pixelColor(20, 150), picture.pixelColor(20, 150));
    EXPECT_EQ(shot.pixelColor(150, 190), picture.pixelColor(150, 190));
    EXPECT_NE(shot.pixelColor(200, 150), picture.pixelColor(150, 150));
    EXPECT_GT(darkPixels(shot, textArea), 20);

    m_window.resize(300, 120); // the display window shrinks
    EXPECT_EQ(m_canvas->size(), QSize(300, 120));
    shot = m_canvas->grab().toImage();
    EXPECT_GT(darkPixels(shot, textArea), 20);

    m_canvas->clear();
    shot = m_canvas->grab().toImage();
    EXPECT_EQ(darkPixels(shot, textArea), 0);
}

} // namespace
} // namespace numora

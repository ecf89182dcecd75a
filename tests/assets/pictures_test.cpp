#include "assets/pictures.h"

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

namespace {

struct Expected
{
    const char *name;
    int width;
    int height;
};

// The sizes the windows place these pictures at.
const Expected kPictures[] = {
    {"main", 328, 317},
    {"entry649", 385, 358},
    {"entryS7", 384, 358},
    {"entryCst", 368, 372},
    {"selections-blue", 265, 249},
    {"selections-lilac", 265, 249},
    {"display-blue", 157, 394},
    {"display-offwhite", 213, 427},
    {"arrow-up", 32, 32},
    {"arrow-down", 32, 32},
    {"settings", 64, 64},
    {"film", 41, 41},
    {"title", 318, 209},
    {"flag-fra", 41, 41},
    {"flag-us", 41, 41},
    {"flag-can", 41, 41},
    {"flag-ita", 41, 41},
    {"flag-spa", 41, 41},
    {"flag-uk", 41, 41},
    {"flag-ger", 41, 41},
};

const char *const kIcons[] = {"icon-numora", "icon-649", "icon-s7", "icon-cst", "icon-settings"};
const int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
const int kOfferedIconSizes[] = {16, 24, 32, 48, 64};

TEST(Pictures, ListMatchesTheWindowsNeeds)
{
    QSet<QString> expected;
    for (const auto &e : kPictures)
        expected.insert(QString::fromLatin1(e.name));
    const QStringList names = numora::pictureNames();
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()), expected);
    EXPECT_EQ(names.size(), expected.size());
}

TEST(Pictures, EachDecodesAtItsSizeAndTwiceItsSize)
{
    for (const auto &e : kPictures) {
        SCOPED_TRACE(e.name);
        const QString name = QString::fromLatin1(e.name);
        const QSize size(e.width, e.height);
        EXPECT_EQ(numora::pictureSize(name), size);

        EXPECT_EQ(QImage(QStringLiteral(":/images/%1.png").arg(name)).size(), size);
        EXPECT_EQ(QImage(QStringLiteral(":/images/%1@2x.png").arg(name)).size(), size * 2);

        const QPixmap plain = numora::picture(name, 1.0);
        ASSERT_FALSE(plain.isNull());
        EXPECT_EQ(plain.size(), size);
        EXPECT_EQ(plain.devicePixelRatio(), 1.0);

        for (qreal ratio : {1.5, 2.0, 3.0}) {
            const QPixmap sharp = numora::picture(name, ratio);
            ASSERT_FALSE(sharp.isNull());
            EXPECT_EQ(sharp.size(), size * 2);
            EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
            EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(size));
        }
        // asking again must not change what was handed out first
        EXPECT_EQ(numora::picture(name, 1.0).devicePixelRatio(), 1.0);
    }
}

TEST(Pictures, FollowsTheApplicationsPixelRatio)
{
    const qreal ratio = qGuiApp->devicePixelRatio();
    const QPixmap pixmap = numora::picture(QStringLiteral("main"));
    EXPECT_EQ(pixmap.devicePixelRatio(), ratio > 1.0 ? 2.0 : 1.0);
    EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(328, 317));
}

TEST(Pictures, UnknownNamesGiveNullPixmaps)
{
    for (const char *name : {"", "nothing", "Main", "main.png", "main@2x", "../images/main",
                             "icons/icon-numora-16", "icon-numora"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(numora::picture(QString::fromLatin1(name)).isNull());
        EXPECT_TRUE(numora::picture(QString::fromLatin1(name), 2.0).isNull());
        EXPECT_FALSE(numora::pictureSize(QString::fromLatin1(name)).isValid());
    }
}

// The window backgrounds are drawn from a fresh reading: the same pixels as the shared picture,
// the twice-size rendering on a high-DPI device, nothing for an unknown name.
TEST(Pictures, DrawnPicturesMatchTheSharedOnes)
{
    for (qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        for (const char *name : {"main", "entry649", "title", "flag-ger"}) {
            SCOPED_TRACE(name);
            const QString picture = QString::fromLatin1(name);
            const QSize size = numora::pictureSize(picture);
            QImage canvas(size * ratio, QImage::Format_ARGB32_Premultiplied);
            canvas.setDevicePixelRatio(ratio);
            canvas.fill(Qt::transparent);
            {
                QPainter painter(&canvas);
                numora::drawPicture(painter, QPoint(0, 0), picture);
            }
            const QImage expected = numora::picture(picture, ratio).toImage().convertToFormat(
                QImage::Format_ARGB32_Premultiplied);
            EXPECT_EQ(canvas, expected);
        }
    }
    QImage canvas(20, 20, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        numora::drawPicture(painter, QPoint(0, 0), QStringLiteral("main.png"));
    }
    EXPECT_EQ(canvas.pixelColor(5, 5), QColor(Qt::transparent));
}

// Buttons, labels and lines of bold numbers stand on these: they must stay light and opaque.
TEST(Pictures, BackgroundsAreLightAndOpaque)
{
    for (const char *name : {"entry649", "entryS7", "entryCst", "selections-blue",
                             "selections-lilac", "display-blue", "display-offwhite"}) {
        SCOPED_TRACE(name);
        const QImage image = numora::picture(QString::fromLatin1(name), 1.0).toImage();
        double sum = 0;
        double darkest = 1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                ASSERT_EQ(c.alpha(), 255) << x << "," << y;
                const double l = c.lightnessF();
                sum += l;
                darkest = std::min(darkest, l);
            }
        }
        EXPECT_GT(sum / (image.width() * image.height()), 0.88);
        EXPECT_GT(darkest, 0.7);
    }
}

// Flags, arrows and the film stand on the window's own colour: their corners are see-through.
TEST(Pictures, SmallPicturesHaveTransparentCorners)
{
    for (const char *name : {"arrow-up", "arrow-down", "settings", "film", "flag-fra", "flag-us",
                             "flag-can", "flag-ita", "flag-spa", "flag-uk", "flag-ger"}) {
        SCOPED_TRACE(name);
        const QImage image = numora::picture(QString::fromLatin1(name), 2.0).toImage();
        const int r = image.width() - 1;
        const int b = image.height() - 1;
        for (QPoint p : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
            EXPECT_EQ(image.pixelColor(p).alpha(), 0);
    }
}

TEST(Icons, EveryIconHasEverySize)
{
    QStringList expected;
    for (const char *name : kIcons)
        expected << QString::fromLatin1(name);
    EXPECT_EQ(numora::iconNames(), expected);
    EXPECT_EQ(numora::iconSizes(), QList<int>(std::begin(kIconSizes), std::end(kIconSizes)));

    QList<QSize> offered;
    for (int size : kOfferedIconSizes)
        offered << QSize(size, size);
    for (const char *name : kIcons) {
        SCOPED_TRACE(name);
        const QIcon icon = numora::icon(QString::fromLatin1(name));
        ASSERT_FALSE(icon.isNull());
        // What the window system copies into every window: up to 64 pixels, not all seven.
        EXPECT_EQ(icon.availableSizes(), offered);
        for (int size : kIconSizes) {
            SCOPED_TRACE(size);
            const QImage file(QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size));
            EXPECT_EQ(file.size(), QSize(size, size));
            const QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
            EXPECT_EQ(pixmap.size(), QSize(size, size));
            EXPECT_EQ(pixmap.toImage(), file.convertToFormat(pixmap.toImage().format()));
        }
    }
}

TEST(Icons, UnknownNamesGiveNullIcons)
{
    for (const char *name : {"", "numora", "main", "icon-numora-16"})
        EXPECT_TRUE(numora::icon(QString::fromLatin1(name)).isNull()) << name;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

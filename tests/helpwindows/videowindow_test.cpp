#include "helpwindows_fixture.h"

#include "help/videoplayer.h"
#include "help/videowindow.h"

#include <QDir>
#include <QFile>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QTest>
#include <QVideoFrame>
#include <QVideoSink>

using namespace numora;
namespace names = numora::names;

namespace {

// Records what the window asks of its player; fails when told to.
class FakePlayer : public VideoPlayer
{
public:
    FakePlayer(QStringList *log, Error atOpen)
        : m_log(log), m_atOpen(atOpen) {}

    void setFileName(const QString &path) override { *m_log << "file " + path; m_file = path; }
    QString fileName() const override { return m_file; }
    void open() override { *m_log << "open"; m_error = m_atOpen; }
    void play() override { *m_log << "play"; }
    void setDisplay(QVideoSink *sink) override { *m_log << "display " + sink->parent()->objectName(); }
    void close() override { *m_log << "close"; }
    Error error() const override { *m_log << "error"; return m_error; }

    void failLater(Error error)
    {
        m_error = error;
        emit failed();
    }

private:
    QStringList *m_log;
    Error m_atOpen;
    Error m_error = NoError;
    QString m_file;
};

const ShownMessage kFailureBox{"Video player Not working properly", "Numora INET 1.6", MsgButtons::Ok,
                               MsgIcon::Critical};

class VideoWindowTest : public HelpWindowsTest
{
protected:
    void useFake(VideoPlayer::Error atOpen)
    {
        forms().registerForm(names::Video, [this, atOpen] { return new VideoWindow(new FakePlayer(&log, atOpen)); });
    }
    FakePlayer *fake() { return forms().form(names::Video)->findChild<FakePlayer *>("mmcVideo"); }
    QMediaPlayer *realPlayer()
    {
        auto *player = forms().form(names::Video)->findChild<MediaPlayer *>("mmcVideo");
        return player ? player->mediaPlayer() : nullptr;
    }
    // Lets asynchronous player notifications arrive.
    static void settle(int ms) { QTest::qWait(ms); }

    QStringList log;
};

} // namespace

TEST_F(VideoWindowTest, LoadOpensAndPlaysIntoPicVideoAndUnloadClosesThePlayer)
{
    useFake(VideoPlayer::NoError);
    QWidget *video = forms().show(names::Video);
    EXPECT_EQ(log, (QStringList{"file " + QDir(kDocsDir).filePath("NumoraHelpMov.avi"), "open", "play",
                                "display picVideo", "error"}));
    EXPECT_EQ(video->windowTitle(), "Numora Help Video Player");
    EXPECT_EQ(video->size(), QSize(354, 391));
    EXPECT_EQ(child(names::Video, "picVideo")->geometry(), QRect(8, 8, 337, 369));

    video->close();
    EXPECT_EQ(log.last(), "close");
    EXPECT_EQ(log.count("close"), 1);
    EXPECT_FALSE(forms().isLoaded(names::Video));
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(VideoWindowTest, AnyFailureShowsOneCriticalBoxPerOpening)
{
    const struct {
        const char *name;
        VideoPlayer::Error atOpen;
        bool later;
    } cases[] = {
        {"at open", VideoPlayer::FileMissing, false},
        {"after play", VideoPlayer::NoError, true},
        {"at open and after play", VideoPlayer::NoDevice, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        useFake(c.atOpen);
        for (int opening = 1; opening <= 2; ++opening) {
            forms().show(names::Video);
            if (c.later) {
                fake()->failLater(VideoPlayer::NotPlayable);
                fake()->failLater(VideoPlayer::NotPlayable);
            }
            settle(0);
            EXPECT_EQ(boxes.shown(), QList<ShownMessage>(opening, kFailureBox));
            // The window stays open with its empty picture, and closes normally.
            EXPECT_TRUE(forms().isVisible(names::Video));
            forms().form(names::Video)->close();
            EXPECT_FALSE(forms().isLoaded(names::Video));
        }
    }
}

TEST_F(VideoWindowTest, FailureAfterClosingShowsNothing)
{
    useFake(VideoPlayer::NoError);
    forms().show(names::Video);
    FakePlayer *player = fake();
    forms().form(names::Video)->close();
    player->failLater(VideoPlayer::NotPlayable);
    settle(0);
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(VideoWindowTest, RealPlayerReportsMissingOrUnplayableFileOnce)
{
    const struct {
        const char *name;
        const char *content; // nullptr: no file
    } cases[] = {
        {"missing", nullptr},
        {"not a video", "RIFF....AVI LIST this is no video at all"},
        {"empty", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        QTemporaryDir folder;
        if (c.content) {
            QFile file(folder.filePath("NumoraHelpMov.avi"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.content);
        }
        setProgramFolder(folder.path());

        forms().show(names::Video);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !boxes.shown().isEmpty(); }, 10000));
        settle(1000); // GStreamer repeats its faults; none of them may show a second box
        EXPECT_EQ(boxes.shown(), QList<ShownMessage>{kFailureBox});
        EXPECT_TRUE(forms().isVisible(names::Video));
        forms().form(names::Video)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(VideoWindowTest, RealPlayerPlaysTheHelpVideoIntoPicVideo)
{
    ASSERT_TRUE(QFile::exists(QDir(kVideoDir).filePath("NumoraHelpMov.avi")));
    setProgramFolder(kVideoDir);
    QWidget *video = forms().show(names::Video);
    QMediaPlayer *player = realPlayer();
    ASSERT_NE(player, nullptr);
    auto *picture = child<VideoPicture>(names::Video, "picVideo");
    QVideoSink *sink = picture->sink();
    bool framed = false;
    QObject::connect(sink, &QVideoSink::videoFrameChanged, video,
                     [&framed](const QVideoFrame &frame) { framed = framed || frame.isValid(); });

    const auto playing = [&] {
        return framed && player->mediaStatus() == QMediaPlayer::BufferedMedia;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return playing() || !boxes.shown().isEmpty(); }, 15000));
    if (!framed && !boxes.shown().isEmpty())
        GTEST_SKIP() << "no GStreamer video output works on this platform: "
                     << player->errorString().toStdString();
    ASSERT_TRUE(framed) << "no frame reached picVideo; media status " << int(player->mediaStatus());
    EXPECT_EQ(player->playbackState(), QMediaPlayer::PlayingState);
    EXPECT_GT(player->duration(), 10000);
    EXPECT_TRUE(boxes.shown().isEmpty());
    // The frame reached the picture itself, which paints it with the window.
    EXPECT_TRUE(picture->hasFrame());
    const QImage painted = picture->grab().toImage();
    bool drawn = false;
    for (int y = 0; y < painted.height() && !drawn; y += 4)
        for (int x = 0; x < painted.width() && !drawn; x += 4)
            drawn = painted.pixel(x, y) != QColor(Qt::black).rgb();
    EXPECT_TRUE(drawn) << "picVideo painted nothing but black";

    video->close();
    EXPECT_EQ(player->playbackState(), QMediaPlayer::StoppedState);
    settle(200);
    EXPECT_TRUE(boxes.shown().isEmpty());
}

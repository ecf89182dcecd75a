#include "help/videowindow.h"

#include "help/videoplayer.h"
#include "screens/services/geometry.h"
#include "screens/services/memory.h"
#include "screens/services/messages.h"
#include "screens/services/programfolder.h"

#include <QCloseEvent>
#include <QPainter>
#include <QVideoFrame>
#include <QVideoSink>

namespace numora {

VideoPicture::VideoPicture(QWidget *parent)
    : QWidget(parent)
    , m_sink(new QVideoSink(this))
    , m_frame(std::make_unique<QVideoFrame>())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(m_sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame &frame) {
        // A frame the player has ended with (an invalid one) keeps the last picture shown.
        if (!frame.isValid())
            return;
        *m_frame = frame;
        update();
    });
}

VideoPicture::~VideoPicture() = default;

bool VideoPicture::hasFrame() const
{
    return m_frame->isValid();
}

void VideoPicture::clear()
{
    *m_frame = QVideoFrame();
    update();
}

void VideoPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QImage image = m_frame->isValid() ? m_frame->toImage() : QImage();
    if (image.isNull())
        return;
    QRect target(QPoint(), image.size().scaled(size(), Qt::KeepAspectRatio));
    target.moveCenter(rect().center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
}

VideoWindow::VideoWindow(VideoPlayer *player, QWidget *parent)
    : Form(parent, fixedDialogFlags())
    , m_mmcVideo(player ? player : new MediaPlayer)
{
    setWindowTitle(QStringLiteral("Numora Help Video Player"));
    setClientSizeTwips(this, 5310, 5865);

    m_picVideo = new VideoPicture(this);
    m_picVideo->setObjectName(QStringLiteral("picVideo"));
    m_picVideo->setAccessibleName(QStringLiteral("Help video"));
    placeTwips(m_picVideo, 120, 120, 5055, 5535);

    // No player buttons: playback is driven by the window alone.
    m_mmcVideo->setParent(this);
    m_mmcVideo->setObjectName(QStringLiteral("mmcVideo"));
    // Queued, so that the box never opens inside the player's own notification.
    connect(m_mmcVideo, &VideoPlayer::failed, this, &VideoWindow::reportFailure,
            Qt::QueuedConnection);
}

VideoWindow::~VideoWindow()
{
    Form_Unload();
    // The player and its surface go before the window, so that their memory is free to release.
    delete m_mmcVideo;
    delete m_picVideo;
    // Each opening plays on fresh GStreamer threads, and glibc serves every thread from one of
    // up to eight arenas per core; what a pipeline frees stays with its arena, so without this
    // the program grew by about 0.7 MB with every opening although nothing is kept. Again as the
    // next one loads: by then the old pipeline's threads have ended and handed back the blocks
    // they still cached.
    releaseFreedMemory();
}

void VideoWindow::load()
{
    releaseFreedMemory();
    m_mmcVideo->setFileName(programFile(kVideoFile));
    m_mmcVideo->open();
    m_mmcVideo->play();
    m_mmcVideo->setDisplay(m_picVideo->sink());
    if (m_mmcVideo->error() != VideoPlayer::NoError)
        reportFailure();
}

void VideoWindow::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    Form::closeEvent(event);
}

void VideoWindow::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_mmcVideo->close();
    m_picVideo->clear();
}

void VideoWindow::reportFailure()
{
    // Once per opening, whether the player failed at once or later on.
    if (m_reported || m_unloaded)
        return;
    m_reported = true;
    messages().show(kFailureText, MsgButtons::Ok, {}, MsgIcon::Critical);
}

} // namespace numora

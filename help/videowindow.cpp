#include "help/videowindow.h"

#include "help/videoplayer.h"
#include "screens/services/geometry.h"
#include "screens/services/messages.h"
#include "screens/services/programfolder.h"

#include <QCloseEvent>
#include <QVideoWidget>

namespace numora {

VideoWindow::VideoWindow(VideoPlayer *player, QWidget *parent)
    : Form(parent, fixedDialogFlags())
    , m_mmcVideo(player ? player : new MediaPlayer)
{
    setWindowTitle(QStringLiteral("Numora Help Video Player"));
    setClientSizeTwips(this, 5310, 5865);

    m_picVideo = new QVideoWidget(this);
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
}

void VideoWindow::load()
{
    m_mmcVideo->setFileName(programFile(kVideoFile));
    m_mmcVideo->open();
    m_mmcVideo->play();
    m_mmcVideo->setDisplay(m_picVideo);
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

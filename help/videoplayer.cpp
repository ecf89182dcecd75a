#include "help/videoplayer.h"

#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoSink>

namespace numora {

MediaPlayer::MediaPlayer(QObject *parent)
    : VideoPlayer(parent)
    , m_player(new QMediaPlayer(this))
{
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error error, const QString &) {
                fail(error == QMediaPlayer::AccessDeniedError ? FileUnreadable : NotPlayable);
            });
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia)
            fail(NotPlayable);
    });
}

MediaPlayer::~MediaPlayer()
{
    close();
}

void MediaPlayer::setFileName(const QString &path)
{
    m_fileName = path;
}

QString MediaPlayer::fileName() const
{
    return m_fileName;
}

void MediaPlayer::open()
{
    m_error = NoError;
    const QFileInfo file(m_fileName);
    if (m_fileName.isEmpty() || !file.exists())
        m_error = FileMissing;
    else if (!file.isFile() || !file.isReadable())
        m_error = FileUnreadable;
    else if (!m_player->isAvailable())
        m_error = NoDevice;
    if (m_error != NoError)
        return;
    m_open = true;
    m_player->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
}

void MediaPlayer::play()
{
    if (m_open && m_error == NoError)
        m_player->play();
}

void MediaPlayer::setDisplay(QVideoSink *sink)
{
    m_player->setVideoSink(sink);
}

void MediaPlayer::close()
{
    if (!m_open)
        return;
    m_open = false;
    m_player->stop();
    m_player->setSource(QUrl());
}

VideoPlayer::Error MediaPlayer::error() const
{
    return m_error;
}

void MediaPlayer::fail(Error error)
{
    // GStreamer reports one fault several times over; the first one counts.
    if (!m_open || m_error != NoError)
        return;
    m_error = error;
    emit failed();
}

} // namespace numora

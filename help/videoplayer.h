#pragma once

#include <QObject>
#include <QString>

class QMediaPlayer;
class QVideoSink;

namespace numora {

// What the video window asks of a media player: a file, opened, played into a surface, closed,
// and an error code that stays NoError while all is well. Tests put a double of their own in.
class VideoPlayer : public QObject
{
    Q_OBJECT
public:
    enum Error { NoError = 0, FileMissing, FileUnreadable, NotPlayable, NoDevice };
    Q_ENUM(Error)

    using QObject::QObject;

    virtual void setFileName(const QString &path) = 0;
    virtual QString fileName() const = 0;
    // Opens the file; a file that is missing or unreadable, or no player on the system, sets the
    // error at once.
    virtual void open() = 0;
    virtual void play() = 0;
    // Where the frames go: the sink of the picture that paints them.
    virtual void setDisplay(QVideoSink *sink) = 0;
    // Stops and lets go of the file; nothing is reported after it.
    virtual void close() = 0;
    virtual Error error() const = 0;

signals:
    // The player failed after open() and play() returned (the error is set by then); emitted at
    // most once per open().
    void failed();
};

// The real player: Qt Multimedia (GStreamer on Linux), without sound output of its own.
class MediaPlayer : public VideoPlayer
{
    Q_OBJECT
public:
    explicit MediaPlayer(QObject *parent = nullptr);
    ~MediaPlayer() override;

    void setFileName(const QString &path) override;
    QString fileName() const override;
    void open() override;
    void play() override;
    void setDisplay(QVideoSink *sink) override;
    void close() override;
    Error error() const override;

    QMediaPlayer *mediaPlayer() const { return m_player; }

private:
    void fail(Error error);

    QMediaPlayer *m_player;
    QString m_fileName;
    Error m_error = NoError;
    bool m_open = false;
};

} // namespace numora

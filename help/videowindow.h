#pragma once

#include "screens/services/forms.h"

#include <memory>

class QVideoFrame;
class QVideoSink;

namespace numora {

class VideoPlayer;

// picVideo: a plain widget that paints the player's latest frame, scaled to fit and centred on
// black. Painted by the window's own backing store, so it shows wherever the window does: a
// native video surface stays grey on a Wayland compositor without GL (weston's pixman).
class VideoPicture : public QWidget
{
    Q_OBJECT
public:
    explicit VideoPicture(QWidget *parent = nullptr);
    ~VideoPicture() override;

    QVideoSink *sink() const { return m_sink; }
    // Whether a frame has come since the picture was made.
    bool hasFrame() const;
    // Drops the frame held, so that a closed window keeps no picture.
    void clear();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVideoSink *m_sink;
    // The latest frame as the player gave it; turned into an image only when painted. The
    // player's thread waits while each frame is taken, and a slow taking stops the video
    // with an error, so taking it must cost nothing.
    std::unique_ptr<QVideoFrame> m_frame;
};

// The help video window, frm649Video: plays the help video in picVideo as it opens.
class VideoWindow : public Form
{
    Q_OBJECT
public:
    // The window takes ownership of `player`; without one it uses the real MediaPlayer.
    explicit VideoWindow(VideoPlayer *player = nullptr, QWidget *parent = nullptr);
    ~VideoWindow() override;

    void load() override;

    static inline const QString kVideoFile = QStringLiteral("NumoraHelpMov.avi");
    static inline const QString kFailureText = QStringLiteral("Video player Not working properly");

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Unload();
    void reportFailure();

    VideoPicture *m_picVideo;
    VideoPlayer *m_mmcVideo;
    bool m_reported = false;
    bool m_unloaded = false;
};

} // namespace numora

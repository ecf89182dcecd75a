#pragma once

#include "screens/services/forms.h"

class QVideoWidget;

namespace numora {

class VideoPlayer;

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

    QVideoWidget *m_picVideo;
    VideoPlayer *m_mmcVideo;
    bool m_reported = false;
    bool m_unloaded = false;
};

} // namespace numora

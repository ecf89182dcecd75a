#pragma once

#include "screens/services/forms.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <cstdint>

class QTextDocument;
class QTextEdit;

namespace numora {

class ClickLabel;

// A rectangle drawn by its border alone; under a flag it is a one-pixel bar.
class RectShape : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
public:
    using QWidget::QWidget;

    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_borderColor = Qt::black;
};

// The help window, FrmRtfHlp: the user guide, seven flags that load the guide in their language
// and switch the interface to it, a bar under each flag marking the language in force, and the
// film picture that opens the help video.
class HelpWindow : public Form
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    static inline const QColor kInForce = QColor(0, 255, 0);
    static inline const QColor kNotInForce = QColor(255, 0, 0);
    // The stored English guide compiled into the program.
    static inline const QString kStoredGuide = QStringLiteral(":/docs/Numora User Guide.rtf");
    static constexpr int kFlagCount = 7;

private:
    void createGuideBox();
    void createFlags();
    void createFilm();

    void flagClick(int flag);
    void imgFilm_Click();
    // Shows the guide at `path` in RtfBoxHlp; a guide that cannot be read leaves a note saying
    // which file and why in its place, and false is returned. The note above a damaged guide is
    // in `language`, the one the guide brings in.
    bool loadGuide(const QString &path, std::uint8_t language);
    void showDocument(QTextDocument *doc);
    void setBars(std::uint8_t language);

    QTextEdit *m_RtfBoxHlp = nullptr;
    std::array<ClickLabel *, kFlagCount> m_flags{};
    std::array<RectShape *, kFlagCount> m_shapes{};
    ClickLabel *m_imgFilm = nullptr;
};

} // namespace numora

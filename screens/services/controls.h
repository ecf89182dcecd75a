#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

// Controls the windows need beyond Qt's own.
namespace numora {

// A label that can show one of the program's pictures at its top left corner. The picture is
// read whenever the label is painted rather than held (see drawPicture()): the large window
// backgrounds cost the program no memory beyond the window's own copy on the screen.
// Word-wrapped plain text is set one line height of its font (lineHeight()) below the other,
// where QLabel would take the font's own line spacing.
class PictureLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    // A name from pictureNames(); an empty name shows none.
    void setPicture(const QString &name);
    QString picture() const { return m_picture; }

    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool setsItsOwnLines() const;

    QString m_picture;
};

// A label or picture that reacts to a click. It takes the focus by Tab, and Space or Enter
// click it, so its action is reachable from the keyboard too. A screen reader announces it as
// a button with a press action; its name is the accessible name, else the text, else the tip.
class ClickLabel : public PictureLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr);

public slots:
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// An option button that becomes selected when it receives the focus, running its click,
// as the program's option buttons always did. A screen reader's toggle clicks it too.
class OptionButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit OptionButton(QWidget *parent = nullptr);
    explicit OptionButton(const QString &text, QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
};

// A frame with a caption, drawn as a plain etched line. (The style's own group box frame is
// read from an image file, and reading it probes every image format plugin of the system.)
class FrameBox : public QGroupBox
{
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Where a label's text is wider than the label, widens it into the free room beside it: its
// right edge at most at `rightTwips`, then its left edge as far left as `leftTwips` (its
// parent's twips). A text that fits leaves the label exactly where it was designed.
void widenToFit(QLabel *label, int leftTwips, int rightTwips);

// The background colour of a label: filled from its palette, whatever its background role.
void setLabelBackground(QLabel *label, const QColor &colour);

} // namespace numora

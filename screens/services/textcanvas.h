#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

namespace numora {

// Text printed on a window: lines of items in print zones of 14 average character widths, each
// line the font's line height (lineHeight()) below the last, kept and redrawn on every repaint, over an optional background picture. It covers its
// parent's client area, follows its size, stays below the other controls and lets mouse
// clicks through to the window.
//   auto *canvas = new TextCanvas(this);
//   canvas->setFontSize(10);
//   canvas->setBold(true);
//   canvas->printLine({" 3  11  19  24  38  45 "});
class TextCanvas : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kZoneChars = 14;

    explicit TextCanvas(QWidget *parent = nullptr);

    // One of the program's pictures (pictureNames()), drawn at the top left corner at its own
    // size, read at each repaint rather than held (drawPicture()).
    void setBackground(const QString &pictureName);
    QString background() const { return m_background; }

    // Prints one line below the last (the first at the top left); no items = an empty line.
    void printLine(const QStringList &items = {});
    void clear();

    // Apply to lines printed afterwards; until set, the canvas font (font()) is used.
    void setFontSize(qreal pointSize);
    void setBold(bool bold);
    QFont printFont() const;

    QList<QStringList> lines() const;
    // The lines as one text, items joined by a blank, lines by a line break: what a screen
    // reader reads of the canvas.
    QString text() const;
    int lineCount() const { return int(m_lines.size()); }
    QFont lineFont(int line) const;
    int lineTop(int line) const;
    int lineHeight(int line) const;
    // The y of the line's baseline, where its items are drawn.
    int baseline(int line) const;
    int itemX(int line, int item) const;
    // Width of one print zone in pixels for `font`.
    int zoneWidth(const QFont &font) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Line
    {
        QStringList items;
        QList<int> xs;
        QFont font;
        int top = 0;
        int height = 0;
        int ascent = 0;
    };

    QString m_background;
    QList<Line> m_lines;
    std::optional<qreal> m_pointSize;
    std::optional<bool> m_bold;
};

} // namespace numora

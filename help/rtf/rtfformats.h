#pragma once

// Character and paragraph properties as the reader keeps them, the document's font, colour and
// link tables, and how properties become the text engine's formats.

#include "codepage.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextOption>

#include <optional>
#include <utility>

namespace numora::rtf {

inline constexpr double twipsPerPixel = 15.0;
inline constexpr int maxPictureSide = 4000;  // pixels shown, each way
// Lengths in twips (indents, tab stops, cell edges) are kept within the side of the largest picture.
inline constexpr int maxTwips = maxPictureSide * 15;

enum class Align : quint8 { Left, Center, Right, Justify };

struct CharProps {
    int font = -1;  // -1: the document's default font
    int halfPoints = 24;
    int color = 0;
    int background = 0;
    int link = -1;
    qint8 vertical = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    bool caps = false;
    bool smallCaps = false;
    bool operator==(const CharProps &) const = default;
};

size_t hashOf(const CharProps &c);

struct ParaProps {
    Align align = Align::Left;
    int left = 0;
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    int lineSpacing = 0;
    bool lineMultiple = false;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
    QList<QTextOption::Tab> tabs;
    bool inTable = false;
};

QTextBlockFormat blockFormat(const ParaProps &para);

// A font table entry as it is read, up to its closing semicolon.
struct FontEntry {
    bool active = false;
    int number = 0;
    int charset = -1;
    int codePage = 0;
    QFont::StyleHint hint = QFont::AnyStyle;
    QByteArray name = {};
};

// The document's fonts, colours and link targets, which character properties refer to by number.
class FormatTables {
public:
    void addFont(const FontEntry &entry, int docCodePage);
    void clearColors() { m_colors.clear(); }
    void addColor(std::optional<QColor> color);  // nullopt: the "auto" colour
    int addLink(const QString &url);

    int defaultFont = 0;

    // The code page and encoding of text in the given font.
    std::pair<int, FontEncoding> encoding(int font, int docCodePage) const;
    QColor color(int index, QColor fallback) const;
    QTextCharFormat charFormat(const CharProps &chr) const;

private:
    struct Font {
        QString name;
        int charset = -1;
        int codePage = 0;
        QFont::StyleHint hint = QFont::AnyStyle;
        FontEncoding encoding = FontEncoding::CodePage;
    };

    QHash<int, Font> m_fonts;
    QList<std::optional<QColor>> m_colors;
    QStringList m_links;
};

} // namespace numora::rtf

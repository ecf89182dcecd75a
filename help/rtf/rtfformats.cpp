#include "rtfformats.h"

#include <algorithm>
#include <climits>

namespace numora::rtf {

namespace {
constexpr int maxFonts = 32768;
constexpr int maxColors = 32768;
} // namespace

size_t hashOf(const CharProps &c)
{
    return qHashMulti(0, c.font, c.halfPoints, c.color, c.background, c.link, c.vertical, c.bold, c.italic,
                      c.underline, c.strike, c.hidden, c.caps, c.smallCaps);
}

void FormatTables::addFont(const FontEntry &entry, int docCodePage)
{
    if (m_fonts.size() >= maxFonts && !m_fonts.contains(entry.number))
        return;
    Font font;
    font.charset = entry.charset;
    font.codePage = entry.codePage;
    font.hint = entry.hint;
    int codePage = font.codePage > 0 ? font.codePage : codePageForCharset(font.charset);
    font.name = decode(entry.name, codePage > 0 ? codePage : docCodePage).trimmed();
    if (font.charset == 2) {
        if (font.name.startsWith(QLatin1String("Symbol"), Qt::CaseInsensitive))
            font.encoding = FontEncoding::Symbol;
        else if (font.name.contains(QLatin1String("Wingdings"), Qt::CaseInsensitive))
            font.encoding = FontEncoding::Wingdings;
        else
            font.encoding = FontEncoding::OtherSymbol;
    }
    m_fonts.insert(entry.number, font);
}

void FormatTables::addColor(std::optional<QColor> color)
{
    if (m_colors.size() < maxColors)
        m_colors.append(color);
}

int FormatTables::addLink(const QString &url)
{
    m_links.append(url);
    return int(m_links.size() - 1);
}

std::pair<int, FontEncoding> FormatTables::encoding(int font, int docCodePage) const
{
    const auto it = m_fonts.constFind(font >= 0 ? font : defaultFont);
    if (it == m_fonts.constEnd())
        return {docCodePage, FontEncoding::CodePage};
    int codePage = it->codePage > 0 ? it->codePage : codePageForCharset(it->charset);
    return {codePage > 0 ? codePage : docCodePage, it->encoding};
}

QColor FormatTables::color(int index, QColor fallback) const
{
    if (index > 0 && index < m_colors.size() && m_colors.at(index))
        return *m_colors.at(index);
    return fallback;
}

QTextCharFormat FormatTables::charFormat(const CharProps &chr) const
{
    QTextCharFormat f;
    f.setFontPointSize(std::clamp(chr.halfPoints, 2, 3276) / 2.0);
    const auto font = m_fonts.constFind(chr.font >= 0 ? chr.font : defaultFont);
    if (font != m_fonts.constEnd() && !font->name.isEmpty()) {
        f.setFontFamilies(QStringList{font->name});
        f.setFontStyleHint(font->hint);
    }
    if (chr.bold)
        f.setFontWeight(QFont::Bold);
    if (chr.italic)
        f.setFontItalic(true);
    if (chr.underline)
        f.setFontUnderline(true);
    if (chr.strike)
        f.setFontStrikeOut(true);
    if (chr.vertical != 0)
        f.setVerticalAlignment(chr.vertical > 0 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript);
    if (chr.caps)
        f.setFontCapitalization(QFont::AllUppercase);
    else if (chr.smallCaps)
        f.setFontCapitalization(QFont::SmallCaps);
    if (chr.color > 0 && chr.color < m_colors.size() && m_colors.at(chr.color))
        f.setForeground(*m_colors.at(chr.color));
    if (chr.background > 0 && chr.background < m_colors.size() && m_colors.at(chr.background))
        f.setBackground(*m_colors.at(chr.background));
    if (chr.link >= 0 && chr.link < m_links.size()) {
        f.setAnchor(true);
        f.setAnchorHref(m_links.at(chr.link));
    }
    return f;
}

QTextBlockFormat blockFormat(const ParaProps &para)
{
    const auto px = [](int twips) { return std::clamp(twips, -maxTwips, maxTwips) / twipsPerPixel; };
    QTextBlockFormat f;
    switch (para.align) {
    case Align::Left: f.setAlignment(Qt::AlignLeft); break;
    case Align::Center: f.setAlignment(Qt::AlignHCenter); break;
    case Align::Right: f.setAlignment(Qt::AlignRight); break;
    case Align::Justify: f.setAlignment(Qt::AlignJustify); break;
    }
    f.setLeftMargin(px(para.left));
    f.setRightMargin(px(para.right));
    f.setTextIndent(px(para.first));
    f.setTopMargin(std::max(0.0, px(para.before)));
    f.setBottomMargin(std::max(0.0, px(para.after)));
    if (para.lineSpacing != 0) {
        if (para.lineMultiple && para.lineSpacing > 0)
            f.setLineHeight(std::clamp(para.lineSpacing * 100.0 / 240.0, 50.0, 500.0), QTextBlockFormat::ProportionalHeight);
        else if (para.lineSpacing > 0)
            f.setLineHeight(px(para.lineSpacing), QTextBlockFormat::MinimumHeight);
        else
            f.setLineHeight(px(-std::max(para.lineSpacing, -INT_MAX)), QTextBlockFormat::FixedHeight);
    }
    // Tab stops are kept in twips from the margin; the text engine measures them from where the
    // first line starts. A hanging indent is a tab stop of its own.
    const int lineStart = std::clamp(para.left, -maxTwips, maxTwips)
                          + std::clamp(para.first, -maxTwips, maxTwips);
    QList<QTextOption::Tab> tabs;
    bool hanging = para.first < 0 && para.left > 0;
    QList<QTextOption::Tab> stops = para.tabs;
    std::stable_sort(stops.begin(), stops.end(), [](const auto &a, const auto &b) { return a.position < b.position; });
    for (QTextOption::Tab tab : stops) {
        if (hanging && tab.position >= para.left) {
            if (tab.position > para.left)
                tabs.append(QTextOption::Tab((para.left - lineStart) / twipsPerPixel, QTextOption::LeftTab));
            hanging = false;
        }
        if (tab.position > lineStart) {
            tab.position = (tab.position - lineStart) / twipsPerPixel;
            tabs.append(tab);
        }
    }
    if (hanging)
        tabs.append(QTextOption::Tab((para.left - lineStart) / twipsPerPixel, QTextOption::LeftTab));
    if (!tabs.isEmpty())
        f.setTabPositions(tabs);
    return f;
}

} // namespace numora::rtf

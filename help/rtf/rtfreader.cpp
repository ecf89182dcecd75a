#include "rtfreader.h"

#include "codepage.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextOption>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace numora::rtf {

namespace {

constexpr double twipsPerPixel = 15.0;
constexpr int maxPictureSide = 4000;                      // pixels shown, each way
constexpr qint64 maxImageBytes = 256LL * 1024 * 1024;     // all pictures of one document
constexpr qint64 maxFrameBytes = 16LL * 1024 * 1024;      // outlines of pictures not shown
constexpr qint64 minImageCost = 1024;                     // counted for each picture, however small
constexpr qint64 maxNaturalPixels = 32LL * 1024 * 1024;    // larger pictures are not decoded
constexpr int maxFieldInstruction = 4096;
constexpr int maxTabStops = 64;
constexpr int maxFonts = 32768;
constexpr int maxColors = 32768;
constexpr int maxWordLength = 32;
constexpr int maxTableRows = 1000;  // a longer table goes on in a new one, which keeps laying it out quick
constexpr int maxTableTwips = 4000 * 15;  // widths and offsets of table cells are kept within this
constexpr int maxBorderTwips = 255;
constexpr int defaultCellGap = 108;  // twips of space each side of a cell's text

enum class Dest : quint8 { Text, Skip, FontTable, ColorTable, Picture, FieldInst, UprAnsi, NestTableProps };
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

struct GroupState {
    CharProps chr;
    ParaProps para;
    Dest dest = Dest::Text;
    int uc = 1;
};

struct Font {
    QString name;
    int charset = -1;
    int codePage = 0;
    QFont::StyleHint hint = QFont::AnyStyle;
    FontEncoding encoding = FontEncoding::CodePage;
};

struct FontEntry {
    bool active = false;
    int number = 0;
    int charset = -1;
    int codePage = 0;
    QFont::StyleHint hint = QFont::AnyStyle;
    QByteArray name = {};
};

struct CellBorder {
    QTextFrameFormat::BorderStyle style = QTextFrameFormat::BorderStyle_None;
    int width = 0;  // twips
    int color = 0;
};

// One cell of a row definition: its right edge and its borders (top, left, bottom, right).
struct CellDef {
    int right = 0;
    std::array<CellBorder, 4> borders{};
    qint8 vertical = -1;  // -1 top, 0 centre, 1 bottom
};

struct RowDef {
    std::vector<CellDef> cells;
    CellDef next;     // the cell being defined, up to its \cellx
    int border = -1;  // the side of `next` that border words set, -1 none
    Align align = Align::Left;
    int left = 0;
    int gap = defaultCellGap;
};

enum class PictKind : quint8 { None, Png, Jpeg, Metafile, Bitmap };

struct Picture {
    qsizetype start = 0;
    qsizetype depth = 0;
    PictKind kind = PictKind::None;
    int picw = 0;
    int pich = 0;
    int goalw = 0;
    int goalh = 0;
    int scalex = 100;
    int scaley = 100;
    int nibble = -1;
    QByteArray data = {};
};

struct Field {
    qsizetype depth = 0;
    QString instruction = {};
    int link = -2;  // -2: not looked at yet, -1: no link
};

enum class Kw : quint8 {
    FontTable, ColorTable, Pict, FieldInst, FieldResult, Field, Upr, Ud, NestTableProps, Transparent, SkipDest,
    Ansi, Mac, Pc, Pca, AnsiCpg, Deff, DefTab, Uc, U,
    Par, Line, Char, Sect, Cell, Row, NestCell, NestRow,
    RowDefaults, CellX, CellBorderSide, OtherBorder, BorderStyle, BorderWidth, BorderColor, RowAlign, RowLeft,
    RowGap, InTable, CellVertical,
    Pard, Ql, Qc, Qr, Qj, Li, Ri, Fi, Sb, Sa, Sl, SlMult, Tx, Tqr, Tqc, Tqdec,
    Plain, B, I, Ul, UlNone, Strike, Fs, F, Cf, Cb, V, Super, Sub, NoSuperSub, Caps, Scaps,
    FCharset, Cpg, FNil, FRoman, FSwiss, FModern, FScript, FDecor, FTech,
    Red, Green, Blue,
    PngBlip, JpegBlip, MetafileBlip, BitmapBlip, PicW, PicH, PicWGoal, PicHGoal, PicScaleX, PicScaleY,
    Bin,
};

struct Keyword {
    Kw kw;
    char16_t ch = 0;
};

const std::unordered_map<std::string_view, Keyword> &keywords()
{
    static const std::unordered_map<std::string_view, Keyword> map = [] {
        std::unordered_map<std::string_view, Keyword> m;
        for (auto name : {"stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer",
                          "footerl", "footerr", "footerf", "listtable", "listoverridetable", "rsidtbl",
                          "generator", "xmlnstbl", "themedata", "datastore", "latentstyles",
                          "colorschememapping", "pn", "nonshppict", "nonesttables", "footnote",
                          "annotation", "atnid", "atnauthor", "atndate", "atnref", "atrfstart", "atrfend",
                          "bkmkstart", "bkmkend", "filetbl", "revtbl", "pgdsctbl", "template", "xe", "tc",
                          "txe", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "objdata",
                          "objclass", "objname", "shpinst", "do", "docvar", "userprops", "fchars", "lchars",
                          "protusertbl", "listpicture", "blipuid", "picprop", "panose", "falt", "fname",
                          "comment", "author", "title", "subject", "operator", "company", "category",
                          "keywords", "doccomm", "creatim", "revtim", "printim", "buptim", "hlinkbase",
                          "private", "formfield", "datafield", "keycode", "htmltag", "mhtmltag",
                          "passwordhash", "wgrffmtfilter", "pgptbl", "mmathPr", "fontemb", "fontfile"})
            m.emplace(name, Keyword{Kw::SkipDest});
        for (auto name : {"pntext", "listtext", "shppict", "object", "result", "shp", "shprslt", "rtf"})
            m.emplace(name, Keyword{Kw::Transparent});
        const std::pair<const char *, Kw> words[] = {
            {"fonttbl", Kw::FontTable}, {"colortbl", Kw::ColorTable}, {"pict", Kw::Pict},
            {"fldinst", Kw::FieldInst}, {"fldrslt", Kw::FieldResult}, {"field", Kw::Field},
            {"upr", Kw::Upr}, {"ud", Kw::Ud},
            {"ansi", Kw::Ansi}, {"mac", Kw::Mac}, {"pc", Kw::Pc}, {"pca", Kw::Pca},
            {"ansicpg", Kw::AnsiCpg}, {"deff", Kw::Deff}, {"deftab", Kw::DefTab}, {"uc", Kw::Uc}, {"u", Kw::U},
            {"par", Kw::Par}, {"line", Kw::Line}, {"sect", Kw::Sect}, {"page", Kw::Sect},
            {"cell", Kw::Cell}, {"nestcell", Kw::NestCell}, {"row", Kw::Row}, {"nestrow", Kw::NestRow},
            {"nesttableprops", Kw::NestTableProps}, {"trowd", Kw::RowDefaults}, {"cellx", Kw::CellX},
            {"brdrw", Kw::BorderWidth}, {"brdrcf", Kw::BorderColor}, {"trleft", Kw::RowLeft},
            {"trgaph", Kw::RowGap}, {"intbl", Kw::InTable},
            {"pard", Kw::Pard}, {"ql", Kw::Ql}, {"qc", Kw::Qc}, {"qr", Kw::Qr}, {"qj", Kw::Qj},
            {"qd", Kw::Qj}, {"li", Kw::Li}, {"ri", Kw::Ri}, {"fi", Kw::Fi}, {"sb", Kw::Sb},
            {"sa", Kw::Sa}, {"sl", Kw::Sl}, {"slmult", Kw::SlMult}, {"tx", Kw::Tx}, {"tqr", Kw::Tqr},
            {"tqc", Kw::Tqc}, {"tqdec", Kw::Tqdec},
            {"plain", Kw::Plain}, {"b", Kw::B}, {"i", Kw::I}, {"ulnone", Kw::UlNone},
            {"strike", Kw::Strike}, {"striked", Kw::Strike}, {"fs", Kw::Fs}, {"f", Kw::F},
            {"cf", Kw::Cf}, {"cb", Kw::Cb}, {"highlight", Kw::Cb}, {"chcbpat", Kw::Cb}, {"v", Kw::V},
            {"super", Kw::Super}, {"sub", Kw::Sub}, {"nosupersub", Kw::NoSuperSub}, {"caps", Kw::Caps},
            {"scaps", Kw::Scaps},
            {"fcharset", Kw::FCharset}, {"cpg", Kw::Cpg}, {"fnil", Kw::FNil}, {"froman", Kw::FRoman},
            {"fswiss", Kw::FSwiss}, {"fmodern", Kw::FModern}, {"fscript", Kw::FScript},
            {"fdecor", Kw::FDecor}, {"ftech", Kw::FTech}, {"fbidi", Kw::FNil},
            {"red", Kw::Red}, {"green", Kw::Green}, {"blue", Kw::Blue},
            {"pngblip", Kw::PngBlip}, {"jpegblip", Kw::JpegBlip}, {"emfblip", Kw::MetafileBlip},
            {"wmetafile", Kw::MetafileBlip}, {"pmmetafile", Kw::MetafileBlip},
            {"macpict", Kw::BitmapBlip}, {"dibitmap", Kw::BitmapBlip}, {"wbitmap", Kw::BitmapBlip},
            {"picw", Kw::PicW}, {"pich", Kw::PicH}, {"picwgoal", Kw::PicWGoal},
            {"pichgoal", Kw::PicHGoal}, {"picscalex", Kw::PicScaleX}, {"picscaley", Kw::PicScaleY},
            {"bin", Kw::Bin},
        };
        for (const auto &[name, kw] : words)
            m.emplace(name, Keyword{kw});
        for (auto name : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash",
                          "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash",
                          "ululdbwave", "ulw", "ulwave"})
            m.emplace(name, Keyword{Kw::Ul});
        const std::pair<const char *, char16_t> chars[] = {
            {"tab", u'\t'}, {"emdash", 0x2014}, {"endash", 0x2013}, {"emspace", 0x2003},
            {"enspace", 0x2002}, {"qmspace", 0x2005}, {"bullet", 0x2022}, {"lquote", 0x2018},
            {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"zwj", 0x200D},
            {"zwnj", 0x200C}, {"zwbo", 0x200B}, {"ltrmark", 0x200E}, {"rtlmark", 0x200F},
        };
        for (const auto &[name, ch] : chars)
            m.emplace(name, Keyword{Kw::Char, ch});
        // Table words whose variants differ by a small number, kept in `ch`.
        const std::pair<const char *, char16_t> sides[] = {{"clbrdrt", 0}, {"clbrdrl", 1}, {"clbrdrb", 2}, {"clbrdrr", 3}};
        for (const auto &[name, side] : sides)
            m.emplace(name, Keyword{Kw::CellBorderSide, side});
        for (auto name : {"brdrt", "brdrl", "brdrb", "brdrr", "brdrbtw", "brdrbar", "box", "trbrdrt", "trbrdrl",
                          "trbrdrb", "trbrdrr", "trbrdrh", "trbrdrv", "chbrdr", "pgbrdrt", "pgbrdrl", "pgbrdrb",
                          "pgbrdrr"})
            m.emplace(name, Keyword{Kw::OtherBorder});
        const std::pair<const char *, QTextFrameFormat::BorderStyle> styles[] = {
            {"brdrs", QTextFrameFormat::BorderStyle_Solid}, {"brdrth", QTextFrameFormat::BorderStyle_Solid},
            {"brdrsh", QTextFrameFormat::BorderStyle_Solid}, {"brdrhair", QTextFrameFormat::BorderStyle_Solid},
            {"brdrdb", QTextFrameFormat::BorderStyle_Double}, {"brdrtriple", QTextFrameFormat::BorderStyle_Double},
            {"brdrdot", QTextFrameFormat::BorderStyle_Dotted}, {"brdrdash", QTextFrameFormat::BorderStyle_Dashed},
            {"brdrdashsm", QTextFrameFormat::BorderStyle_Dashed}, {"brdrdashd", QTextFrameFormat::BorderStyle_DotDash},
            {"brdrdashdd", QTextFrameFormat::BorderStyle_DotDotDash}, {"brdrinset", QTextFrameFormat::BorderStyle_Inset},
            {"brdroutset", QTextFrameFormat::BorderStyle_Outset}, {"brdrgroove", QTextFrameFormat::BorderStyle_Groove},
            {"brdrridge", QTextFrameFormat::BorderStyle_Ridge}, {"brdrnone", QTextFrameFormat::BorderStyle_None},
            {"brdrnil", QTextFrameFormat::BorderStyle_None}, {"brdrtbl", QTextFrameFormat::BorderStyle_None},
        };
        for (const auto &[name, style] : styles)
            m.emplace(name, Keyword{Kw::BorderStyle, char16_t(style)});
        const std::pair<const char *, Align> rowAligns[] = {{"trql", Align::Left}, {"trqc", Align::Center}, {"trqr", Align::Right}};
        for (const auto &[name, align] : rowAligns)
            m.emplace(name, Keyword{Kw::RowAlign, char16_t(align)});
        const std::pair<const char *, char16_t> verticals[] = {{"clvertalt", 0}, {"clvertalc", 1}, {"clvertalb", 2}};
        for (const auto &[name, v] : verticals)
            m.emplace(name, Keyword{Kw::CellVertical, v});
        return m;
    }();
    return map;
}

size_t hashOf(const CharProps &c)
{
    return qHashMulti(0, c.font, c.halfPoints, c.color, c.background, c.link, c.vertical, c.bold, c.italic,
                      c.underline, c.strike, c.hidden, c.caps, c.smallCaps);
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

struct Word {
    std::string_view name;
    bool hasParam = false;
    int param = 0;
};

class Reader {
public:
    Reader(const QByteArray &bytes, QTextDocument &doc, const Limits &limits)
        : m_data(bytes), m_doc(doc), m_cursor(&doc), m_limits(limits)
    {
    }

    ReadResult run(qsizetype start);

private:
    GroupState &state()
    {
        Q_ASSERT(!m_stack.empty());
        return m_stack.back();
    }

    void parse();
    void skipOverflow();
    Word readWord();
    void openGroup();
    void closeGroup();
    void finishGroup();
    void controlToken();
    void controlWord(const Word &word, qsizetype start);
    void controlSymbol(char c);
    void destination(Kw kw, qsizetype start);
    void textBytes();
    void byteText(unsigned char b);
    void binary(int count);

    void flushBytes();
    void emitText(const QString &text);
    void emitUnicode(int value);
    void closeSurrogate();
    void put(const QString &text);
    void beginContent();
    void flushRun();
    bool countFormat(size_t key);
    bool addBlocks(int count);
    void paragraph();
    void tabCell();
    void tabRow();

    void tableWord(const Keyword &entry, const Word &word);
    void cell();
    void row();
    void syncTable();
    void enterCell();
    bool startTable();
    void leaveTable();
    void finishTable();
    void finishRow();
    void moveToCell();
    QTextTableCellFormat cellFormat(const CellDef &def) const;

    void finishFontEntry();
    void finishColor();
    void finishPicture();
    int fieldLink();
    std::pair<int, FontEncoding> encoding(int font) const;
    QTextCharFormat charFormat(const CharProps &chr) const;
    QTextBlockFormat blockFormat(const ParaProps &para) const;
    QString addImage(const QImage &image);
    QString frame(QSize size);
    QImage frameImage(QSize size);
    void damage(ReadError code, qsizetype position, const QString &reason);

    const QByteArray &m_data;
    QTextDocument &m_doc;
    QTextCursor m_cursor;
    const Limits m_limits;
    qsizetype m_pos = 0;
    ReadResult m_result;

    std::vector<GroupState> m_stack;
    int m_overflow = 0;
    int m_skip = 0;
    bool m_star = false;
    bool m_done = false;
    qsizetype m_contentAfterClose = -1;  // where text goes on after a brace that closed the document

    int m_docCodePage = ansiCodePage;
    int m_defaultFont = 0;
    int m_defaultTab = 720;
    QHash<int, Font> m_fonts;
    FontEntry m_fontEntry;
    QList<std::optional<QColor>> m_colors;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colorPending = false;
    std::optional<Picture> m_picture;
    std::vector<Field> m_fields;
    QStringList m_links;

    QByteArray m_bytes;
    char16_t m_highSurrogate = 0;
    QString m_run;
    CharProps m_runProps;
    bool m_pendingBlock = false;
    bool m_pendingCell = false;
    bool m_rowEnded = false;
    int m_blocks = 0;

    // Tables: the row definition in force, and where in the open table the text goes.
    RowDef m_rowDef;
    bool m_rowOpen = false;  // a row was defined and has not ended yet
    QTextTable *m_table = nullptr;
    int m_row = 0;
    int m_column = 0;
    bool m_cellEnded = false;    // the next text starts the next cell
    bool m_rowFinished = false;  // the next text starts a new row
    bool m_tableAligned = false;
    QList<QTextLength> m_widths;
    QSet<size_t> m_formatKeys;

    int m_imageCount = 0;
    qint64 m_imageBytes = 0;
    qint64 m_frameBytes = 0;
    QHash<quint64, QString> m_frames;
    QString m_spareFrame;
};

ReadResult Reader::run(qsizetype start)
{
    m_pos = start;
    m_stack.reserve(maxGroupDepth + 1);
    m_cursor.beginEditBlock();
    parse();
    if (!m_stack.empty()) {
        damage(ReadError::Unbalanced, m_data.size(),
               QStringLiteral("The document ends before %1 of its groups were closed; it may be cut short.")
                   .arg(m_stack.size()));
        while (!m_stack.empty()) {
            flushBytes();
            finishGroup();
        }
    }
    flushRun();
    if (m_table)
        finishTable();
    m_cursor.endEditBlock();
    QTextOption option = m_doc.defaultTextOption();
    option.setTabStopDistance(m_defaultTab / twipsPerPixel);
    m_doc.setDefaultTextOption(option);
    return m_result;
}

void Reader::damage(ReadError code, qsizetype position, const QString &reason)
{
    if (m_result.damaged)
        return;
    m_result.damaged = true;
    m_result.code = code;
    m_result.position = position;
    m_result.error = reason;
}

void Reader::parse()
{
    const char *p = m_data.constData();
    const qsizetype n = m_data.size();
    while (m_pos < n && !m_done) {
        if (m_overflow > 0) {
            skipOverflow();
            continue;
        }
        switch (p[m_pos]) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            controlToken();
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default:
            textBytes();
            break;
        }
    }
}

// Inside groups nested too deep: only the braces are followed, and \bin data is stepped over so
// that braces inside it do not count.
void Reader::skipOverflow()
{
    const char c = m_data.at(m_pos);
    if (c == '{') {
        ++m_overflow;
        ++m_pos;
    } else if (c == '}') {
        --m_overflow;
        ++m_pos;
    } else if (c == '\\') {
        ++m_pos;
        if (m_pos < m_data.size() && isLetter(m_data.at(m_pos))) {
            const Word word = readWord();
            if (word.name == "bin")
                m_pos += std::clamp<qsizetype>(word.param, 0, m_data.size() - m_pos);
        } else if (m_pos < m_data.size()) {
            ++m_pos;
        }
    } else {
        ++m_pos;
    }
}

// Reads a control word whose first letter is at m_pos, with its parameter and delimiter space.
Word Reader::readWord()
{
    const char *p = m_data.constData();
    const qsizetype n = m_data.size();
    const qsizetype begin = m_pos;
    while (m_pos < n && isLetter(p[m_pos]))
        ++m_pos;
    Word word;
    word.name = std::string_view(p + begin, size_t(m_pos - begin));
    bool negative = false;
    if (m_pos + 1 < n && p[m_pos] == '-' && isDigit(p[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < n && isDigit(p[m_pos])) {
        qint64 value = 0;
        while (m_pos < n && isDigit(p[m_pos])) {
            if (value <= INT_MAX)
                value = value * 10 + (p[m_pos] - '0');
            ++m_pos;
        }
        value = std::min<qint64>(value, INT_MAX);
        word.hasParam = true;
        word.param = int(negative ? -value : value);
    }
    if (m_pos < n && p[m_pos] == ' ')
        ++m_pos;
    return word;
}

void Reader::openGroup()
{
    const qsizetype at = m_pos++;
    m_skip = 0;
    m_star = false;
    flushBytes();
    if (qsizetype(m_stack.size()) >= maxGroupDepth) {
        m_overflow = 1;
        damage(ReadError::TooDeep, at,
               QStringLiteral("Groups are nested deeper than %1 levels at byte %2; the deeper part is left out.")
                   .arg(maxGroupDepth)
                   .arg(at));
        return;
    }
    if (m_stack.empty()) {
        m_stack.emplace_back();
        return;
    }
    GroupState copy = m_stack.back();
    m_stack.push_back(std::move(copy));
}

void Reader::closeGroup()
{
    const qsizetype at = m_pos++;
    m_skip = 0;
    m_star = false;
    flushBytes();
    if (m_stack.empty())
        return;
    if (m_stack.size() > 1) {
        finishGroup();
        return;
    }
    // The document's own group closes. Blank space and stray closing braces may follow it;
    // anything else means a brace closed the document too early, and reading goes on.
    if (at < m_contentAfterClose)
        return;
    qsizetype next = m_pos;
    qsizetype stray = -1;
    for (; next < m_data.size(); ++next) {
        const char c = m_data.at(next);
        if (c == '}' && stray < 0)
            stray = next;
        else if (c != '}' && c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\0')
            break;
    }
    if (next < m_data.size()) {
        damage(ReadError::Unbalanced, at, QStringLiteral("A closing brace at byte %1 has no opening brace.").arg(at));
        m_contentAfterClose = next;
        return;
    }
    if (stray >= 0)
        damage(ReadError::Unbalanced, stray, QStringLiteral("A closing brace at byte %1 has no opening brace.").arg(stray));
    finishGroup();
    m_done = true;
}

void Reader::finishGroup()
{
    const auto depth = qsizetype(m_stack.size());
    const GroupState &closing = m_stack.back();
    if (closing.dest == Dest::FontTable)
        finishFontEntry();
    if (closing.dest == Dest::ColorTable && m_colorPending)
        finishColor();
    if (m_picture && m_picture->depth == depth)
        finishPicture();
    while (!m_fields.empty() && m_fields.back().depth >= depth)
        m_fields.pop_back();
    if (depth == 1) {
        closeSurrogate();
        flushRun();
        if (!m_pendingBlock)
            m_cursor.setBlockFormat(blockFormat(closing.para));
    }
    m_stack.pop_back();
}

void Reader::controlToken()
{
    const qsizetype start = m_pos++;
    if (m_pos >= m_data.size())
        return;
    const char c = m_data.at(m_pos);
    if (isLetter(c)) {
        const Word word = readWord();
        flushBytes();
        if (word.name == "bin") {
            binary(word.hasParam ? word.param : 0);
            if (m_skip > 0)
                --m_skip;
            return;
        }
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        controlWord(word, start);
        return;
    }
    if (c == '\'') {
        ++m_pos;
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_data.size() && hexValue(m_data.at(m_pos)) >= 0) {
            value = value * 16 + hexValue(m_data.at(m_pos));
            ++digits;
            ++m_pos;
        }
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        if (digits == 2)
            byteText(static_cast<unsigned char>(value));
        return;
    }
    ++m_pos;
    flushBytes();
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    controlSymbol(c);
}

void Reader::controlSymbol(char c)
{
    switch (c) {
    case '\\':
    case '{':
    case '}':
        byteText(static_cast<unsigned char>(c));
        break;
    case '~':
        emitText(QString(QChar(0x00A0)));
        break;
    case '-':
        emitText(QString(QChar(0x00AD)));
        break;
    case '_':
        emitText(QString(QChar(0x2011)));
        break;
    case '*':
        m_star = true;
        break;
    case '\r':
    case '\n':
        paragraph();
        break;
    case '\t':
        emitText(QStringLiteral("\t"));
        break;
    default:
        break;
    }
}

void Reader::binary(int count)
{
    const qsizetype take = std::clamp<qsizetype>(count, 0, m_data.size() - m_pos);
    if (m_skip == 0 && m_picture && state().dest == Dest::Picture) {
        m_picture->data.append(m_data.constData() + m_pos, take);
        m_picture->nibble = -1;
    }
    m_pos += take;
}

void Reader::controlWord(const Word &word, qsizetype start)
{
    const bool star = m_star;
    m_star = false;
    const Dest dest = state().dest;
    if (dest == Dest::Skip)
        return;
    Keyword entry{Kw::SkipDest};
    bool known = false;
    if (word.name.size() <= size_t(maxWordLength)) {
        const auto &map = keywords();
        const auto it = map.find(word.name);
        if (it != map.end()) {
            entry = it->second;
            known = true;
        }
    }
    const Kw kw = entry.kw;
    const bool isDestination = kw <= Kw::SkipDest;
    if (star && (!known || !isDestination)) {
        state().dest = Dest::Skip;
        return;
    }
    if (!known)
        return;
    if (isDestination) {
        destination(kw, start);
        return;
    }
    if (dest == Dest::UprAnsi)
        return;
    if (dest == Dest::NestTableProps) {
        // Only the end of a row of a table in a cell counts here; its definition is not kept.
        if (kw == Kw::NestRow)
            tabRow();
        return;
    }

    GroupState &s = state();
    CharProps &chr = s.chr;
    ParaProps &para = s.para;
    const int p = word.param;
    const bool on = !word.hasParam || p != 0;
    switch (kw) {
    case Kw::Ansi: m_docCodePage = ansiCodePage; break;
    case Kw::Mac: m_docCodePage = macCodePage; break;
    case Kw::Pc: m_docCodePage = pcCodePage; break;
    case Kw::Pca: m_docCodePage = pcaCodePage; break;
    case Kw::AnsiCpg:
        if (word.hasParam && p > 0)
            m_docCodePage = p;
        break;
    case Kw::Deff: m_defaultFont = p; break;
    case Kw::DefTab:
        if (p > 0)
            m_defaultTab = std::min(p, maxPictureSide * 15);
        break;
    case Kw::Uc: s.uc = std::max(p, 0); break;
    case Kw::U:
        if (!word.hasParam)
            break;
        emitUnicode(p);
        m_skip = s.uc;
        break;
    case Kw::Par: paragraph(); break;
    case Kw::Sect:
        // A page or section break ends the paragraph it stands in, but adds no empty one.
        flushBytes();
        if (!m_pendingBlock && !(m_run.isEmpty() && !m_pendingCell && m_cursor.block().length() <= 1))
            paragraph();
        break;
    case Kw::Line: emitText(QString(QChar::LineSeparator)); break;
    case Kw::Char: emitText(QString(QChar(entry.ch))); break;
    case Kw::Cell: cell(); break;
    case Kw::Row: row(); break;
    case Kw::NestCell: tabCell(); break;
    case Kw::NestRow: tabRow(); break;
    case Kw::InTable: para.inTable = true; break;
    case Kw::RowDefaults:
    case Kw::CellX:
    case Kw::CellBorderSide:
    case Kw::OtherBorder:
    case Kw::BorderStyle:
    case Kw::BorderWidth:
    case Kw::BorderColor:
    case Kw::RowAlign:
    case Kw::RowLeft:
    case Kw::RowGap:
    case Kw::CellVertical:
        if (dest == Dest::Text)
            tableWord(entry, word);
        break;
    case Kw::Pard: para = ParaProps{}; break;
    case Kw::Ql: para.align = Align::Left; break;
    case Kw::Qc: para.align = Align::Center; break;
    case Kw::Qr: para.align = Align::Right; break;
    case Kw::Qj: para.align = Align::Justify; break;
    case Kw::Li: para.left = p; break;
    case Kw::Ri: para.right = p; break;
    case Kw::Fi: para.first = p; break;
    case Kw::Sb: para.before = p; break;
    case Kw::Sa: para.after = p; break;
    case Kw::Sl: para.lineSpacing = p; break;
    case Kw::SlMult: para.lineMultiple = on; break;
    case Kw::Tqr: para.nextTabType = QTextOption::RightTab; break;
    case Kw::Tqc: para.nextTabType = QTextOption::CenterTab; break;
    case Kw::Tqdec: para.nextTabType = QTextOption::DelimiterTab; break;
    case Kw::Tx:
        if (para.tabs.size() < maxTabStops && p > 0) {
            para.tabs.append(QTextOption::Tab(std::min(p, maxPictureSide * 15), para.nextTabType,
                                              para.nextTabType == QTextOption::DelimiterTab ? QChar('.') : QChar()));
        }
        para.nextTabType = QTextOption::LeftTab;
        break;
    case Kw::Plain: chr = CharProps{.link = chr.link}; break;
    case Kw::B: chr.bold = on; break;
    case Kw::I: chr.italic = on; break;
    case Kw::Ul: chr.underline = on; break;
    case Kw::UlNone: chr.underline = false; break;
    case Kw::Strike: chr.strike = on; break;
    case Kw::Fs: chr.halfPoints = p > 0 ? p : 24; break;
    case Kw::F:
        if (dest == Dest::FontTable) {
            finishFontEntry();
            m_fontEntry = FontEntry{.active = true, .number = p};
        } else {
            chr.font = p;
        }
        break;
    case Kw::Cf: chr.color = p; break;
    case Kw::Cb: chr.background = p; break;
    case Kw::V: chr.hidden = on; break;
    case Kw::Super: chr.vertical = 1; break;
    case Kw::Sub: chr.vertical = -1; break;
    case Kw::NoSuperSub: chr.vertical = 0; break;
    case Kw::Caps: chr.caps = on; break;
    case Kw::Scaps: chr.smallCaps = on; break;
    case Kw::FCharset:
        if (dest == Dest::FontTable)
            m_fontEntry.charset = p;
        break;
    case Kw::Cpg:
        if (dest == Dest::FontTable)
            m_fontEntry.codePage = p;
        break;
    case Kw::FNil: m_fontEntry.hint = QFont::AnyStyle; break;
    case Kw::FRoman: m_fontEntry.hint = QFont::Serif; break;
    case Kw::FSwiss: m_fontEntry.hint = QFont::SansSerif; break;
    case Kw::FModern: m_fontEntry.hint = QFont::TypeWriter; break;
    case Kw::FScript: m_fontEntry.hint = QFont::Cursive; break;
    case Kw::FDecor: m_fontEntry.hint = QFont::Decorative; break;
    case Kw::FTech: m_fontEntry.hint = QFont::AnyStyle; break;
    case Kw::Red:
    case Kw::Green:
    case Kw::Blue:
        if (dest == Dest::ColorTable) {
            (kw == Kw::Red ? m_red : kw == Kw::Green ? m_green : m_blue) = std::clamp(p, 0, 255);
            m_colorPending = true;
        }
        break;
    default:
        break;
    }
    if (dest != Dest::Picture || !m_picture)
        return;
    Picture &pic = *m_picture;
    switch (kw) {
    case Kw::PngBlip: pic.kind = PictKind::Png; break;
    case Kw::JpegBlip: pic.kind = PictKind::Jpeg; break;
    case Kw::MetafileBlip: pic.kind = PictKind::Metafile; break;
    case Kw::BitmapBlip: pic.kind = PictKind::Bitmap; break;
    case Kw::PicW: pic.picw = p; break;
    case Kw::PicH: pic.pich = p; break;
    case Kw::PicWGoal: pic.goalw = p; break;
    case Kw::PicHGoal: pic.goalh = p; break;
    case Kw::PicScaleX: pic.scalex = p; break;
    case Kw::PicScaleY: pic.scaley = p; break;
    default: break;
    }
}

// A destination word: where the text of its group goes from now on. Outside body text, a
// destination is left out with its group.
void Reader::destination(Kw kw, qsizetype start)
{
    GroupState &s = state();
    const Dest dest = s.dest;
    if (kw == Kw::SkipDest) {
        s.dest = Dest::Skip;
        return;
    }
    if (kw == Kw::Ud) {
        if (dest == Dest::UprAnsi)
            s.dest = Dest::Text;
        return;
    }
    if (kw == Kw::Transparent && dest == Dest::Text)
        return;
    if (dest == Dest::FieldInst && kw == Kw::Field) {
        m_fields.push_back(Field{.depth = qsizetype(m_stack.size())});
        return;
    }
    if (dest != Dest::Text) {
        s.dest = Dest::Skip;
        return;
    }
    switch (kw) {
    case Kw::FontTable:
        s.dest = Dest::FontTable;
        m_fontEntry = FontEntry{};
        break;
    case Kw::ColorTable:
        s.dest = Dest::ColorTable;
        m_colors.clear();
        m_colorPending = false;
        m_red = m_green = m_blue = 0;
        break;
    case Kw::Pict:
        s.dest = Dest::Picture;
        m_picture = Picture{.start = start, .depth = qsizetype(m_stack.size())};
        break;
    case Kw::FieldInst:
        s.dest = Dest::FieldInst;
        break;
    case Kw::FieldResult:
        if (const int link = fieldLink(); link >= 0)
            s.chr.link = link;
        break;
    case Kw::Field:
        m_fields.push_back(Field{.depth = qsizetype(m_stack.size())});
        break;
    case Kw::Upr:
        s.dest = Dest::UprAnsi;
        break;
    case Kw::NestTableProps:
        s.dest = Dest::NestTableProps;
        break;
    default:
        break;
    }
}

void Reader::textBytes()
{
    const char *p = m_data.constData();
    const qsizetype n = m_data.size();
    while (m_pos < n) {
        const char c = p[m_pos];
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n')
            return;
        ++m_pos;
        if (m_skip > 0) {
            --m_skip;
            continue;
        }
        byteText(static_cast<unsigned char>(c));
    }
}

void Reader::byteText(unsigned char b)
{
    GroupState &s = state();
    switch (s.dest) {
    case Dest::Text:
    case Dest::FieldInst:
        if (b == '\t') {
            flushBytes();
            emitText(QStringLiteral("\t"));
        } else if (b >= 0x20) {
            m_bytes.append(char(b));
        }
        break;
    case Dest::FontTable:
        if (!m_fontEntry.active)
            break;
        if (b == ';')
            finishFontEntry();
        else if (m_fontEntry.name.size() < 256)
            m_fontEntry.name.append(char(b));
        break;
    case Dest::ColorTable:
        if (b == ';')
            finishColor();
        break;
    case Dest::Picture:
        if (m_picture) {
            if (const int v = hexValue(char(b)); v >= 0) {
                if (m_picture->nibble < 0) {
                    m_picture->nibble = v;
                } else {
                    m_picture->data.append(char(m_picture->nibble * 16 + v));
                    m_picture->nibble = -1;
                }
            }
        }
        break;
    case Dest::Skip:
    case Dest::UprAnsi:
    case Dest::NestTableProps:
        break;
    }
}

std::pair<int, FontEncoding> Reader::encoding(int font) const
{
    const auto it = m_fonts.constFind(font >= 0 ? font : m_defaultFont);
    if (it == m_fonts.constEnd())
        return {m_docCodePage, FontEncoding::CodePage};
    int codePage = it->codePage > 0 ? it->codePage : codePageForCharset(it->charset);
    return {codePage > 0 ? codePage : m_docCodePage, it->encoding};
}

void Reader::flushBytes()
{
    if (m_bytes.isEmpty() || m_stack.empty())
        return;
    const QByteArray bytes = std::exchange(m_bytes, {});
    const auto [codePage, enc] = encoding(state().chr.font);
    emitText(decode(bytes, codePage, enc));
}

void Reader::emitText(const QString &text)
{
    if (m_stack.empty())
        return;
    GroupState &s = state();
    if (s.dest == Dest::FieldInst) {
        if (!m_fields.empty() && m_fields.back().instruction.size() < maxFieldInstruction)
            m_fields.back().instruction += text.left(maxFieldInstruction - m_fields.back().instruction.size());
        return;
    }
    if (s.dest != Dest::Text || s.chr.hidden)
        return;
    closeSurrogate();
    put(text);
}

void Reader::emitUnicode(int value)
{
    if (value < 0)
        value += 65536;
    if (value < 0 || value > 0x10FFFF)
        value = 0xFFFD;
    const auto v = char32_t(value);
    GroupState &s = state();
    if (s.dest == Dest::FieldInst || (s.dest == Dest::Text && !s.chr.hidden)) {
        if (QChar::isHighSurrogate(v) && s.dest == Dest::Text) {
            closeSurrogate();
            m_highSurrogate = char16_t(v);
            return;
        }
        if (QChar::isLowSurrogate(v) && s.dest == Dest::Text) {
            if (m_highSurrogate) {
                const QChar pair[2] = {QChar(std::exchange(m_highSurrogate, 0)), QChar(char16_t(v))};
                put(QString(pair, 2));
            } else {
                put(QString(QChar(0xFFFD)));
            }
            return;
        }
        if (QChar::isSurrogate(v))
            emitText(QString(QChar(0xFFFD)));
        else
            emitText(QString::fromUcs4(&v, 1));
    }
}

void Reader::closeSurrogate()
{
    if (m_highSurrogate) {
        m_highSurrogate = 0;
        put(QString(QChar(0xFFFD)));
    }
}

// Each paragraph and table cell costs the text engine memory; a document with too many is cut off.
bool Reader::addBlocks(int count)
{
    if (m_done)
        return false;
    if (m_blocks + qint64(count) < m_limits.paragraphs) {
        m_blocks += count;
        return true;
    }
    damage(ReadError::TooLong, m_pos,
           QStringLiteral("The document has more than %1 paragraphs; the rest is left out.").arg(m_limits.paragraphs));
    m_done = true;
    return false;
}

void Reader::beginContent()
{
    syncTable();
    if (m_done)
        return;
    if (m_pendingBlock) {
        flushRun();
        if (!addBlocks(1))
            return;
        m_cursor.insertBlock();
        m_pendingBlock = false;
        m_rowEnded = false;
    }
    if (m_pendingCell) {
        m_pendingCell = false;
        put(QStringLiteral("\t"));
    }
}

// Appends text to the current run. Characters the text engine gives a meaning of its own
// (block and frame marks, object placeholders, control codes) are replaced or dropped.
void Reader::put(const QString &text)
{
    if (m_stack.empty() || m_done)
        return;
    beginContent();
    if (m_done)
        return;
    const CharProps &chr = state().chr;
    if (!m_run.isEmpty() && !(m_runProps == chr)) {
        flushRun();
        if (m_done)
            return;
    }
    m_runProps = chr;
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x20 && u != u'\t')
            continue;
        if (u == 0x2029)
            m_run += QChar(QChar::LineSeparator);
        else if (u == 0xFDD0 || u == 0xFDD1 || u == 0xFFFC || u == 0xFFFE || u == 0xFFFF)
            m_run += QChar(0xFFFD);
        else
            m_run += ch;
    }
}

void Reader::flushRun()
{
    if (m_run.isEmpty())
        return;
    const QString run = std::exchange(m_run, {});
    if (countFormat(hashOf(m_runProps)))
        m_cursor.insertText(run, charFormat(m_runProps));
}

// Each new format costs the text engine memory of its own; a document that keeps making new
// ones is cut off.
bool Reader::countFormat(size_t key)
{
    m_formatKeys.insert(key);
    if (m_formatKeys.size() <= m_limits.formats)
        return true;
    damage(ReadError::TooLong, m_pos,
           QStringLiteral("The document uses more than %1 different text formats; the rest is left out.").arg(m_limits.formats));
    m_done = true;
    return false;
}

void Reader::paragraph()
{
    flushBytes();
    const GroupState &s = state();
    if ((s.dest != Dest::Text && s.dest != Dest::NestTableProps) || s.chr.hidden)
        return;
    closeSurrogate();
    beginContent();
    if (m_done)
        return;
    flushRun();
    // A new block starts with the formats of the one before; most paragraphs keep them.
    const QTextBlockFormat block = blockFormat(s.para);
    if (m_cursor.blockFormat() != block)
        m_cursor.setBlockFormat(block);
    const QTextCharFormat chars = charFormat(s.chr);
    if (m_cursor.blockCharFormat() != chars)
        m_cursor.setBlockCharFormat(chars);
    m_pendingBlock = true;
}

// A cell read as text: a table inside a cell, or a cell outside any row, is shown with its
// cells separated by tabs and its rows on lines of their own.
void Reader::tabCell()
{
    const GroupState &s = state();
    if (s.dest != Dest::Text || s.chr.hidden)
        return;
    closeSurrogate();
    // A cell's closing paragraph mark ends the cell, not a line.
    if (m_pendingBlock && !m_pendingCell && !m_rowEnded)
        m_pendingBlock = false;
    else if (m_pendingCell)
        beginContent();
    m_pendingCell = true;
}

void Reader::tabRow()
{
    m_pendingCell = false;
    paragraph();
    m_rowEnded = m_pendingBlock;
}

// Row definition words. They describe the row that follows them (or, as some writers put them,
// the row they end); the definition stays in force until the next \trowd.
void Reader::tableWord(const Keyword &entry, const Word &word)
{
    RowDef &def = m_rowDef;
    const int p = word.param;
    switch (entry.kw) {
    case Kw::RowDefaults:
        def = RowDef{};
        m_rowOpen = true;
        break;
    case Kw::CellX:
        if (def.cells.size() < size_t(maxTableColumns)) {
            def.next.right = std::clamp(p, -maxTableTwips, maxTableTwips);
            def.cells.push_back(def.next);
        }
        def.next = CellDef{};
        def.border = -1;
        break;
    case Kw::CellBorderSide:
        def.border = entry.ch;
        def.next.borders[entry.ch] = CellBorder{};
        break;
    case Kw::OtherBorder: def.border = -1; break;
    case Kw::BorderStyle:
        if (def.border >= 0)
            def.next.borders[def.border].style = QTextFrameFormat::BorderStyle(entry.ch);
        break;
    case Kw::BorderWidth:
        if (def.border >= 0)
            def.next.borders[def.border].width = std::clamp(p, 0, maxBorderTwips);
        break;
    case Kw::BorderColor:
        if (def.border >= 0)
            def.next.borders[def.border].color = p;
        break;
    case Kw::RowAlign: def.align = Align(entry.ch); break;
    case Kw::RowLeft: def.left = std::clamp(p, -maxTableTwips, maxTableTwips); break;
    case Kw::RowGap: def.gap = std::clamp(p, 0, maxTableTwips / 100); break;
    case Kw::CellVertical: def.next.vertical = qint8(int(entry.ch) - 1); break;
    default: break;
    }
}

void Reader::cell()
{
    const GroupState &s = state();
    if (s.dest != Dest::Text || s.chr.hidden)
        return;
    if (!m_table && !m_rowOpen && !s.para.inTable) {
        tabCell();
        return;
    }
    closeSurrogate();
    // A paragraph mark just before \cell ends the cell's last paragraph; it adds no empty one.
    const bool ended = m_pendingBlock && m_table && !m_cellEnded && !m_rowFinished;
    if (ended) {
        flushRun();
        m_pendingBlock = false;
    }
    enterCell();
    if (m_done || !m_table)
        return;
    flushRun();
    if (!ended) {
        const QTextBlockFormat block = blockFormat(s.para);
        if (m_cursor.blockFormat() != block)
            m_cursor.setBlockFormat(block);
    }
    m_cellEnded = true;
}

void Reader::row()
{
    const GroupState &s = state();
    if (s.dest != Dest::Text || s.chr.hidden)
        return;
    if (!m_table && !m_rowOpen && !s.para.inTable) {
        tabRow();
        return;
    }
    closeSurrogate();
    m_rowOpen = false;
    if (!m_table || m_rowFinished)
        return;  // a row with no cell in it shows nothing
    flushRun();
    // Text after the row's last \cell stays in the cell it went into.
    if (!m_cellEnded && !m_pendingBlock) {
        const QTextBlockFormat block = blockFormat(s.para);
        if (m_cursor.blockFormat() != block)
            m_cursor.setBlockFormat(block);
    }
    m_pendingBlock = false;
    m_pendingCell = false;
    finishRow();
}

// Text goes into the open table while a row is defined or the paragraph is marked \intbl;
// other text closes the table.
void Reader::syncTable()
{
    if (m_rowOpen || state().para.inTable)
        enterCell();
    else if (m_table)
        leaveTable();
}

// Puts the cursor where the next text of the table goes: a new table, a new row, the next cell.
void Reader::enterCell()
{
    if (!m_table) {
        startTable();
        return;
    }
    if (m_rowFinished) {
        if (m_row + 1 >= maxTableRows) {
            leaveTable();
            startTable();
            return;
        }
        if (!addBlocks(m_table->columns()))
            return;
        flushRun();
        // Rows are added in growing batches and the spare ones removed when the table ends:
        // each addition makes the table work out its whole grid again.
        if (m_row + 1 >= m_table->rows())
            m_table->appendRows(std::min(m_table->rows(), maxTableRows - m_table->rows()));
        ++m_row;
        m_column = 0;
        m_rowFinished = false;
        m_cellEnded = false;
        moveToCell();
        return;
    }
    if (!m_cellEnded)
        return;
    m_cellEnded = false;
    flushRun();
    if (m_column + 1 < m_table->columns()) {
        ++m_column;
        moveToCell();
    } else if (m_table->columns() < maxTableColumns) {
        if (!addBlocks(m_table->rows()))
            return;
        m_table->appendColumns(1);
        ++m_column;
        moveToCell();
    } else {
        m_pendingCell = true;  // cells past the last column share it, after a tab
    }
}

bool Reader::startTable()
{
    flushRun();
    const int columns = std::clamp(int(m_rowDef.cells.size()), 1, maxTableColumns);
    if (!addBlocks(columns) || !countFormat(qHashMulti(0x7ab1e, m_blocks)))
        return false;
    QTextTableFormat format;
    format.setBorder(0);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(0);
    format.setMargin(0);
    m_table = m_cursor.insertTable(1, columns, format);
    m_row = 0;
    m_column = 0;
    m_cellEnded = false;
    m_rowFinished = false;
    m_tableAligned = false;
    m_widths.clear();
    m_pendingBlock = false;
    m_pendingCell = false;
    m_rowEnded = false;
    return true;
}

void Reader::finishTable()
{
    flushRun();
    finishRow();
    if (m_table->rows() > m_row + 1)
        m_table->removeRows(m_row + 1, m_table->rows() - m_row - 1);
}

void Reader::leaveTable()
{
    finishTable();
    m_cursor.setPosition(m_table->lastPosition() + 1);
    m_table = nullptr;
    m_cellEnded = false;
    m_rowFinished = false;
    m_pendingBlock = false;
    m_pendingCell = false;
    m_rowEnded = false;
}

void Reader::moveToCell()
{
    m_cursor.setPosition(m_table->cellAt(m_row, m_column).firstPosition());
    m_pendingBlock = false;
    m_pendingCell = false;
    m_rowEnded = false;
}

// Gives the row that ends the formats of the row definition in force; the first row that
// defines them sets the table's alignment and column widths.
void Reader::finishRow()
{
    if (!m_table || m_rowFinished)
        return;
    flushRun();
    m_rowFinished = true;
    m_cellEnded = false;
    const RowDef &def = m_rowDef;
    const int columns = m_table->columns();
    QTextTableFormat format = m_table->format();
    bool changed = false;
    if (!m_tableAligned && !def.cells.empty()) {
        m_tableAligned = true;
        format.setAlignment(def.align == Align::Center ? Qt::AlignHCenter
                            : def.align == Align::Right ? Qt::AlignRight : Qt::AlignLeft);
        changed = true;
    }
    for (qsizetype c = m_widths.size(); c < std::min<qsizetype>(columns, qsizetype(def.cells.size())); ++c) {
        const int left = c == 0 ? def.left : def.cells[size_t(c - 1)].right;
        const qint64 width = qint64(def.cells[size_t(c)].right) - left;
        m_widths.append(width > 0 ? QTextLength(QTextLength::FixedLength, double(std::min<qint64>(width, maxTableTwips)) / twipsPerPixel)
                                  : QTextLength());
        changed = true;
    }
    if (changed) {
        // One width for every column: adding a column to a table with fewer widths than
        // columns writes past the end of the text engine's list of widths.
        QList<QTextLength> widths = m_widths;
        widths.resize(columns);
        format.setColumnWidthConstraints(widths);
        m_table->setFormat(format);
    }
    for (int c = 0; c < columns; ++c) {
        const CellDef cellDef = size_t(c) < def.cells.size() ? def.cells[size_t(c)] : CellDef{};
        const QTextTableCellFormat f = cellFormat(cellDef);
        if (!countFormat(qHashMulti(0xce11, f.properties().size(), f.leftPadding(), f.topBorder(), f.leftBorder(),
                                    f.bottomBorder(), f.rightBorder(), int(f.topBorderStyle()),
                                    int(f.leftBorderStyle()), int(f.bottomBorderStyle()), int(f.rightBorderStyle()),
                                    f.topBorderBrush().color().rgba(), f.leftBorderBrush().color().rgba(),
                                    f.bottomBorderBrush().color().rgba(), f.rightBorderBrush().color().rgba(),
                                    int(f.verticalAlignment()))))
            return;
        m_table->cellAt(m_row, c).setFormat(f);
    }
}

QTextTableCellFormat Reader::cellFormat(const CellDef &def) const
{
    QTextTableCellFormat f;
    const double gap = m_rowDef.gap / twipsPerPixel;
    f.setLeftPadding(gap);
    f.setRightPadding(gap);
    f.setTopPadding(0);
    f.setBottomPadding(0);
    for (int side = 0; side < 4; ++side) {
        const CellBorder &b = def.borders[size_t(side)];
        if (b.style == QTextFrameFormat::BorderStyle_None)
            continue;
        double width = std::max(1.0, std::round(b.width / twipsPerPixel));
        if (b.style == QTextFrameFormat::BorderStyle_Double)
            width = std::max(width, 3.0);
        QColor color(Qt::black);
        if (b.color > 0 && b.color < m_colors.size() && m_colors.at(b.color))
            color = *m_colors.at(b.color);
        switch (side) {
        case 0:
            f.setTopBorder(width);
            f.setTopBorderStyle(b.style);
            f.setTopBorderBrush(color);
            break;
        case 1:
            f.setLeftBorder(width);
            f.setLeftBorderStyle(b.style);
            f.setLeftBorderBrush(color);
            break;
        case 2:
            f.setBottomBorder(width);
            f.setBottomBorderStyle(b.style);
            f.setBottomBorderBrush(color);
            break;
        default:
            f.setRightBorder(width);
            f.setRightBorderStyle(b.style);
            f.setRightBorderBrush(color);
            break;
        }
    }
    if (def.vertical == 0)
        f.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    else if (def.vertical > 0)
        f.setVerticalAlignment(QTextCharFormat::AlignBottom);
    return f;
}

void Reader::finishFontEntry()
{
    if (!m_fontEntry.active)
        return;
    FontEntry entry = std::exchange(m_fontEntry, FontEntry{});
    if (m_fonts.size() >= maxFonts && !m_fonts.contains(entry.number))
        return;
    Font font;
    font.charset = entry.charset;
    font.codePage = entry.codePage;
    font.hint = entry.hint;
    int codePage = font.codePage > 0 ? font.codePage : codePageForCharset(font.charset);
    font.name = decode(entry.name, codePage > 0 ? codePage : m_docCodePage).trimmed();
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

void Reader::finishColor()
{
    if (m_colors.size() < maxColors) {
        if (m_colorPending)
            m_colors.append(QColor(m_red, m_green, m_blue));
        else
            m_colors.append(std::nullopt);
    }
    m_red = m_green = m_blue = 0;
    m_colorPending = false;
}

// The link of the innermost field's HYPERLINK instruction, or -1.
int Reader::fieldLink()
{
    if (m_fields.empty())
        return -1;
    Field &field = m_fields.back();
    if (field.link != -2)
        return field.link;
    field.link = -1;
    const QString inst = field.instruction.trimmed();
    if (!inst.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return -1;
    QStringList args;
    qsizetype i = 9;
    while (i < inst.size()) {
        while (i < inst.size() && inst.at(i).isSpace())
            ++i;
        if (i >= inst.size())
            break;
        QString arg;
        if (inst.at(i) == u'"') {
            const qsizetype end = inst.indexOf(u'"', i + 1);
            arg = inst.mid(i + 1, end < 0 ? -1 : end - i - 1);
            i = end < 0 ? inst.size() : end + 1;
        } else {
            const qsizetype begin = i;
            while (i < inst.size() && !inst.at(i).isSpace())
                ++i;
            arg = inst.mid(begin, i - begin);
        }
        args.append(arg);
    }
    QString url;
    QString location;
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString &arg = args.at(k);
        if (arg.size() == 2 && arg.at(0) == u'\\') {
            const QChar sw = arg.at(1).toLower();
            if ((sw == u'l' || sw == u'o' || sw == u't') && k + 1 < args.size()) {
                if (sw == u'l')
                    location = args.at(k + 1);
                ++k;
            }
        } else if (url.isEmpty()) {
            url = arg;
        }
    }
    if (!location.isEmpty())
        url += u'#' + location;
    if (url.isEmpty())
        return -1;
    m_links.append(url);
    field.link = int(m_links.size() - 1);
    return field.link;
}

QTextCharFormat Reader::charFormat(const CharProps &chr) const
{
    QTextCharFormat f;
    f.setFontPointSize(std::clamp(chr.halfPoints, 2, 3276) / 2.0);
    const auto font = m_fonts.constFind(chr.font >= 0 ? chr.font : m_defaultFont);
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

QTextBlockFormat Reader::blockFormat(const ParaProps &para) const
{
    const auto px = [](int twips) { return std::clamp(twips, -maxPictureSide * 15, maxPictureSide * 15) / twipsPerPixel; };
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
    const int lineStart = std::clamp(para.left, -maxPictureSide * 15, maxPictureSide * 15)
                          + std::clamp(para.first, -maxPictureSide * 15, maxPictureSide * 15);
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

QString Reader::addImage(const QImage &image)
{
    const QString name = QStringLiteral("rtfimage:%1").arg(++m_imageCount);
    m_doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
    return name;
}

// A light grey outline of the given size, for pictures that cannot be shown. One picture per
// size; once the pictures of the document use up their memory, one small outline serves all.
QString Reader::frame(QSize size)
{
    const quint64 key = (quint64(quint32(size.width())) << 32) | quint32(size.height());
    if (const auto it = m_frames.constFind(key); it != m_frames.constEnd())
        return *it;
    const qint64 bytes = std::max<qint64>(minImageCost, qint64(size.width() + 31) / 32 * 4 * size.height());
    if (m_frameBytes + bytes > maxFrameBytes) {
        if (m_spareFrame.isEmpty())
            m_spareFrame = addImage(frameImage(QSize(16, 16)));
        return m_spareFrame;
    }
    m_frameBytes += bytes;
    const QString name = addImage(frameImage(size));
    m_frames.insert(key, name);
    return name;
}

QImage Reader::frameImage(QSize size)
{
    QImage image(size, QImage::Format_Mono);
    if (image.isNull())
        return image;
    image.setColorTable({qRgba(0, 0, 0, 0), qRgb(170, 170, 170)});
    image.fill(0);
    for (int x = 0; x < size.width(); ++x) {
        image.setPixel(x, 0, 1);
        image.setPixel(x, size.height() - 1, 1);
    }
    for (int y = 0; y < size.height(); ++y) {
        image.setPixel(0, y, 1);
        image.setPixel(size.width() - 1, y, 1);
    }
    return image;
}

void Reader::finishPicture()
{
    Picture pic = std::move(*m_picture);
    m_picture.reset();
    const CharProps chr = state().chr;
    if (chr.hidden)
        return;

    QImage image;
    QSize natural;
    bool failed = false;
    const bool decodable = pic.kind == PictKind::Png || pic.kind == PictKind::Jpeg;
    QBuffer buffer(&pic.data);
    QImageReader reader(&buffer, pic.kind == PictKind::Png ? "png" : "jpeg");
    if (decodable) {
        buffer.open(QIODevice::ReadOnly);
        natural = reader.size();
        failed = !natural.isValid() || qint64(natural.width()) * natural.height() > maxNaturalPixels;
    }

    // Shown size: the goal size in twips, else the picture's own size, each scaled in percent.
    const auto side = [&](int goal, int own, int naturalSide, int scale) -> double {
        double v = 0;
        if (goal > 0)
            v = goal / twipsPerPixel;
        else if (own > 0)
            v = pic.kind == PictKind::Metafile ? own * 96.0 / 2540.0 : double(own);
        else
            v = naturalSide;
        if (scale > 0)
            v = v * std::min(scale, 100000) / 100.0;
        return v;
    };
    double w = side(pic.goalw, pic.picw, natural.isValid() ? natural.width() : 0, pic.scalex);
    double h = side(pic.goalh, pic.pich, natural.isValid() ? natural.height() : 0, pic.scaley);
    if (!(w >= 1 && h >= 1)) {
        if (decodable && failed)
            damage(ReadError::BadPicture, pic.start,
                   QStringLiteral("A picture at byte %1 could not be decoded.").arg(pic.start));
        return;
    }
    const QSize shown(int(std::min(w, double(maxPictureSide)) + 0.5), int(std::min(h, double(maxPictureSide)) + 0.5));

    if (decodable && !failed) {
        // Kept at most at twice the shown size, for high-density screens.
        QSize keep = natural;
        if (keep.width() > 2 * shown.width() || keep.height() > 2 * shown.height())
            keep = natural.scaled(2 * shown.width(), 2 * shown.height(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        const qint64 bytes = std::max(minImageCost, qint64(keep.width()) * keep.height() * 4);
        if (m_imageBytes + bytes <= maxImageBytes) {
            if (keep != natural)
                reader.setScaledSize(keep);
            image = reader.read();
            if (!image.isNull())
                m_imageBytes += bytes;
        }
        failed = image.isNull() && m_imageBytes + bytes <= maxImageBytes;
    }
    if (failed)
        damage(ReadError::BadPicture, pic.start,
               QStringLiteral("A picture at byte %1 could not be decoded.").arg(pic.start));

    const QString name = image.isNull() ? frame(shown) : addImage(image);
    if (!countFormat(qHashMulti(hashOf(chr), name, shown.width(), shown.height())))
        return;
    QTextImageFormat format;
    format.merge(charFormat(chr));
    format.setName(name);
    format.setWidth(shown.width());
    format.setHeight(shown.height());
    closeSurrogate();
    beginContent();
    if (m_done)
        return;
    flushRun();
    m_cursor.insertImage(format);
}

qsizetype rtfStart(const QByteArray &bytes)
{
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && (bytes.at(i) == ' ' || bytes.at(i) == '\t' || bytes.at(i) == '\r'
                                || bytes.at(i) == '\n' || bytes.at(i) == '\0'))
        ++i;
    return i;
}

ReadResult failure(ReadError code, qsizetype position, const QString &reason)
{
    return ReadResult{.ok = false, .damaged = false, .code = code, .error = reason, .position = position};
}

} // namespace

ReadResult read(const QByteArray &bytes, QTextDocument &doc) { return read(bytes, doc, Limits{}); }

ReadResult read(const QByteArray &bytes, QTextDocument &doc, const Limits &limits)
{
    doc.clear();
    const qsizetype start = rtfStart(bytes);
    if (start >= bytes.size())
        return failure(ReadError::Empty, 0, QStringLiteral("The document is empty."));
    if (!QByteArrayView(bytes).sliced(start).startsWith("{\\rtf"))
        return failure(ReadError::NotRtf, start,
                       QStringLiteral("This is not an RTF document: it does not begin with \"{\\rtf\"."));
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    Reader reader(bytes, doc, limits);
    ReadResult result = reader.run(start);
    doc.setUndoRedoEnabled(undo);
    doc.setModified(false);
    return result;
}

ReadResult readFile(const QString &path, QTextDocument &doc)
{
    doc.clear();
    const QFileInfo info(path);
    const QString name = info.fileName().isEmpty() ? path : info.fileName();
    if (!info.exists())
        return failure(ReadError::FileMissing, -1, QStringLiteral("The file \"%1\" was not found.").arg(path));
    if (info.isDir())
        return failure(ReadError::FileUnreadable, -1, QStringLiteral("\"%1\" is a folder, not a document.").arg(path));
    if (info.size() > maxFileSize)
        return failure(ReadError::FileTooLarge, -1,
                       QStringLiteral("The file \"%1\" is too large to be a document (%2 MB; at most %3 MB).")
                           .arg(path)
                           .arg(info.size() / (1024 * 1024))
                           .arg(maxFileSize / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(ReadError::FileUnreadable, -1,
                       QStringLiteral("The file \"%1\" could not be read: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.read(maxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(ReadError::FileUnreadable, -1,
                       QStringLiteral("The file \"%1\" could not be read: %2").arg(path, file.errorString()));
    if (bytes.size() > maxFileSize)
        return failure(ReadError::FileTooLarge, -1,
                       QStringLiteral("The file \"%1\" is too large to be a document.").arg(path));
    ReadResult result = read(bytes, doc);
    if (!result.ok)
        result.error = QStringLiteral("The file \"%1\" could not be shown. %2").arg(name, result.error);
    else if (result.damaged)
        result.error = QStringLiteral("The file \"%1\" is damaged. %2").arg(name, result.error);
    return result;
}

namespace {

// The text engine keeps a paragraph before a table that starts a frame and after one that ends
// it; when empty, they are not part of the text.
void appendLines(QTextFrame::iterator it, QStringList &lines)
{
    const qsizetype first = lines.size();
    bool afterTable = false;
    bool tail = false;
    for (; !it.atEnd(); ++it) {
        if (QTextFrame *frame = it.currentFrame()) {
            if (lines.size() == first + 1 && lines.back().isEmpty() && !afterTable)
                lines.removeLast();
            if (auto *table = qobject_cast<QTextTable *>(frame)) {
                for (int r = 0; r < table->rows(); ++r) {
                    QStringList cells;
                    for (int c = 0; c < table->columns(); ++c) {
                        const QTextTableCell cell = table->cellAt(r, c);
                        if (cell.row() != r || cell.column() != c)
                            continue;  // covered by a spanning cell
                        QStringList paragraphs;
                        appendLines(cell.begin(), paragraphs);
                        cells.append(paragraphs.join(u'\n'));
                    }
                    lines.append(cells.join(u'\t'));
                }
            } else {
                appendLines(frame->begin(), lines);
            }
            afterTable = true;
            tail = false;
            continue;
        }
        const QString text = it.currentBlock().text();
        tail = afterTable && text.isEmpty();
        afterTable = false;
        lines.append(text);
    }
    if (tail)
        lines.removeLast();
}

} // namespace

QString documentText(const QTextDocument &doc)
{
    QStringList lines;
    appendLines(doc.rootFrame()->begin(), lines);
    return lines.join(u'\n');
}

void addDamageNote(QTextDocument &doc, const QString &reason)
{
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::Start);
    // A document that begins with a table has an empty paragraph before it: the note goes there.
    const QTextBlock first = doc.begin();
    const bool beforeTable = first.length() <= 1 && first.next().isValid() && QTextCursor(first.next()).currentTable();
    if (!beforeTable)
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.movePosition(QTextCursor::Start);
    cursor.setBlockFormat(QTextBlockFormat());
    QTextCharFormat note;
    note.setForeground(QColor(128, 0, 0));
    note.setFontItalic(true);
    cursor.insertText(reason, note);
}

} // namespace numora::rtf

#include "rtfreader.h"

#include "codepage.h"
#include "rtffields.h"
#include "rtfformats.h"
#include "rtfkeywords.h"
#include "rtfpictures.h"
#include "rtftables.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>

#include <algorithm>
#include <climits>
#include <optional>
#include <string_view>
#include <vector>

namespace numora::rtf {

namespace {

constexpr int maxFieldInstruction = 4096;
constexpr int maxTabStops = 64;
constexpr int maxTableRows = 1000;  // a longer table goes on in a new one, which keeps laying it out quick

enum class Dest : quint8 { Text, Skip, FontTable, ColorTable, Picture, FieldInst, UprAnsi, NestTableProps };

struct GroupState {
    CharProps chr;
    ParaProps para;
    Dest dest = Dest::Text;
    int uc = 1;
};

struct Field {
    qsizetype depth = 0;
    QString instruction = {};
    int link = -2;  // -2: not looked at yet, -1: no link
};

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
        : m_data(bytes), m_doc(doc), m_cursor(&doc), m_limits(limits), m_pictures(doc)
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
    void documentWord(Kw kw, const Word &word);
    void breakWord(const Keyword &entry);
    void paragraphWord(Kw kw, const Word &word);
    void characterWord(Kw kw, const Word &word);
    void fontTableWord(Kw kw, int p, Dest dest);
    void colorTableWord(Kw kw, int p);
    void pictureWord(Kw kw, int p);
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

    void finishFontEntry();
    void finishColor();
    void finishPicture();
    int fieldLink();
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
    int m_defaultTab = 720;
    FormatTables m_formats;
    FontEntry m_fontEntry;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colorPending = false;
    std::optional<Picture> m_picture;
    std::vector<Field> m_fields;

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

    PictureStore m_pictures;
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
    const std::optional<Keyword> found = findKeyword(word.name);
    const Keyword entry = found.value_or(Keyword{Kw::SkipDest});
    const Kw kw = entry.kw;
    const WordGroup group = groupOf(kw);
    if (star && (!found || group != WordGroup::Destination)) {
        state().dest = Dest::Skip;
        return;
    }
    if (!found)
        return;
    if (group == WordGroup::Destination) {
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
    switch (group) {
    case WordGroup::Document: documentWord(kw, word); break;
    case WordGroup::Break: breakWord(entry); break;
    case WordGroup::RowDefinition:
        if (dest == Dest::Text)
            tableWord(entry, word);
        break;
    case WordGroup::Paragraph: paragraphWord(kw, word); break;
    case WordGroup::Character:
        if (kw == Kw::F && dest == Dest::FontTable)
            fontTableWord(kw, word.param, dest);
        else
            characterWord(kw, word);
        break;
    case WordGroup::FontTable: fontTableWord(kw, word.param, dest); break;
    case WordGroup::ColorTable:
        if (dest == Dest::ColorTable)
            colorTableWord(kw, word.param);
        break;
    case WordGroup::Picture:
        if (dest == Dest::Picture && m_picture)
            pictureWord(kw, word.param);
        break;
    case WordGroup::Destination:
    case WordGroup::Other:
        break;
    }
}

// The document's code page, default font and tab width, and \uc and \u.
void Reader::documentWord(Kw kw, const Word &word)
{
    GroupState &s = state();
    const int p = word.param;
    switch (kw) {
    case Kw::Ansi: m_docCodePage = ansiCodePage; break;
    case Kw::Mac: m_docCodePage = macCodePage; break;
    case Kw::Pc: m_docCodePage = pcCodePage; break;
    case Kw::Pca: m_docCodePage = pcaCodePage; break;
    case Kw::AnsiCpg:
        if (word.hasParam && p > 0)
            m_docCodePage = p;
        break;
    case Kw::Deff: m_formats.defaultFont = p; break;
    case Kw::DefTab:
        if (p > 0)
            m_defaultTab = std::min(p, maxTwips);
        break;
    case Kw::Uc: s.uc = std::max(p, 0); break;
    case Kw::U:
        if (!word.hasParam)
            break;
        emitUnicode(p);
        m_skip = s.uc;
        break;
    default: break;
    }
}

// Paragraph, line, page and cell ends, and the words that stand for a character.
void Reader::breakWord(const Keyword &entry)
{
    switch (entry.kw) {
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
    default: break;
    }
}

void Reader::paragraphWord(Kw kw, const Word &word)
{
    ParaProps &para = state().para;
    const int p = word.param;
    switch (kw) {
    case Kw::InTable: para.inTable = true; break;
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
    case Kw::SlMult: para.lineMultiple = !word.hasParam || p != 0; break;
    case Kw::Tqr: para.nextTabType = QTextOption::RightTab; break;
    case Kw::Tqc: para.nextTabType = QTextOption::CenterTab; break;
    case Kw::Tqdec: para.nextTabType = QTextOption::DelimiterTab; break;
    case Kw::Tx:
        if (para.tabs.size() < maxTabStops && p > 0) {
            para.tabs.append(QTextOption::Tab(std::min(p, maxTwips), para.nextTabType,
                                              para.nextTabType == QTextOption::DelimiterTab ? QChar('.') : QChar()));
        }
        para.nextTabType = QTextOption::LeftTab;
        break;
    default: break;
    }
}

void Reader::characterWord(Kw kw, const Word &word)
{
    CharProps &chr = state().chr;
    const int p = word.param;
    const bool on = !word.hasParam || p != 0;
    switch (kw) {
    case Kw::Plain: chr = CharProps{.link = chr.link}; break;
    case Kw::B: chr.bold = on; break;
    case Kw::I: chr.italic = on; break;
    case Kw::Ul: chr.underline = on; break;
    case Kw::UlNone: chr.underline = false; break;
    case Kw::Strike: chr.strike = on; break;
    case Kw::Fs: chr.halfPoints = p > 0 ? p : 24; break;
    case Kw::F: chr.font = p; break;
    case Kw::Cf: chr.color = p; break;
    case Kw::Cb: chr.background = p; break;
    case Kw::V: chr.hidden = on; break;
    case Kw::Super: chr.vertical = 1; break;
    case Kw::Sub: chr.vertical = -1; break;
    case Kw::NoSuperSub: chr.vertical = 0; break;
    case Kw::Caps: chr.caps = on; break;
    case Kw::Scaps: chr.smallCaps = on; break;
    default: break;
    }
}

// A font's number, charset and code page count in the font table only; its family (\froman,
// \fswiss ...) in any group, for the entry being read.
void Reader::fontTableWord(Kw kw, int p, Dest dest)
{
    switch (kw) {
    case Kw::F:
        finishFontEntry();
        m_fontEntry = FontEntry{.active = true, .number = p};
        break;
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
    default: break;
    }
}

void Reader::colorTableWord(Kw kw, int p)
{
    (kw == Kw::Red ? m_red : kw == Kw::Green ? m_green : m_blue) = std::clamp(p, 0, 255);
    m_colorPending = true;
}

void Reader::pictureWord(Kw kw, int p)
{
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
        m_formats.clearColors();
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

void Reader::flushBytes()
{
    if (m_bytes.isEmpty() || m_stack.empty())
        return;
    const QByteArray bytes = std::exchange(m_bytes, {});
    const auto [codePage, enc] = m_formats.encoding(state().chr.font, m_docCodePage);
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
        m_cursor.insertText(run, m_formats.charFormat(m_runProps));
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
    const QTextCharFormat chars = m_formats.charFormat(s.chr);
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
    if (entry.kw == Kw::RowDefaults)
        m_rowOpen = true;
    applyRowWord(m_rowDef, entry, word.param);
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
        format.setAlignment(rowAlignment(def));
        changed = true;
    }
    for (qsizetype c = m_widths.size(); c < std::min<qsizetype>(columns, qsizetype(def.cells.size())); ++c) {
        m_widths.append(columnWidth(def, size_t(c)));
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
        const QTextTableCellFormat f = cellFormat(cellDef, def.gap, m_formats);
        if (!countFormat(cellFormatKey(f)))
            return;
        m_table->cellAt(m_row, c).setFormat(f);
    }
}

void Reader::finishFontEntry()
{
    if (!m_fontEntry.active)
        return;
    m_formats.addFont(std::exchange(m_fontEntry, FontEntry{}), m_docCodePage);
}

void Reader::finishColor()
{
    m_formats.addColor(m_colorPending ? std::optional<QColor>(QColor(m_red, m_green, m_blue)) : std::nullopt);
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
    const QString url = hyperlinkTarget(field.instruction);
    if (url.isEmpty())
        return -1;
    field.link = m_formats.addLink(url);
    return field.link;
}

void Reader::finishPicture()
{
    Picture pic = std::move(*m_picture);
    m_picture.reset();
    const CharProps chr = state().chr;
    if (chr.hidden)
        return;

    const PictureStore::Placed placed = m_pictures.place(pic);
    if (placed.damaged)
        damage(ReadError::BadPicture, pic.start,
               QStringLiteral("A picture at byte %1 could not be decoded.").arg(pic.start));
    if (!placed.shown)
        return;
    const QString &name = placed.name;
    const QSize shown = placed.size;
    if (!countFormat(qHashMulti(hashOf(chr), name, shown.width(), shown.height())))
        return;
    QTextImageFormat format;
    format.merge(m_formats.charFormat(chr));
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
    // Read as far as the file goes, at most one byte past the limit: a buffer of the limit's
    // size for every document would make the allocator keep that much memory around.
    QByteArray bytes;
    bytes.reserve(std::clamp<qint64>(file.size(), 0, maxFileSize) + 1);
    while (bytes.size() <= maxFileSize) {
        const QByteArray chunk = file.read(std::min<qint64>(qint64(1) << 20, maxFileSize + 1 - bytes.size()));
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
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

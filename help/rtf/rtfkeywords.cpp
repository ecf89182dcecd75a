#include "rtfkeywords.h"

#include "rtfformats.h"

#include <QTextFrameFormat>

#include <unordered_map>

namespace numora::rtf {

namespace {

constexpr int maxWordLength = 32;

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

} // namespace

std::optional<Keyword> findKeyword(std::string_view name)
{
    if (name.size() > size_t(maxWordLength))
        return std::nullopt;
    const auto &map = keywords();
    const auto it = map.find(name);
    if (it == map.end())
        return std::nullopt;
    return it->second;
}

} // namespace numora::rtf

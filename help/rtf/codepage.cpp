#include "codepage.h"

#include <QList>
#include <QStringDecoder>

#include <algorithm>
#include <mutex>
#include <unordered_map>

namespace numora::rtf {

namespace {

// The Symbol font's characters 0x20..0x7F and 0xA0..0xFF as Unicode.
constexpr char16_t symbolLow[96] = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B,
    0x002C, 0x2212, 0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F, 0x2245, 0x0391, 0x0392, 0x03A7,
    0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B,
    0x2234, 0x005D, 0x22A5, 0x005F, 0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3,
    0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0xFFFD,
};
constexpr char16_t symbolHigh[96] = {
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194,
    0x2190, 0x2191, 0x2192, 0x2193, 0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135, 0x2111, 0x211C, 0x2118,
    0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4,
    0x21D0, 0x21D1, 0x21D2, 0x21D3, 0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C,
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA, 0xFFFD, 0x232A, 0x222B, 0x2320,
    0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0xFFFD,
};

// The Wingdings characters that word processors use as list bullets; the rest stay in the
// private-use area where Windows puts symbol fonts.
char16_t wingdings(unsigned char byte)
{
    switch (byte) {
    case 0x6C: return 0x25CF;
    case 0x6E: return 0x25A0;
    case 0x71: return 0x2751;
    case 0x75: return 0x25C6;
    case 0x76: return 0x2756;
    case 0xA7: return 0x25AA;
    case 0xD8: return 0x27A2;
    case 0xFC: return 0x2714;
    default: return char16_t(0xF000 + byte);
    }
}

const detail::SingleBytePage *singleBytePage(int codePage)
{
    const auto *begin = detail::singleBytePages;
    const auto *end = begin + detail::singleBytePageCount;
    const auto *it = std::find_if(begin, end, [codePage](const auto &p) { return p.codePage == codePage; });
    return it == end ? nullptr : it;
}

// Names under which Qt may offer a multi-byte Windows code page. Which of them a build offers
// depends on how Qt was built, so each is checked before use.
QList<QByteArray> codecNames(int codePage)
{
    switch (codePage) {
    case 932: return {"windows-31j", "Shift_JIS"};
    case 936: return {"GBK", "windows-936", "GB2312"};
    case 949: return {"windows-949", "EUC-KR"};
    case 950: return {"Big5", "windows-950"};
    case 1361: return {"Johab", "ibm-1361"};
    default:
        return {"windows-" + QByteArray::number(codePage), "cp" + QByteArray::number(codePage),
                "ibm-" + QByteArray::number(codePage)};
    }
}

// The codec name this Qt accepts for the code page, or an empty name.
QByteArray codecName(int codePage)
{
    static std::mutex mutex;
    static std::unordered_map<int, QByteArray> known;
    std::lock_guard lock(mutex);
    auto it = known.find(codePage);
    if (it != known.end())
        return it->second;
    QByteArray found;
    if (codePage > 0) {
        for (const QByteArray &name : codecNames(codePage)) {
            if (QStringDecoder(name.constData()).isValid()) {
                found = name;
                break;
            }
        }
    }
    known.emplace(codePage, found);
    return found;
}

} // namespace

int codePageForCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;
    case 2: return 1252;
    case 77: return 10000;
    case 88: return 10029;
    case 89: return 10007;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: case 181: return 1255;
    case 178: case 179: case 180: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

bool isKnownCodePage(int codePage)
{
    return codePage == 65001 || singleBytePage(codePage) != nullptr || !codecName(codePage).isEmpty();
}

QString decode(const QByteArray &bytes, int codePage, FontEncoding encoding)
{
    QString out;
    out.reserve(bytes.size());
    if (encoding != FontEncoding::CodePage) {
        for (char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            if (encoding == FontEncoding::Symbol)
                out.append(QChar(b < 0x20 ? b : b < 0x80 ? symbolLow[b - 0x20] : b < 0xA0 ? 0xFFFD : symbolHigh[b - 0xA0]));
            else if (encoding == FontEncoding::Wingdings)
                out.append(QChar(b < 0x20 ? char16_t(b) : wingdings(b)));
            else
                out.append(QChar(b < 0x20 ? char16_t(b) : char16_t(0xF000 + b)));
        }
        return out;
    }
    if (const auto *page = singleBytePage(codePage)) {
        for (char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            out.append(QChar(b < 0x80 ? char16_t(b) : page->high[b - 0x80]));
        }
        return out;
    }
    if (codePage == 65001)
        return QStringDecoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless)(bytes);
    const QByteArray name = codecName(codePage);
    if (!name.isEmpty())
        return QStringDecoder(name.constData(), QStringConverter::Flag::Stateless)(bytes);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.append(QChar(b < 0x80 ? char16_t(b) : char16_t(0xFFFD)));
    }
    return out;
}

} // namespace numora::rtf

#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>

namespace numora::rtf {

// How a font's bytes map to characters: through a code page, or through a symbol font's own table.
enum class FontEncoding { CodePage, Symbol, Wingdings, OtherSymbol };

// The Windows code page of an RTF \fcharset, or 0 when the charset means "the document's".
int codePageForCharset(int charset);

// The code page of a document's \ansi / \mac / \pc / \pca declaration.
inline constexpr int ansiCodePage = 1252;
inline constexpr int macCodePage = 10000;
inline constexpr int pcCodePage = 437;
inline constexpr int pcaCodePage = 850;

// Whether decode() knows the code page (its own table, UTF-8, or a codec Qt offers here).
bool isKnownCodePage(int codePage);

// Decodes bytes written in a Windows or Mac code page. Bytes the page does not define, and
// every byte of an unknown page above 0x7F, become U+FFFD.
QString decode(const QByteArray &bytes, int codePage, FontEncoding encoding = FontEncoding::CodePage);

namespace detail {
struct SingleBytePage {
    int codePage;
    std::array<char16_t, 128> high;
};
extern const SingleBytePage singleBytePages[];
extern const std::size_t singleBytePageCount;
} // namespace detail

} // namespace numora::rtf

#!/usr/bin/env python3
"""Writes help/rtf/codepage_tables.cpp, the RTF reader's single-byte code pages (bytes 0x80 to
0xFF), from Python's own codecs: tools/make-codepage-tables.py > help/rtf/codepage_tables.cpp

Python's cp437 is the IBM/Windows page 437; a byte a page leaves undefined becomes U+FFFD.
"""

PAGES = [
    (437, "cp437"), (850, "cp850"), (852, "cp852"), (866, "cp866"), (874, "cp874"),
    (1250, "cp1250"), (1251, "cp1251"), (1252, "cp1252"), (1253, "cp1253"), (1254, "cp1254"),
    (1255, "cp1255"), (1256, "cp1256"), (1257, "cp1257"), (1258, "cp1258"),
    (10000, "mac_roman"), (10007, "mac_cyrillic"), (10029, "mac_latin2"),
]


def upper_half(codec):
    values = []
    for byte in range(0x80, 0x100):
        try:
            values.append(ord(bytes([byte]).decode(codec)))
        except UnicodeDecodeError:
            values.append(0xFFFD)
    return values


def main():
    out = ["// Written by tools/make-codepage-tables.py from Python's codecs: change that, not this.",
           '#include "codepage.h"', "", "namespace numora::rtf::detail {", "",
           "// Bytes 0x80..0xFF of each single-byte code page; 0xFFFD where the page defines no character.",
           "const SingleBytePage singleBytePages[] = {"]
    for number, codec in PAGES:
        values = upper_half(codec)
        out.append("    {%d, {" % number)
        for row in range(0, 128, 8):
            out.append("        " + " ".join("0x%04X," % v for v in values[row:row + 8]))
        out.append("    }},")
    out += ["};", "", "const std::size_t singleBytePageCount = std::size(singleBytePages);", "",
            "} // namespace numora::rtf::detail"]
    print("\n".join(out))


if __name__ == "__main__":
    main()

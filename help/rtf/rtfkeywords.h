#pragma once

// The control words the reader knows, and what each one is.

#include <QtGlobal>

#include <optional>
#include <string_view>

namespace numora::rtf {

// Destinations come first, up to SkipDest; then the words of each group together.
enum class Kw : quint8 {
    // Destinations
    FontTable, ColorTable, Pict, FieldInst, FieldResult, Field, Upr, Ud, NestTableProps, Transparent, SkipDest,
    // Document
    Ansi, Mac, Pc, Pca, AnsiCpg, Deff, DefTab, Uc, U,
    // Breaks and special characters
    Par, Line, Char, Sect, Cell, Row, NestCell, NestRow,
    // Row definitions
    RowDefaults, CellX, CellBorderSide, OtherBorder, BorderStyle, BorderWidth, BorderColor, RowAlign, RowLeft,
    RowGap, CellVertical,
    // Paragraph formats
    Pard, Ql, Qc, Qr, Qj, Li, Ri, Fi, Sb, Sa, Sl, SlMult, Tx, Tqr, Tqc, Tqdec, InTable,
    // Character formats
    Plain, B, I, Ul, UlNone, Strike, Fs, F, Cf, Cb, V, Super, Sub, NoSuperSub, Caps, Scaps,
    // Font table
    FCharset, Cpg, FNil, FRoman, FSwiss, FModern, FScript, FDecor, FTech,
    // Colour table
    Red, Green, Blue,
    // Pictures
    PngBlip, JpegBlip, MetafileBlip, BitmapBlip, PicW, PicH, PicWGoal, PicHGoal, PicScaleX, PicScaleY,
    Bin,
};


enum class WordGroup : quint8 {
    Destination, Document, Break, RowDefinition, Paragraph, Character, FontTable, ColorTable, Picture, Other
};

inline WordGroup groupOf(Kw kw)
{
    if (kw <= Kw::SkipDest)
        return WordGroup::Destination;
    if (kw <= Kw::U)
        return WordGroup::Document;
    if (kw <= Kw::NestRow)
        return WordGroup::Break;
    if (kw <= Kw::CellVertical)
        return WordGroup::RowDefinition;
    if (kw <= Kw::InTable)
        return WordGroup::Paragraph;
    if (kw <= Kw::Scaps)
        return WordGroup::Character;
    if (kw <= Kw::FTech)
        return WordGroup::FontTable;
    if (kw <= Kw::Blue)
        return WordGroup::ColorTable;
    if (kw <= Kw::PicScaleY)
        return WordGroup::Picture;
    return WordGroup::Other;
}

struct Keyword {
    Kw kw;
    char16_t ch = 0;  // the character of a Char word; the variant of a table word
};

// The keyword of a control word's name, if the reader knows it.
std::optional<Keyword> findKeyword(std::string_view name);

} // namespace numora::rtf

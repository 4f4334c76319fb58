#pragma once
// Enumerations of the framework whose identifiers appear in stored layouts.

#include <QObject>

#pragma GCC visibility push(default)

namespace KestEnums {
Q_NAMESPACE

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
Q_ENUM_NS(TAlign)

// The parent edges a control keeps its distance to when the parent is resized.
enum TAnchorKind { akLeft = 0x1, akTop = 0x2, akRight = 0x4, akBottom = 0x8 };
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_FLAG_NS(TAnchors)

enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

enum TFontCharset {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SYMBOL_CHARSET = 2,
    MAC_CHARSET = 77,
    SHIFTJIS_CHARSET = 128,
    HANGEUL_CHARSET = 129,
    JOHAB_CHARSET = 130,
    GB2312_CHARSET = 134,
    CHINESEBIG5_CHARSET = 136,
    GREEK_CHARSET = 161,
    TURKISH_CHARSET = 162,
    VIETNAMESE_CHARSET = 163,
    HEBREW_CHARSET = 177,
    ARABIC_CHARSET = 178,
    BALTIC_CHARSET = 186,
    RUSSIAN_CHARSET = 204,
    THAI_CHARSET = 222,
    EASTEUROPE_CHARSET = 238,
    OEM_CHARSET = 255,
};
Q_ENUM_NS(TFontCharset)

}

Q_DECLARE_OPERATORS_FOR_FLAGS(KestEnums::TFontStyles)
Q_DECLARE_OPERATORS_FOR_FLAGS(KestEnums::TAnchors)

using KestEnums::TAlign;
using KestEnums::TAnchorKind;
using KestEnums::TAnchors;
using KestEnums::TFontCharset;
using KestEnums::TFontStyle;
using KestEnums::TFontStyles;
using enum KestEnums::TAlign;
using enum KestEnums::TAnchorKind;
using enum KestEnums::TFontStyle;
using enum KestEnums::TFontCharset;

// Modal results.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

#pragma GCC visibility pop

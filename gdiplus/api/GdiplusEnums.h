#pragma once

#pragma GCC visibility push(default)
// The enumerations of the flat drawing interface, with their published names
// and values. They are plain int-sized enums so they pass through the C
// interface unchanged.

namespace GdiplusFlat {

enum Status : int {
    Ok = 0, GenericError = 1, InvalidParameter = 2, OutOfMemory = 3, ObjectBusy = 4,
    InsufficientBuffer = 5, NotImplemented = 6, Win32Error = 7, WrongState = 8,
    Aborted = 9, FileNotFound = 10, ValueOverflow = 11, AccessDenied = 12,
    UnknownImageFormat = 13, FontFamilyNotFound = 14, FontStyleNotFound = 15,
    NotTrueTypeFont = 16, UnsupportedGdiplusVersion = 17, GdiplusNotInitialized = 18,
    PropertyNotFound = 19, PropertyNotSupported = 20
};

enum FillMode : int { FillModeAlternate = 0, FillModeWinding = 1 };
enum CompositingMode : int { CompositingModeSourceOver = 0, CompositingModeSourceCopy = 1 };
enum Unit_ : int {
    UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2, UnitPoint = 3, UnitInch = 4,
    UnitDocument = 5, UnitMillimeter = 6
};
enum CoordinateSpace : int { CoordinateSpaceWorld = 0, CoordinateSpacePage = 1, CoordinateSpaceDevice = 2 };
enum WrapMode : int {
    WrapModeTile = 0, WrapModeTileFlipX = 1, WrapModeTileFlipY = 2, WrapModeTileFlipXY = 3, WrapModeClamp = 4
};
enum HatchStyle : int {
    HatchStyleHorizontal = 0, HatchStyleVertical = 1, HatchStyleForwardDiagonal = 2,
    HatchStyleBackwardDiagonal = 3, HatchStyleCross = 4, HatchStyleLargeGrid = 4,
    HatchStyleDiagonalCross = 5, HatchStyle05Percent = 6, HatchStyle10Percent = 7,
    HatchStyle20Percent = 8, HatchStyle25Percent = 9, HatchStyle30Percent = 10,
    HatchStyle40Percent = 11, HatchStyle50Percent = 12, HatchStyle60Percent = 13,
    HatchStyle70Percent = 14, HatchStyle75Percent = 15, HatchStyle80Percent = 16,
    HatchStyle90Percent = 17, HatchStyleLightDownwardDiagonal = 18,
    HatchStyleLightUpwardDiagonal = 19, HatchStyleDarkDownwardDiagonal = 20,
    HatchStyleDarkUpwardDiagonal = 21, HatchStyleWideDownwardDiagonal = 22,
    HatchStyleWideUpwardDiagonal = 23, HatchStyleLightVertical = 24,
    HatchStyleLightHorizontal = 25, HatchStyleNarrowVertical = 26,
    HatchStyleNarrowHorizontal = 27, HatchStyleDarkVertical = 28,
    HatchStyleDarkHorizontal = 29, HatchStyleDashedDownwardDiagonal = 30,
    HatchStyleDashedUpwardDiagonal = 31, HatchStyleDashedHorizontal = 32,
    HatchStyleDashedVertical = 33, HatchStyleSmallConfetti = 34,
    HatchStyleLargeConfetti = 35, HatchStyleZigZag = 36, HatchStyleWave = 37,
    HatchStyleDiagonalBrick = 38, HatchStyleHorizontalBrick = 39, HatchStyleWeave = 40,
    HatchStylePlaid = 41, HatchStyleDivot = 42, HatchStyleDottedGrid = 43,
    HatchStyleDottedDiamond = 44, HatchStyleShingle = 45, HatchStyleTrellis = 46,
    HatchStyleSphere = 47, HatchStyleSmallGrid = 48, HatchStyleSmallCheckerBoard = 49,
    HatchStyleLargeCheckerBoard = 50, HatchStyleOutlinedDiamond = 51,
    HatchStyleSolidDiamond = 52, HatchStyleTotal = 53,
    HatchStyleMin = HatchStyleHorizontal, HatchStyleMax = HatchStyleTotal - 1
};
enum DashStyle : int {
    DashStyleSolid = 0, DashStyleDash = 1, DashStyleDot = 2, DashStyleDashDot = 3,
    DashStyleDashDotDot = 4, DashStyleCustom = 5
};
enum DashCap : int { DashCapFlat = 0, DashCapRound = 2, DashCapTriangle = 3 };
enum LineCap : int {
    LineCapFlat = 0, LineCapSquare = 1, LineCapRound = 2, LineCapTriangle = 3,
    LineCapNoAnchor = 16, LineCapSquareAnchor = 17, LineCapRoundAnchor = 18,
    LineCapDiamondAnchor = 19, LineCapArrowAnchor = 20, LineCapCustom = 255
};
enum CustomLineCapType : int { CustomLineCapTypeDefault = 0, CustomLineCapTypeAdjustableArrow = 1 };
enum LineJoin : int { LineJoinMiter = 0, LineJoinBevel = 1, LineJoinRound = 2, LineJoinMiterClipped = 3 };
enum WarpMode : int { WarpModePerspective = 0, WarpModeBilinear = 1 };
enum LinearGradientMode : int {
    LinearGradientModeHorizontal = 0, LinearGradientModeVertical = 1,
    LinearGradientModeForwardDiagonal = 2, LinearGradientModeBackwardDiagonal = 3
};
enum CombineMode : int {
    CombineModeReplace = 0, CombineModeIntersect = 1, CombineModeUnion = 2,
    CombineModeXor = 3, CombineModeExclude = 4, CombineModeComplement = 5
};
enum ImageType : int { ImageTypeUnknown = 0, ImageTypeBitmap = 1, ImageTypeMetafile = 2 };
enum PenAlignment : int { PenAlignmentCenter = 0, PenAlignmentInset = 1 };
enum PenType : int {
    PenTypeUnknown = -1, PenTypeSolidColor = 0, PenTypeHatchFill = 1, PenTypeTextureFill = 2,
    PenTypePathGradient = 3, PenTypeLinearGradient = 4
};
enum BrushType : int {
    BrushTypeSolidColor = 0, BrushTypeHatchFill = 1, BrushTypeTextureFill = 2,
    BrushTypePathGradient = 3, BrushTypeLinearGradient = 4
};
enum MatrixOrder : int { MatrixOrderPrepend = 0, MatrixOrderAppend = 1 };
enum TextRenderingHint : int {
    TextRenderingHintSystemDefault = 0, TextRenderingHintSingleBitPerPixelGridFit = 1,
    TextRenderingHintSingleBitPerPixel = 2, TextRenderingHintAntiAliasGridFit = 3,
    TextRenderingHintAntiAlias = 4, TextRenderingHintClearTypeGridFit = 5
};
enum StringTrimming : int {
    StringTrimmingNone = 0, StringTrimmingCharacter = 1, StringTrimmingWord = 2,
    StringTrimmingEllipsisCharacter = 3, StringTrimmingEllipsisWord = 4, StringTrimmingEllipsisPath = 5
};
enum StringDigitSubstitute : int {
    StringDigitSubstituteUser = 0, StringDigitSubstituteNone = 1,
    StringDigitSubstituteNational = 2, StringDigitSubstituteTraditional = 3
};
enum HotkeyPrefix : int { HotkeyPrefixNone = 0, HotkeyPrefixShow = 1, HotkeyPrefixHide = 2 };
enum StringAlignment : int { StringAlignmentNear = 0, StringAlignmentCenter = 1, StringAlignmentFar = 2 };
enum StringFormatFlags : int {
    StringFormatFlagsDirectionRightToLeft = 0x0001, StringFormatFlagsDirectionVertical = 0x0002,
    StringFormatFlagsNoFitBlackBox = 0x0004, StringFormatFlagsDisplayFormatControl = 0x0020,
    StringFormatFlagsNoFontFallback = 0x0400, StringFormatFlagsMeasureTrailingSpaces = 0x0800,
    StringFormatFlagsNoWrap = 0x1000, StringFormatFlagsLineLimit = 0x2000, StringFormatFlagsNoClip = 0x4000
};
enum PathPointType : int {
    PathPointTypeStart = 0x00, PathPointTypeLine = 0x01, PathPointTypeBezier = 0x03,
    PathPointTypePathTypeMask = 0x07, PathPointTypePathDashMode = 0x10, PathPointTypePathMarker = 0x20,
    PathPointTypeCloseSubpath = 0x80
};
enum FlushIntention : int { FlushIntentionFlush = 0, FlushIntentionSync = 1 };
enum ColorChannelFlags : int {
    ColorChannelFlagsC = 0, ColorChannelFlagsM = 1, ColorChannelFlagsY = 2, ColorChannelFlagsK = 3,
    ColorChannelFlagsLast = 4
};
enum RotateFlipType : int {
    RotateNoneFlipNone = 0, Rotate90FlipNone = 1, Rotate180FlipNone = 2, Rotate270FlipNone = 3,
    RotateNoneFlipX = 4, Rotate90FlipX = 5, Rotate180FlipX = 6, Rotate270FlipX = 7,
    Rotate180FlipXY = 0, Rotate270FlipXY = 1, RotateNoneFlipXY = 2, Rotate90FlipXY = 3,
    Rotate180FlipY = 4, Rotate270FlipY = 5, RotateNoneFlipY = 6, Rotate90FlipY = 7
};
enum ColorMatrixFlags : int { ColorMatrixFlagsDefault = 0, ColorMatrixFlagsSkipGrays = 1, ColorMatrixFlagsAltGray = 2 };
enum ColorAdjustType : int {
    ColorAdjustTypeDefault = 0, ColorAdjustTypeBitmap = 1, ColorAdjustTypeBrush = 2,
    ColorAdjustTypePen = 3, ColorAdjustTypeText = 4, ColorAdjustTypeCount = 5, ColorAdjustTypeAny = 6
};
enum FontStyle : int {
    FontStyleRegular = 0, FontStyleBold = 1, FontStyleItalic = 2, FontStyleBoldItalic = 3,
    FontStyleUnderline = 4, FontStyleStrikeout = 8
};
enum MetafileFrameUnit : int {
    MetafileFrameUnitPixel = 2, MetafileFrameUnitPoint = 3, MetafileFrameUnitInch = 4,
    MetafileFrameUnitDocument = 5, MetafileFrameUnitMillimeter = 6, MetafileFrameUnitGdi = 7
};
enum EmfType : int { EmfTypeEmfOnly = 3, EmfTypeEmfPlusOnly = 4, EmfTypeEmfPlusDual = 5 };
enum DitherType : int { DitherTypeNone = 0, DitherTypeSolid = 1 };
enum PaletteType : int { PaletteTypeCustom = 0, PaletteTypeOptimal = 1 };
enum HistogramFormat : int { HistogramFormatARGB = 0 };
enum GpTestControlEnum : int { TestControlForceBilinear = 0 };

// Quality settings that travel as plain integers with their published values.
inline constexpr int SmoothingModeInvalid = -1, SmoothingModeDefault = 0, SmoothingModeHighSpeed = 1,
                     SmoothingModeHighQuality = 2, SmoothingModeNone = 3, SmoothingModeAntiAlias = 4,
                     SmoothingModeAntiAlias8x8 = 5;
inline constexpr int PixelOffsetModeDefault = 0, PixelOffsetModeHighSpeed = 1,
                     PixelOffsetModeHighQuality = 2, PixelOffsetModeNone = 3, PixelOffsetModeHalf = 4;
inline constexpr int CompositingQualityDefault = 0, CompositingQualityHighSpeed = 1,
                     CompositingQualityHighQuality = 2, CompositingQualityGammaCorrected = 3,
                     CompositingQualityAssumeLinear = 4;
inline constexpr int InterpolationModeDefault = 0, InterpolationModeLowQuality = 1,
                     InterpolationModeHighQuality = 2, InterpolationModeBilinear = 3,
                     InterpolationModeBicubic = 4, InterpolationModeNearestNeighbor = 5,
                     InterpolationModeHighQualityBilinear = 6, InterpolationModeHighQualityBicubic = 7;

// Pixel formats used by this system.
inline constexpr int PixelFormat24bppRGB = 0x00021808;
inline constexpr int PixelFormat32bppRGB = 0x00022009;
inline constexpr int PixelFormat32bppARGB = 0x0026200A;
inline constexpr int PixelFormat32bppPARGB = 0x000E200B;

}

#pragma GCC visibility pop

#pragma once
// The types of the flat drawing interface: scalar names, opaque native
// handles, value records and the few structures that cross the interface.
// Windows-only types (device handles, COM interfaces) stay opaque: this
// system never builds them, it only has to name them in the prototypes.

#include "gdiplus/api/GdiplusEnums.h"

#include <cstddef>
#include <cstdint>

#pragma GCC visibility push(default)

namespace GdiplusFlat {

using REAL = float;
using INT = int;
using UINT = unsigned int;
using BOOL = int;
using BYTE = unsigned char;
using LPBYTE = BYTE*;
using UINT16 = std::uint16_t;
using LANGID = std::uint16_t;
using PROPID = std::uint32_t;
using ULONG_PTR = std::uintptr_t;
using WCHAR = char16_t; // UTF-16, as QString stores it
using ARGB = std::uint32_t;
using PixelFormat = INT;
using GraphicsState = UINT;
using GraphicsContainer = UINT;
using GpStatus = Status;
using GpUnit = Unit_;
using Unit = Unit_;
using GpFillMode = FillMode;
using GpWrapMode = WrapMode;
using GpMatrixOrder = MatrixOrder;
using GpLineCap = LineCap;
using GpLineJoin = LineJoin;
using GpDashCap = DashCap;
using GpDashStyle = DashStyle;
using GpPenAlignment = PenAlignment;
using GpPenType = PenType;
using GpBrushType = BrushType;
using GpHatchStyle = HatchStyle;
using GpCoordinateSpace = CoordinateSpace;
using GpFlushIntention = FlushIntention;
using SmoothingMode = INT;
using PixelOffsetMode = INT;
using CompositingQuality = INT;
using InterpolationMode = INT;
using EmfPlusRecordType = INT;

// Opaque native objects; the inheritance mirrors the object families so a
// bitmap passes where an image is expected.
struct GpGraphics {};
struct GpPath {};
struct GpPathIterator {};
struct GpRegion {};
struct GpMatrix {};
struct GpPen {};
struct GpBrush {};
struct GpSolidFill : GpBrush {};
struct GpLineGradient : GpBrush {};
struct GpPathGradient : GpBrush {};
struct GpHatch : GpBrush {};
struct GpTexture : GpBrush {};
struct GpImage {};
struct GpBitmap : GpImage {};
struct GpMetafile : GpImage {};
struct GpCachedBitmap {};
struct GpImageAttributes {};
struct GpFont {};
struct GpFontFamily {};
struct GpFontCollection {};
struct GpStringFormat {};
struct GpCustomLineCap {};
struct GpAdjustableArrowCap : GpCustomLineCap {};

// Platform handles and structures named by prototypes only.
using HDC = void*;
using HWND = void*;
using HBITMAP = void*;
using HICON = void*;
using HPALETTE = void*;
using HINSTANCE = void*;
using HENHMETAFILE = void*;
using HMETAFILE = void*;
using HRGN = void*;
using HANDLE = void*;
struct IStream;
struct IDirectDrawSurface7;
struct BITMAPINFO;
struct LOGFONTA;
struct LOGFONTW;
struct RECT { INT left, top, right, bottom; };
using CGpEffect = void;
struct MetafileHeader;
struct WmfPlaceableFileHeader;
struct ImageCodecInfo;
struct EncoderParameters;
struct PropertyItem;
struct ImageItemData;
struct GdiplusAbort;
struct ColorPalette;

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};
using CLSID = GUID;

// Value records.
struct TGPPointF { REAL X = 0, Y = 0; };
struct TGPPoint { INT X = 0, Y = 0; };
struct TGPRectF { REAL X = 0, Y = 0, Width = 0, Height = 0; };
struct TGPRect { INT X = 0, Y = 0, Width = 0, Height = 0; };
struct TGPSizeF { REAL Width = 0, Height = 0; };
using PointF = TGPPointF;
using Point = TGPPoint;
using RectF = TGPRectF;
using Rect = TGPRect;
using GpPointF = TGPPointF;
using GpPoint = TGPPoint;
using GpRectF = TGPRectF;
using GpRect = TGPRect;

inline TGPPointF GPPointFOf(REAL x, REAL y) { return {x, y}; }
inline TGPRectF GPRectFOf(REAL x, REAL y, REAL width, REAL height) { return {x, y, width, height}; }

struct GpPathData {
    INT Count;
    PointF* Points;
    BYTE* Types;
};
struct CharacterRange { INT First, Length; };
struct ColorMatrix { REAL m[5][5]; };
struct ColorMap { ARGB oldColor, newColor; };
struct BitmapData {
    UINT Width;
    UINT Height;
    INT Stride;
    INT PixelFormat;
    void* Scan0;
    ULONG_PTR Reserved;
};

using DebugEventProc = void (*)(INT level, char* message);
using DrawImageAbort = BOOL (*)(void*);
using GetThumbnailImageAbort = BOOL (*)(void*);
using EnumerateMetafileProc = BOOL (*)(EmfPlusRecordType, UINT, UINT, const BYTE*, void*);
using NotificationHookProc = GpStatus (*)(ULONG_PTR* token);
using NotificationUnhookProc = void (*)(ULONG_PTR token);

struct GdiplusStartupInput {
    UINT GdiplusVersion = 1;
    DebugEventProc DebugEventCallback = nullptr;
    BOOL SuppressBackgroundThread = 0;
    BOOL SuppressExternalCodecs = 0;
};
struct GdiplusStartupOutput {
    NotificationHookProc NotificationHook = nullptr;
    NotificationUnhookProc NotificationUnhook = nullptr;
};

// The drawing library's stream callbacks (it has no COM streams): the image
// loader pulls bytes through these.
using StreamGetHeaderDelegate = INT (*)(BYTE* buffer, INT size);
using StreamGetBytesDelegate = INT (*)(BYTE* buffer, INT size, BOOL peek);
using StreamPutBytesDelegate = INT (*)(BYTE* buffer, INT size);
using StreamSeekDelegate = long (*)(INT offset, INT whence);
using StreamCloseDelegate = void (*)();
using StreamSizeDelegate = long (*)();

}

#pragma GCC visibility pop

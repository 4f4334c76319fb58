#include "gdiplus/gdip/GDIPImage.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace KestGDIP {

namespace {

// The published raw format identifiers share every part but the first.
constexpr GUID FormatId(std::uint32_t first)
{
    return {first, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
}

struct TFormatRow {
    GUID Id;
    TGPImageFormat Format;
};

constexpr TFormatRow Formats[] = {
    {FormatId(0xB96B3CAA), ifMemoryBMP}, {FormatId(0xB96B3CAB), ifBMP},  {FormatId(0xB96B3CAC), ifEMF},
    {FormatId(0xB96B3CAD), ifWMF},       {FormatId(0xB96B3CAE), ifJPEG}, {FormatId(0xB96B3CAF), ifPNG},
    {FormatId(0xB96B3CB0), ifGIF},       {FormatId(0xB96B3CB1), ifTIFF}, {FormatId(0xB96B3CB2), ifEXIF},
    {FormatId(0xB96B3CB5), ifIcon},
};

bool SameId(const GUID& a, const GUID& b)
{
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 &&
           std::memcmp(a.Data4, b.Data4, sizeof a.Data4) == 0;
}

}

TGPImageFormat ImageFormatOf(const GUID& rawFormat)
{
    auto row = std::find_if(std::begin(Formats), std::end(Formats),
                            [&](const TFormatRow& r) { return SameId(r.Id, rawFormat); });
    return row == std::end(Formats) ? ifUndefined : row->Format;
}

}

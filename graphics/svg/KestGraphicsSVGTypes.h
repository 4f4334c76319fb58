#pragma once
// The element kinds of the SVG engine, its lists and its exception.

#include "framework/Exception.h"
#include "graphics/GraphicsPath.h"

#include <memory>
#include <vector>

#pragma GCC visibility push(default)

enum TKestGraphicsSVGElementType {
    etContainer,
    etSwitch,
    etDefs,
    etUse,
    etRect,
    etLine,
    etPolyline,
    etPolygon,
    etCircle,
    etEllipse,
    etPath,
    etImage,
    etText,
    etTextSpan,
    etTextSpanChild,
    etTextPath,
    etClipPath,
    etLinearGradient,
    etRadialGradient,
    etStyle,
    etStop,
    etPattern,
    etUnknown
};

enum TKestGraphicsSVGElementPreserveAspectRatio { parNone, parOther };

class TKestGraphicsSVGElement;

// Owns its elements.
using TKestGraphicsSVGElementList = std::vector<std::unique_ptr<TKestGraphicsSVGElement>>;
// Points into element lists owned elsewhere.
using TKestGraphicsSVGElementClassList = std::vector<TKestGraphicsSVGElement*>;
// Owns its paths.
using TKestGraphicsSVGElementPathList = std::vector<std::unique_ptr<TKestGraphicsPath>>;

// A document the engine refuses: malformed XML, external entities, too deep.
KEST_DECLARE_EXCEPTION(EKestGraphicsSVGError, Exception)

namespace KestSVGMessages {
inline constexpr const char* XmlError = "Invalid SVG document (line %d, column %d): %s";
inline constexpr const char* TooDeep = "SVG document nested deeper than %d levels";
inline constexpr const char* ExternalEntity = "SVG document declares an external entity (%s)";
inline constexpr const char* UnresolvedEntity = "SVG document refers to an undeclared entity (%s)";
}

#pragma GCC visibility pop

#pragma once
// What a control implements to take a style from a styler. A styler asks a
// component for each interface at run time (Supports) and calls it only when
// the component answers. The identifiers name the interfaces in stored and
// exchanged data.

#include "framework/Component.h"
#include "styles/ColorTones.h"
#include "styles/ZPXStyle.h"

#pragma GCC visibility push(default)

namespace KestStyles {

class IZPXStyle {
public:
    static constexpr const char* IID = "{11AC2DDC-C087-4298-AB6E-EA1B5017511B}";
    virtual ~IZPXStyle() = default;
    virtual void SetComponentStyle(TZPXStyle style) = 0;
};

class IZPXStyleAppColor {
public:
    static constexpr const char* IID = "{037BA87F-7CBD-4FDD-854E-2B3F0BCC06AE}";
    virtual ~IZPXStyleAppColor() = default;
    virtual void SetComponentStyleAndAppColor(TZPXStyle style, TColor appColor) = 0;
};

class IZPXColorTones {
public:
    static constexpr const char* IID = "{1F492643-6699-4F25-8B34-3233FA735036}";
    virtual ~IZPXColorTones() = default;
    virtual void SetColorTones(const TColorTones& tones) = 0;
};

// The interface the component answers to, or null.
template <typename Interface>
Interface* Supports(TComponent* component)
{
    return dynamic_cast<Interface*>(component);
}

}

using KestStyles::IZPXColorTones;
using KestStyles::IZPXStyle;
using KestStyles::IZPXStyleAppColor;
using KestStyles::Supports;

#pragma GCC visibility pop

#include "graphics/GraphicsModule.h"

#include "graphics/GraphicsColorObject.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsFillGradientItems.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsStroke.h"

#include "framework/TypeInfo.h"

namespace KestGraphics {

void RegisterModule()
{
    static const bool registered = [] {
        // Made with their published defaults.
        TypeInfo::RegisterObjectClass(&TKestGraphicsFill::staticMetaObject,
                                      [] { return new TKestGraphicsFill(gfkSolid, TColor(0xFFFFFF)); });
        TypeInfo::RegisterObjectClass(&TKestGraphicsStroke::staticMetaObject,
                                      [] { return new TKestGraphicsStroke(gskSolid, TColor(0xC0C0C0)); });
        TypeInfo::RegisterObjectClass(&TKestGraphicsColorObject::staticMetaObject,
                                      [] { return new TKestGraphicsColorObject(TColor(0)); });
        TypeInfo::RegisterObjectClass<TKestGraphicsFont>();
        TypeInfo::RegisterObjectClass<TKestGraphicsFillGradientItem>();
        return true;
    }();
    Q_UNUSED(registered);
}

}

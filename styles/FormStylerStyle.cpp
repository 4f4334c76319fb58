#include "styles/FormStylerStyle.h"

#include "framework/Form.h"
#include "styles/KestFormStyler.h"

namespace KestStyles {

namespace {

TCustomForm* FormOf(TComponent* component)
{
    if (auto* form = dynamic_cast<TCustomForm*>(component))
        return form;
    if (auto* control = dynamic_cast<TControl*>(component))
        return dynamic_cast<TCustomForm*>(control->Widget()->window());
    return nullptr;
}

}

TZPXStyle GetFormStylerStyle(TComponent* component, TZPXStyle defaultStyle)
{
    TCustomForm* form = FormOf(component);
    if (!form)
        return defaultStyle;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* styler = dynamic_cast<TKestFormStyler*>(form->Components(i));
        if (styler && styler->Enabled() && styler->Style() != tsCustom)
            return styler->Style();
    }
    return defaultStyle;
}

}

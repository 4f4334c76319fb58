#include "styles/FormStylerStyle.h"

#include "framework/Form.h"
#include "styles/KestFormStyler.h"

namespace KestStyles {

namespace {

TCustomForm* FormOf(TComponent* AComponent)
{
    if (auto* form = dynamic_cast<TCustomForm*>(AComponent))
        return form;
    if (auto* control = dynamic_cast<TControl*>(AComponent))
        return dynamic_cast<TCustomForm*>(control->Widget()->window());
    return nullptr;
}

}

TZPXStyle GetFormStylerStyle(TComponent* AComponent, TZPXStyle ADefault)
{
    TCustomForm* form = FormOf(AComponent);
    if (!form)
        return ADefault;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* styler = dynamic_cast<TKestFormStyler*>(form->Components(i));
        if (styler && styler->Enabled() && styler->Style() != tsCustom)
            return styler->Style();
    }
    return ADefault;
}

}

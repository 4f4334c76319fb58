#pragma once
// The style of the form styler on a component's form.

#include "styles/ZPXStyle.h"

#pragma GCC visibility push(default)

class TComponent;

namespace KestStyles {

// The style of the first enabled form styler, with a style other than
// tsCustom, among the components the form owns. A form is searched itself,
// a control through its top-level form; anything else, or no such styler,
// gives defaultStyle.
TZPXStyle GetFormStylerStyle(TComponent* component, TZPXStyle defaultStyle);

}

using KestStyles::GetFormStylerStyle;

#pragma GCC visibility pop

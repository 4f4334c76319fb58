#include "app/StylerOption.h"

#include "app/Form2.h"
#include "framework/ComboBox.h"
#include "styles/KestFormStyler.h"

namespace StylerOption {

TKestFormStyler* AddFormStyler(TForm2* form2)
{
    auto* combo = new TComboBox(form2);
    combo->SetName(QLatin1String(ComboBoxName));
    combo->SetParent(form2);
    combo->SetBounds(16, 128, 200, 25);
    auto* styler = new TKestFormStyler(form2);
    styler->SetName(QLatin1String(StylerName));
    styler->SetComboBox(combo);
    styler->SetAutoThemeAdapt(true);
    return styler;
}

TKestFormStyler* FormStyler(TForm2* form2)
{
    return dynamic_cast<TKestFormStyler*>(form2->FindComponent(QLatin1String(StylerName)));
}

}

#include "app/Form2.h"

namespace {

void SetColors(QObject* record, std::initializer_list<const char*> properties, TColor color)
{
    for (const char* property : properties)
        record->setProperty(property, QVariant::fromValue(color));
}

}

void TForm2::SetColorTones(const TColorTones& tones)
{
    SetColor(tones.Background.BrushColor);
    if (!kestTree)
        return;
    // The bar's face is the background; a hot button shows the hover tone,
    // a pressed one the selected tone.
    TExpTreeviewAppearance* bar = kestTree->Appearance();
    SetColors(bar, {"Color", "HotColor", "FocusColor"}, tones.Background.BrushColor);
    SetColors(bar, {"OuterBorderColor", "FocusOuterBorderColor"}, tones.Background.BorderColor);
    TButtonAppearance* buttons = bar->ButtonAppearance();
    SetColors(buttons,
              {"ColorHot", "ColorHotTo", "ColorMirrorHot", "ColorMirrorHotTo", "ColorNodeHot", "ColorNodeHotTo",
               "ColorMirrorNodeHot", "ColorMirrorNodeHotTo"},
              tones.Hover.BrushColor);
    SetColors(buttons, {"BorderColorHot", "BorderColorNodeHot"}, tones.Hover.BorderColor);
    SetColors(buttons, {"ColorDown", "ColorDownTo", "ColorMirrorDown", "ColorMirrorDownTo"},
              tones.Selected.BrushColor);
    SetColors(buttons, {"BorderColorDown"}, tones.Selected.BorderColor);
    SetColors(buttons, {"ArrowColorHot"}, tones.Hover.TextColor);
    SetColors(buttons, {"ArrowColorDown"}, tones.Selected.TextColor);
    buttons->Font()->SetColor(tones.Background.TextColor);
    kestTree->update();
}

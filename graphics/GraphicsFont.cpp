#include "graphics/GraphicsFont.h"

TKestGraphicsFont::TKestGraphicsFont(QObject* parent) : TFont(parent), TKestGraphicsChangeNotifier(this)
{
    SetHeight(-11); // 8 points at 96 dots per inch
    OnChange = [this](QObject* sender) { FontChanged(sender); };
}

TKestGraphicsFont::~TKestGraphicsFont() = default;

void TKestGraphicsFont::Assign(TPersistent* source)
{
    if (source == this)
        return;
    {
        // The framework font reports its own change; one report follows.
        TUpdateScope scope(*this);
        TFont::Assign(source);
    }
    DoChanged();
}

void TKestGraphicsFont::FontChanged(QObject*) { DoChanged(); }

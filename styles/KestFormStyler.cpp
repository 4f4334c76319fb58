#include "styles/KestFormStyler.h"

TKestFormStyler::TKestFormStyler(TComponent* AOwner) : QObject(nullptr), TComponent(this, AOwner) {}

TKestFormStyler::~TKestFormStyler() { Destroying(); }

void TKestFormStyler::SetEnabled(bool Value)
{
    if (Value != FEnabled)
        FEnabled = Value;
}

void TKestFormStyler::SetStyle(TZPXStyle Value)
{
    if (Value != FStyle)
        FStyle = Value;
}

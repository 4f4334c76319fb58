#include "graphics/GraphicsSaveState.h"

TKestGraphicsSaveState::TKestGraphicsSaveState()
    : FFont(std::make_unique<TKestGraphicsFont>()),
      FStroke(std::make_unique<TKestGraphicsStroke>(gskSolid, 0xC0C0C0)),
      FFill(std::make_unique<TKestGraphicsFill>(gfkSolid, 0xFFFFFF))
{
}

TKestGraphicsSaveState::~TKestGraphicsSaveState() = default;

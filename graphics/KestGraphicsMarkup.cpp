#include "graphics/KestGraphicsMarkup.h"

namespace {

std::unique_ptr<IKestGraphicsMarkup>& Registered()
{
    static std::unique_ptr<IKestGraphicsMarkup> engine;
    return engine;
}

}

IKestGraphicsMarkup* KestGraphicsMarkup() { return Registered().get(); }

void RegisterKestGraphicsMarkup(std::unique_ptr<IKestGraphicsMarkup> engine) { Registered() = std::move(engine); }

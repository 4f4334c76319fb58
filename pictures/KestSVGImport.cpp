#include "pictures/KestSVGImport.h"

namespace {
TKestSVGImport::TFactory& Factory()
{
    static TKestSVGImport::TFactory factory;
    return factory;
}
}

TKestSVGImport::TKestSVGImport() = default;

TKestSVGImport::~TKestSVGImport() = default;

std::unique_ptr<TKestSVGImport> TKestSVGImport::Create()
{
    return Factory() ? Factory()() : nullptr;
}

void TKestSVGImport::RegisterFactory(TFactory factory) { Factory() = std::move(factory); }

void TKestSVGImport::UnregisterFactory() { Factory() = nullptr; }

#pragma once
// The two drawing modules side by side, so a behaviour both must show is
// tested once against each.

#include "gdiplus/KestGDIP.h"
#include "gdiplus/KestGDIPlusClasses.h"

#include <gtest/gtest.h>
#include <memory>

struct ClassesModule {
    using Graphics = KestGDIPlusClasses::TGPGraphics;
    using Pen = KestGDIPlusClasses::TGPPen;
    using SolidBrush = KestGDIPlusClasses::TGPSolidBrush;
    using LinearGradientBrush = KestGDIPlusClasses::TGPLinearGradientBrush;
    using Font = KestGDIPlusClasses::TGPFont;
    using GraphicsPath = KestGDIPlusClasses::TGPGraphicsPath;
    using Matrix = KestGDIPlusClasses::TGPMatrix;
    using Region = KestGDIPlusClasses::TGPRegion;

    static std::unique_ptr<Font> MakeFont(const QString& family, float size)
    {
        return std::make_unique<Font>(family, size);
    }
};

struct GdipModule {
    using Graphics = KestGDIP::TGPGraphics;
    using Pen = KestGDIP::TGPPen;
    using SolidBrush = KestGDIP::TGPSolidBrush;
    using LinearGradientBrush = KestGDIP::TGPLinearGradientBrush;
    using Font = KestGDIP::TGPFont;
    using GraphicsPath = KestGDIP::TGPGraphicsPath;
    using Matrix = KestGDIP::TGPMatrix;
    using Region = KestGDIP::TGPRegion;

    static std::unique_ptr<Font> MakeFont(const QString& family, float size)
    {
        KestGDIP::TGPFontFamily named(family);
        return std::make_unique<Font>(&named, size);
    }
};

using BothModules = ::testing::Types<ClassesModule, GdipModule>;

class ModuleNames {
public:
    template <class T>
    static std::string GetName(int)
    {
        return std::is_same_v<T, ClassesModule> ? "Classes" : "Gdip";
    }
};

#pragma once
// A fresh bitmap canvas per test, once for each back-end that is built in
// (the parameter: native or not), and what it drew as a picture.

#include "graphics/KestGraphics.h"

#include "framework/Bitmap.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsStroke.h"
#include "graphics/KestGraphicsContext.h"

#include <QImage>
#include <gtest/gtest.h>
#include <string>

constexpr QRgb Red = 0xFFFF0000u, Blue = 0xFF0000FFu, Green = 0xFF00FF00u;

// A picture of one colour.
inline void SetPicture(TPicture& picture, int w, int h, QRgb rgb)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(rgb);
    TBitmap bitmap;
    bitmap.SetImage(image);
    picture.Assign(&bitmap);
}

// One scene on a fresh bitmap canvas of each back-end that is built in.
class TCanvasFixture : public ::testing::TestWithParam<bool> {
protected:
    TCanvasFixture()
    {
        const TKestGraphicsContextClasses& classes = KestGraphicsContextClasses();
        if (!(GetParam() ? classes.Native : classes.General))
            return;
        Canvas = TKestGraphics::CreateBitmapCanvas(Width, Height, GetParam());
        Canvas->BeginScene();
    }
    void SetUp() override
    {
        if (!Canvas)
            GTEST_SKIP() << "back-end not built in";
    }

    // Ends the scene and gives what was drawn.
    QImage Picture()
    {
        Canvas->EndScene();
        return Canvas->Bitmap()->Image().convertToFormat(QImage::Format_ARGB32);
    }

    void Solid(TColor fill, TColor stroke)
    {
        Canvas->SetFillKind(gfkSolid);
        Canvas->SetFillColor(fill);
        Canvas->SetStrokeKind(gskSolid);
        Canvas->SetStrokeColor(stroke);
    }

    static constexpr int Width = 60, Height = 40;
    std::unique_ptr<TKestGraphics> Canvas;
};

inline std::string BackEndName(const ::testing::TestParamInfo<bool>& info)
{
    return info.param ? "Native" : "General";
}

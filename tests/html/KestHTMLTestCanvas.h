#pragma once
// A bitmap canvas of each built-in back-end with a known font, and the
// measures of plain runs the markup tests compare with.

#include "framework/Bitmap.h"
#include "graphics/GraphicsFont.h"
#include "graphics/KestGraphics.h"
#include "graphics/KestGraphicsContext.h"
#include "graphics/html/KestGraphicsHTMLEngine.h"
#include "utils/KestUtils.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

class THTMLCanvasTest : public ::testing::TestWithParam<bool> {
public:
    static constexpr int Width = 400, Height = 300;

    THTMLCanvasTest()
    {
        const TKestGraphicsContextClasses& classes = KestGraphicsContextClasses();
        if (!(GetParam() ? classes.Native : classes.General))
            return;
        Canvas = TKestGraphics::CreateBitmapCanvas(Width, Height, GetParam());
        Canvas->SetFontName(QStringLiteral("DejaVu Sans"));
        Canvas->SetFontColor(clBlack);
        Canvas->BeginScene();
    }
    void SetUp() override
    {
        if (!Canvas)
            GTEST_SKIP() << "back-end not built in";
    }

    TKestHTMLDrawOutput Measure(const QString& markup, float width = 10000, bool wordWrap = false)
    {
        TKestHTMLDrawInput input;
        input.Text = markup;
        input.Rect = TRectF(0, 0, width, 10000);
        input.MeasureOnly = true;
        input.WordWrap = wordWrap;
        if (Prepare)
            Prepare(input);
        TKestHTMLDrawOutput output;
        TKestGraphicsHTMLEngine::DrawHTML(*Canvas, input, output);
        return output;
    }

    // Draws (or with hotSpot only hit-tests) at the top-left of the canvas.
    TKestHTMLDrawOutput Draw(const QString& markup, int x = -1, int y = -1, bool hotSpot = false)
    {
        TKestHTMLDrawInput input;
        input.Text = markup;
        input.Rect = TRectF(0, 0, Width, Height);
        input.PointX = x;
        input.PointY = y;
        input.HotSpotCheck = hotSpot;
        if (Prepare)
            Prepare(input);
        TKestHTMLDrawOutput output;
        TKestGraphicsHTMLEngine::DrawHTML(*Canvas, input, output);
        return output;
    }

    QImage Picture()
    {
        Canvas->EndScene();
        return Canvas->Bitmap()->Image().convertToFormat(QImage::Format_ARGB32);
    }

    // A plain run measured as the engine measures it, in the canvas font
    // with these styles (and this size when not 0).
    TSizeF Run(const QString& text, TFontStyles styles = {}, double size = 0)
    {
        const TFontStyles kept = Canvas->Font()->Style();
        const int height = Canvas->Font()->Height();
        Canvas->SetFontStyles(styles);
        if (size > 0) {
            TKestGraphicsFont font;
            font.Assign(Canvas->Font());
            TKestUtils::SetFontSize(font, size);
            Canvas->SetFont(&font);
        }
        const TRectF r = Canvas->CalculateText(text, TRectF(0, 0, 10000, 10000), false, false);
        TKestGraphicsFont font;
        font.Assign(Canvas->Font());
        font.SetStyle(kept);
        font.SetHeight(height);
        Canvas->SetFont(&font);
        return TSizeF(r.Width(), r.Height());
    }
    float LineHeight() { return Run(QStringLiteral("gh")).Height; }
    // A space as it stands between words (the drawing library leaves a
    // trailing space out of a text's width).
    float Space() { return Run(QStringLiteral("x x")).Width - Run(QStringLiteral("xx")).Width; }

    std::unique_ptr<TKestGraphics> Canvas;
    // Applied to every input Measure and Draw make (picture sources, flags).
    std::function<void(TKestHTMLDrawInput&)> Prepare;
};

inline std::string BackEndName(const ::testing::TestParamInfo<bool>& info)
{
    return info.param ? "Native" : "General";
}

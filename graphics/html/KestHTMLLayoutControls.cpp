// Form controls in the markup: check boxes, radio buttons and buttons drawn
// as the canvas draws control parts, and the boxes of edits, password
// edits and combo boxes; each reported when the point is over it.

#include "graphics/html/KestHTMLLayout.h"

#include "framework/Rounding.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsPath.h"
#include "graphics/KestGraphics.h"
#include "graphics/html/KestHTMLLine.h"
#include "graphics/html/KestHTMLTag.h"
#include "utils/KestUtils.h"

#include <algorithm>

namespace {

// Controls wider than any surface are held here.
constexpr float MaxControlWidth = 100000;
// The width of a box-like control without WIDTH.
constexpr float DefaultBoxWidth = 100;
constexpr float DropDownWidth = 17;

}

struct TKestHTMLLayout::TControl {
    QString Type;
    QString ID;
    QString Value;
    float Width = 0;
    float Height = 0;
    bool Centered = false;
};

bool TKestHTMLLayout::HandleControl(const TKestHTMLTag& tag, TLineRun& run)
{
    TControl control;
    control.Type = tag.Attribute(QLatin1String("TYPE")).toUpper();
    control.ID = tag.Attribute(QLatin1String("ID"));
    control.Value = TKestUtils::UnFixMarkup(tag.Attribute(QLatin1String("VALUE")));
    const bool check = control.Type == QLatin1String("CHECK"), radio = control.Type == QLatin1String("RADIO");
    const bool button = control.Type == QLatin1String("BUTTON"), combo = control.Type == QLatin1String("COMBO");
    const bool edit = control.Type == QLatin1String("EDIT") || control.Type == QLatin1String("PASSWORD");
    if (FState.Hidden || !(check || radio || button || combo || edit))
        return true;
    const bool hasWidth = tag.HasAttribute(QLatin1String("WIDTH"));
    control.Width = std::clamp(float(tag.NumberAttribute(QLatin1String("WIDTH"))), 0.0f, MaxControlWidth);
    control.Height = tag.HasAttribute(QLatin1String("HEIGHT"))
                         ? std::clamp(float(tag.NumberAttribute(QLatin1String("HEIGHT"))), 0.0f, MaxControlWidth)
                         : 25;
    if (hasWidth)
        control.Height = TextLineHeight() + 10;
    if (check || radio) {
        control.Width = control.Height = float(Kest::Round(16 * FInput.ScaleFactor) + 2);
        control.Centered = true;
    } else if (button) {
        control.Height = 22;
        if (!hasWidth)
            control.Width = Measure(control.Value).Width + 16;
    } else {
        if (combo)
            control.Height = 25;
        if (!hasWidth)
            control.Width = DefaultBoxWidth;
    }

    const bool measuring = run.Pass == TKestHTMLPass::Measure;
    if (measuring && FInput.WordWrap && run.Placed && run.X + control.Width - run.StartX > run.Available)
        return false;
    TKestHTMLLineMetrics& line = run.Line;
    if (measuring)
        line.Height = std::max(line.Height, control.Height);
    if (Drawing(run.Pass))
        DrawControl(control, ControlBox(run.X, control.Width, control.Height, control.Centered, run.Top, line));
    if (FFinalPass) {
        THitItem item;
        item.Control = true;
        item.Left = run.X;
        item.Right = run.X + control.Width;
        item.Height = control.Height;
        item.Centered = control.Centered;
        item.Named = !control.ID.isEmpty() && control.ID == FInput.ControlID;
        item.ControlID = control.ID;
        item.ControlValue = control.Value;
        item.ControlType = control.Type;
        FHitItems.push_back(std::move(item));
    }
    run.X += control.Width;
    run.TrailingSpace = 0;
    run.Placed = true;
    return true;
}

void TKestHTMLLayout::DrawControl(const TControl& control, const TRectF& box)
{
    const bool focused = FInput.ControlFocusFlag && control.ID == FInput.FocusedControlID;
    const double scale = FInput.ScaleFactor;
    const bool checked = control.Value.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
    if (control.Type == QLatin1String("CHECK")) {
        FCanvas.DrawCheckBox(box, checked, focused, true, scale);
        return;
    }
    if (control.Type == QLatin1String("RADIO")) {
        FCanvas.DrawRadioButton(box, checked, focused, true, scale);
        return;
    }
    TRectF textBox = box;
    QString text = control.Value;
    TKestGraphicsTextAlign align = gtaLeading;
    if (control.Type == QLatin1String("BUTTON")) {
        const float px = float(FInput.PointX), py = float(FInput.PointY);
        const bool down = px >= box.Left && px < box.Right && py >= box.Top && py < box.Bottom;
        FCanvas.DrawButton(box, down, focused, true, false, scale);
        align = gtaCenter;
    } else {
        FCanvas.SetFillKind(gfkSolid);
        FCanvas.SetFillColor(clWhite);
        FCanvas.SetStrokeKind(gskSolid);
        FCanvas.SetStrokeColor(clGray);
        FCanvas.SetStrokeWidth(1);
        FCanvas.DrawRectangle(box, gcrmShrinkAll);
        FCanvas.SetFillColor(FState.FillColor);
        textBox = TRectF(box.Left + 3, box.Top, box.Right - 3, box.Bottom);
        if (control.Type == QLatin1String("COMBO")) {
            const TRectF arrow(box.Right - 1 - DropDownWidth, box.Top + 1, box.Right - 1, box.Bottom - 1);
            // The button with an arrow of its own: the glyph documents need
            // a picture format the markup cannot count on being there.
            FCanvas.DrawButton(arrow, false, false, true, false, scale);
            const float cx = (arrow.Left + arrow.Right) / 2, cy = (arrow.Top + arrow.Bottom) / 2;
            FCanvas.SetFillKind(gfkSolid);
            FCanvas.SetFillColor(clBlack);
            FCanvas.SetStrokeKind(gskNone);
            FCanvas.DrawPolygon({{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}});
            FCanvas.SetFillColor(FState.FillColor);
            textBox.Right = arrow.Left - 1;
        } else if (control.Type == QLatin1String("PASSWORD")) {
            text = QString(control.Value.size(), QChar(0x2022));
        }
        if (focused)
            FCanvas.DrawFocusRectangle(TRectF(box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1));
    }
    ApplyFont();
    FCanvas.DrawText(textBox, text, false, align, gtaCenter, gttCharacter, 0, -1, -1, false);
}

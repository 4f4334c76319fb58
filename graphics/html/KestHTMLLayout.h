#pragma once
// One DrawHTML call at work: the line loop over the prepared markup and
// the one routine (DrawHTMLLine) that measures, draws or hit-tests a line.
// The measuring pass of a line decides where it ends; the drawing pass
// replays exactly that stretch of markup from the same starting state.

#include "graphics/html/KestHTMLDrawRecords.h"
#include "graphics/html/KestHTMLFontMeasures.h"
#include "graphics/html/KestHTMLHitMap.h"
#include "graphics/html/KestHTMLTextState.h"

#include <QHash>
#include <QString>
#include <map>
#include <memory>
#include <vector>

#pragma GCC visibility push(default)

class TKestGraphics;
class TKestGraphicsFont;
class TKestHTMLPictures;
class TKestHTMLReader;
class TKestHTMLTag;
class TPicture;

enum class TKestHTMLPass { Measure, Draw, HitTest };

// What one line's measuring pass finds and its drawing pass uses.
struct TKestHTMLLineMetrics {
    float Width = 0;
    // The tallest item, without line spacing.
    float Height = 0;
    float SuperscriptExtra = 0;
    float SubscriptExtra = 0;
    float PictureOffset = 0;
    // 0 left, 1 right, 2 centre; carried to the next line.
    int Align = 0;
    float Indent = 0;
    // A closing paragraph tag: the next line starts left-aligned, without indent.
    bool ParagraphClosed = false;
    // Paragraph background of the line, -1 when none.
    TColor Background = TColor(-1);
    QString BackgroundPicture;
    // The width the line may fill (the rectangle less floating pictures).
    float Available = 0;
    // Where the measured line's items start: after a picture floating left.
    float StartX = 0;
    // A picture floating at the side that starts on this line.
    bool Floating = false;
    TRectF FloatRect;
};

class TKestHTMLLayout {
public:
    TKestHTMLLayout(TKestGraphics& canvas, const TKestHTMLDrawInput& input, TKestHTMLDrawOutput& output);
    ~TKestHTMLLayout();

    // Lays out (and unless measuring only, draws) the whole text.
    bool Run();

    // What was laid out may be kept for later calls (it read no picture).
    bool Keepable() const;
    TKestHTMLHitMap TakeHitMap() { return std::move(FHitMap); }

    // Lays out one line from the reader's position at (x, y) and consumes
    // what it placed.
    void DrawHTMLLine(TKestHTMLReader& reader, float x, float y, TKestHTMLPass pass, TKestHTMLLineMetrics& line);

private:
    // An item of the line the point may be over: a link's run or a control.
    struct THitItem {
        float Left = 0;
        float Right = 0;
        int Link = 0;
        QString Target;
        bool Control = false;
        // A control whose ID the caller named (hit whatever the point when
        // only hit-testing).
        bool Named = false;
        // A control's height; check boxes and radio buttons sit in the
        // line's middle, other controls on its text bottom.
        float Height = 0;
        bool Centered = false;
        QString ControlID, ControlValue, ControlType;
    };
    // A picture floating at one side: the width it takes from the lines
    // beside it, down to its bottom.
    struct TFloatSide {
        float Margin = 0;
        float Bottom = 0;
        bool Active(float y) const { return Margin > 0 && y < Bottom; }
    };
    struct TControl;
    struct TLineRun;

    void HandleRun(TKestHTMLReader& reader, TLineRun& run);
    // False when the line ends before the tag (it stays for the next line).
    bool HandleTag(const TKestHTMLTag& tag, TLineRun& run);
    bool HandleOpeningTag(const TKestHTMLTag& tag, TLineRun& run);
    void HandleClosingTag(const TKestHTMLTag& tag, TLineRun& run);
    void HandleLink(const TKestHTMLTag& tag);
    void HandleLinkEnd();
    void HandleFont(const TKestHTMLTag& tag);
    bool HandleListItem(const TKestHTMLTag& tag, TLineRun& run);
    void HandleRule(const TKestHTMLTag& tag, TLineRun& run);
    void HandleParagraph(const TKestHTMLTag& tag, TLineRun& run);
    void HandleBody(const TKestHTMLTag& tag, TLineRun& run);
    bool HandlePicture(const TKestHTMLTag& tag, TLineRun& run);
    bool HandleFloatingPicture(TPicture* picture, TSizeF size, bool left, TLineRun& run);
    bool HandleControl(const TKestHTMLTag& tag, TLineRun& run);
    void DrawControl(const TControl& control, const TRectF& box);
    void DrawBackgroundPicture(const QString& source, const TRectF& rect, bool tiled, bool right);
    // The margins floating pictures take from a line at y.
    float LeftMargin(float y) const { return FFloatLeft.Active(y) ? FFloatLeft.Margin : 0; }
    float RightMargin(float y) const { return FFloatRight.Active(y) ? FFloatRight.Margin : 0; }
    void SetTextColor(TColor color);

    void DrawRunText(const QString& text, const TRectF& rect);
    // Queues a run to draw after the ones before it on the line.
    void QueueRun(TLineRun& run, const QString& text, const TRectF& rect);
    void FlushRuns(TLineRun& run);
    void DrawErrorMark(const TRectF& rect);
    void FillArea(const TRectF& rect, TColor color);
    // Moves the line's items, shifted to where the line is drawn, into
    // the hit map.
    void PlaceHitItems(float top, const TKestHTMLLineMetrics& line, float shift);
    // A control's box on a line whose top is lineTop.
    static TRectF ControlBox(float left, float width, float height, bool centered, float lineTop,
                             const TKestHTMLLineMetrics& line);
    void AddLinkItem(const TLineRun& run, float width);

    // The canvas font and text colour follow the state.
    void ApplyFont();
    TSizeF Measure(const QString& text);
    float TextLineHeight();
    float SpaceWidth();
    // A tag's colour value: "#..." as HTML colour, else a colour name; an
    // empty or bad value keeps current.
    static TColor ColorValue(const QString& value, TColor current);
    bool Drawing(TKestHTMLPass pass) const { return pass == TKestHTMLPass::Draw; }
    bool HoveredLink(int number) const { return number == FInput.HoverLink; }

    TKestGraphics& FCanvas;
    const TKestHTMLDrawInput& FInput;
    TKestHTMLDrawOutput& FOutput;
    TKestHTMLTextState FState;
    // The state the call started with: closing tags restore from it.
    TKestHTMLTextState FStart;
    std::unique_ptr<TKestGraphicsFont> FFont;
    bool FFontValid = false;
    TKestHTMLFontMeasureMap& FFontMeasures;
    // The current font's, or none until the next ApplyFont.
    TKestHTMLFontMeasures* FMeasures = nullptr;
    std::vector<THitItem> FHitItems;
    std::unique_ptr<TKestHTMLPictures> FPictures;
    TFloatSide FFloatLeft, FFloatRight;
    TKestHTMLHitMap FHitMap;
    bool FFinalPass = false;
    QString FText;
};

#pragma GCC visibility pop

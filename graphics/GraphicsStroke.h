#pragma once
// The stroke: kind, colour, width and opacity of lines and outlines.

#include "persistence/KestJSONMethods.h"
#include "framework/Color.h"
#include "framework/Persistent.h"
#include "graphics/GraphicsChangeNotifier.h"
#include "graphics/GraphicsEnums.h"

#include <QObject>

#pragma GCC visibility push(default)

class TKestCustomGraphicsStroke : public QObject,
                                  public TPersistent,
                                  public TKestGraphicsChangeNotifier,
                                  public TKestJSONMethods {
    Q_OBJECT

public:
    TKestCustomGraphicsStroke(TKestGraphicsStrokeKind kind, TColor color, QObject* parent = nullptr);
    ~TKestCustomGraphicsStroke() override;

    // From a stroke: colour, kind, opacity, width; from a fill: its colour
    // as a solid, opaque stroke of width 1. Assigning a stroke to itself
    // changes nothing.
    void Assign(TPersistent* source) override;

    TKestGraphicsStrokeKind Kind() const { return FKind; }
    void SetKind(TKestGraphicsStrokeKind value);
    // clNone is stored as gcNull, clDefault as the button face colour.
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    float Width() const { return FWidth; }
    void SetWidth(float value);
    float Opacity() const { return FOpacity; }
    void SetOpacity(float value);

private:
    TKestGraphicsStrokeKind FKind;
    TColor FColor;
    float FWidth = 1;
    float FOpacity = 1;
};

class TKestGraphicsStroke : public TKestCustomGraphicsStroke {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(TNotifyEvent OnChanged READ GetOnChanged WRITE SetOnChanged)
    Q_PROPERTY(KestGraphicsEnums::TKestGraphicsStrokeKind Kind READ Kind WRITE SetKind)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(float Width READ Width WRITE SetWidth)
    Q_CLASSINFO("Default:Kind", "gskSolid")
    Q_CLASSINFO("Default:Color", "0xC0C0C0")
    Q_CLASSINFO("Default:Width", "1")

public:
    using TKestCustomGraphicsStroke::TKestCustomGraphicsStroke;
    ~TKestGraphicsStroke() override;
};

#pragma GCC visibility pop

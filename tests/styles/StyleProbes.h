#pragma once
// Components that take styles from a styler and keep what they got, with one
// log of the order in which all of them were styled.

#include "framework/Component.h"
#include "framework/Form.h"
#include "framework/Frame.h"
#include "styles/StyleInterfaces.h"

#include <QObject>
#include <QStringList>
#include <vector>

// Every visit, in order, as "<name>" (style) or "<name>~" (tones).
inline QStringList& StyleLog()
{
    static QStringList log;
    return log;
}

// What one component received.
struct TReceived {
    std::vector<TZPXStyle> Styles;
    std::vector<TColor> AppColors;
    std::vector<TColorTones> Tones;
};

class TStyleProbe : public QObject, public TComponent, public IZPXStyle, public IZPXColorTones {
    Q_OBJECT
public:
    explicit TStyleProbe(TComponent* owner) : QObject(nullptr), TComponent(this, owner) {}
    ~TStyleProbe() override { Destroying(); }
    void SetComponentStyle(TZPXStyle style) override
    {
        StyleLog() << Name();
        Got.Styles.push_back(style);
    }
    void SetColorTones(const TColorTones& tones) override
    {
        StyleLog() << Name() + u'~';
        Got.Tones.push_back(tones);
    }
    TReceived Got;
};

// Answers both style interfaces; the one with the application colour wins.
class TAppColorProbe : public QObject, public TComponent, public IZPXStyle, public IZPXStyleAppColor {
    Q_OBJECT
public:
    explicit TAppColorProbe(TComponent* owner) : QObject(nullptr), TComponent(this, owner) {}
    ~TAppColorProbe() override { Destroying(); }
    void SetComponentStyle(TZPXStyle) override { StyleLog() << Name() + QStringLiteral(" without colour"); }
    void SetComponentStyleAndAppColor(TZPXStyle style, TColor appColor) override
    {
        StyleLog() << Name();
        Got.Styles.push_back(style);
        Got.AppColors.push_back(appColor);
    }
    TReceived Got;
};

// A component that takes nothing: the stylers pass over it.
class TPlainComponent : public QObject, public TComponent {
    Q_OBJECT
public:
    explicit TPlainComponent(TComponent* owner) : QObject(nullptr), TComponent(this, owner) {}
    ~TPlainComponent() override { Destroying(); }
};

class TStyledFrame : public TFrame, public IZPXStyle, public IZPXColorTones {
    Q_OBJECT
public:
    explicit TStyledFrame(TComponent* owner) : TFrame(owner) {}
    void SetComponentStyle(TZPXStyle) override { StyleLog() << Name(); }
    void SetColorTones(const TColorTones&) override { StyleLog() << Name() + u'~'; }
};

class TStyledForm : public TForm, public IZPXStyle, public IZPXColorTones {
    Q_OBJECT
public:
    explicit TStyledForm(TComponent* owner) : TForm(owner) {}
    void SetComponentStyle(TZPXStyle) override { StyleLog() << Name(); }
    void SetColorTones(const TColorTones&) override { StyleLog() << Name() + u'~'; }

    // Bound by name from stored layouts.
    Q_INVOKABLE void StylerApplyStyle(QObject*, QObject* component, bool*) { Asked << component->objectName(); }
    QStringList Asked;
};

// Names a new component and returns it.
template <typename T>
T* Make(TComponent* owner, const char* name)
{
    auto* component = new T(owner);
    component->SetName(QLatin1String(name));
    return component;
}

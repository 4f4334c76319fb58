#pragma once
// Classes a stored layout is read into and written from in the tests: a
// component with one property of every stored kind, and a form with a method
// for events.

#include "framework/Exception.h"
#include "framework/Filer.h"
#include "framework/Form.h"
#include "framework/ImageList.h"
#include "framework/Stream.h"

class TLayoutProbe : public QObject, public TComponent {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(int Count READ Count WRITE SetCount)
    Q_PROPERTY(bool Flag MEMBER FFlag)
    Q_PROPERTY(QString Label MEMBER FLabel)
    Q_PROPERTY(KestEnums::TAlign Align MEMBER FAlign)
    Q_PROPERTY(KestEnums::TFontStyles Style MEMBER FStyle)
    Q_PROPERTY(TColor Tint MEMBER FTint)
    Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
    Q_PROPERTY(TCustomImageList* Images MEMBER FImages)
    Q_PROPERTY(TNotifyEvent OnPing READ GetOnPing WRITE SetOnPing)
    Q_CLASSINFO("Default:Count", "5")
    Q_CLASSINFO("Default:Flag", "false")
    Q_CLASSINFO("Default:Align", "alNone")
    Q_CLASSINFO("Default:Tint", "clNone")
    Q_CLASSINFO("Default:Style", "[]")

public:
    explicit TLayoutProbe(TComponent* owner) : QObject(nullptr), TComponent(this, owner) {}

    int Count() const { return FCount; }
    void SetCount(int v)
    {
        if (v < 0)
            throw Exception("Count must not be negative");
        FCount = v;
    }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* f) { FFont->Assign(f); }
    TNotifyEvent GetOnPing() const { return OnPing; }
    void SetOnPing(const TNotifyEvent& e) { OnPing = e; }

    void DefineProperties(TFiler* filer) override
    {
        filer->DefineBinaryProperty(
            "Blob", [this](TStream& s) { Blob = s.ReadAll(); },
            [this](TStream& s) { s.WriteBuffer(Blob.constData(), Blob.size()); }, !Blob.isEmpty());
        filer->DefineProperty(
            "Marker", [this](TReader& r) { Marker = int(r.ReadInteger()); }, [](TWriter& w) { w.WriteInteger(0); },
            true);
    }
    void Loaded() override
    {
        TComponent::Loaded();
        ++LoadedCalls;
    }

    int FCount = 5;
    bool FFlag = false;
    QString FLabel;
    TAlign FAlign = alNone;
    TFontStyles FStyle;
    TColor FTint = clNone;
    std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
    TCustomImageList* FImages = nullptr;
    TNotifyEvent OnPing;
    QByteArray Blob;
    int Marker = -1;
    int LoadedCalls = 0;
};

class TLayoutTestForm : public TForm {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(TLayoutProbe* Probe1 MEMBER Probe1 STORED false)
public:
    explicit TLayoutTestForm(TComponent* owner) : TForm(owner) {}
    Q_INVOKABLE void Ping(QObject* sender) { pingedBy = sender; }

    TLayoutProbe* Probe1 = nullptr;
    QObject* pingedBy = nullptr;
};

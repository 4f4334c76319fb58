#pragma once
// A component with published properties of several kinds, to clone.

#include "framework/Component.h"
#include "framework/Font.h"

#include <QObject>

class TCloneProbe : public QObject, public TComponent {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int Count READ Count WRITE SetCount)
    Q_PROPERTY(TFont* Font READ Font WRITE SetFont)

public:
    Q_INVOKABLE explicit TCloneProbe(TComponent* AOwner) : QObject(nullptr), TComponent(this, AOwner) {}

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& v) { FCaption = v; }
    int Count() const { return FCount; }
    void SetCount(int v) { FCount = v; }
    TFont* Font() const { return FFont; }
    void SetFont(TFont* v) { FFont->Assign(v); }

private:
    QString FCaption;
    int FCount = 0;
    TFont* FFont = new TFont(this);
};

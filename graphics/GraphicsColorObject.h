#pragma once
// The value object of each entry of the colour-name list.

#include "persistence/KestJSONMethods.h"
#include "framework/Color.h"

#include <QObject>

#pragma GCC visibility push(default)

class TKestGraphicsColorObject : public QObject, public TKestJSONMethods {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)

public:
    explicit TKestGraphicsColorObject(TColor color, QObject* parent = nullptr);
    ~TKestGraphicsColorObject() override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }

private:
    TColor FColor;
};

#pragma GCC visibility pop

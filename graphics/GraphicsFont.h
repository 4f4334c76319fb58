#pragma once
// The font of the graphics library: the framework font with the change
// pattern of the other value objects.

#include "persistence/KestJSONMethods.h"
#include "framework/Font.h"
#include "graphics/GraphicsChangeNotifier.h"

#pragma GCC visibility push(default)

class TKestGraphicsFont : public TFont, public TKestGraphicsChangeNotifier, public TKestJSONMethods {
    Q_OBJECT

public:
    explicit TKestGraphicsFont(QObject* parent = nullptr);
    ~TKestGraphicsFont() override;

    // The framework font's assignment, reported as one change; assigning a
    // font to itself changes nothing.
    void Assign(TPersistent* source) override;
    void AssignSource(TPersistent* source) { Assign(source); }

private:
    void FontChanged(QObject* sender);
};

#pragma GCC visibility pop

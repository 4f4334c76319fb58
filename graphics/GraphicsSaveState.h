#pragma once
// The snapshot a canvas takes with SaveState: its font, stroke and fill,
// the device context's save level and a back-end's own state token.

#include "framework/Persistent.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsStroke.h"

#include <cstdint>
#include <memory>

#pragma GCC visibility push(default)

class TKestGraphicsSaveState : public TPersistent {
public:
    // A solid white fill, a solid silver stroke and the default font.
    TKestGraphicsSaveState();
    ~TKestGraphicsSaveState() override;

    int SaveDC() const { return FSaveDC; }
    void SetSaveDC(int value) { FSaveDC = value; }
    std::uintptr_t CustomSaveDC() const { return FCustomSaveDC; }
    void SetCustomSaveDC(std::uintptr_t value) { FCustomSaveDC = value; }

    // The setters copy into the state's own objects.
    TKestGraphicsFont* Font() const { return FFont.get(); }
    void SetFont(TPersistent* value) { FFont->AssignSource(value); }
    TKestGraphicsStroke* Stroke() const { return FStroke.get(); }
    void SetStroke(TPersistent* value) { FStroke->Assign(value); }
    TKestGraphicsFill* Fill() const { return FFill.get(); }
    void SetFill(TPersistent* value) { FFill->Assign(value); }

private:
    int FSaveDC = 0;
    std::unique_ptr<TKestGraphicsFont> FFont;
    std::unique_ptr<TKestGraphicsStroke> FStroke;
    std::unique_ptr<TKestGraphicsFill> FFill;
    std::uintptr_t FCustomSaveDC = 0;
};

#pragma GCC visibility pop

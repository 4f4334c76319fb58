#pragma once
// The second window: the path bar across its top edge and an "OK" button
// that closes it; its layout says the rest. It takes colour tones from a
// form styler: the window's background and the bar's colours follow them.

#include "framework/Button.h"
#include "framework/Form.h"
#include "pathbar/KestExplorerTreeview.h"
#include "styles/StyleInterfaces.h"

class TForm2 : public TForm, public IZPXColorTones {
    Q_OBJECT
    Q_PROPERTY(TKestExplorerTreeview* kestTree MEMBER kestTree STORED false)
    Q_PROPERTY(TButton* Button1 MEMBER Button1 STORED false)
public:
    explicit TForm2(TComponent* owner) : TForm(owner) {}

    TKestExplorerTreeview* kestTree = nullptr;
    TButton* Button1 = nullptr;

    void SetColorTones(const TColorTones& tones) override;
};

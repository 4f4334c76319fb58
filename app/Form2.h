#pragma once
// The second window: the path bar across its top edge and an "OK" button
// that closes it. It has no code of its own; its layout says it all.

#include "framework/Button.h"
#include "framework/Form.h"
#include "pathbar/KestExplorerTreeview.h"

class TForm2 : public TForm {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(TKestExplorerTreeview* kestTree MEMBER kestTree STORED false)
    Q_PROPERTY(TButton* Button1 MEMBER Button1 STORED false)
public:
    explicit TForm2(TComponent* AOwner) : TForm(AOwner) {}

    TKestExplorerTreeview* kestTree = nullptr;
    TButton* Button1 = nullptr;
};

#pragma once
// Writes a root component and the components it owns as a stored layout:
// published properties that are stored (see TypeInfo), nested persistent
// objects by dotted path, events by the bound method's name, and the
// properties classes define themselves. Child controls are written inside
// their parent control.

#include "framework/LayoutText.h"

#pragma GCC visibility push(default)

class TComponent;

class TLayoutWriter {
public:
    static TLayoutObject WriteRoot(TComponent* root);
    static QString WriteRootText(TComponent* root);
};

#pragma GCC visibility pop

// Edit mode: the bar as a one-line editor of its path, and what typing does.

#include "pathbar/CustomExplorerTreeview.h"

#include "pathbar/CustomExplorerTreeview_p.h"

#include "framework/Messages.h"
#include "framework/WidgetLifetime.h"
#include "framework/platform/PathSeparator.h"
#include "pathbar/DropForm.h"
#include "pathbar/ExplorerTreeviewListBox.h"

void TCustomExplorerTreeview::SetEditMode(bool value)
{
    if (value == FPrivate->FEditMode || !FPrivate->FEditorEnabled || IsDesigning())
        return;
    FPrivate->FEditMode = value;
    const bool focusColoring = FPrivate->FAppearance->FocusColor() != clNone;
    if (value) {
        ClearNodeButtons();
        if (focusColoring) {
            ApplyColor(FPrivate->FAppearance->FocusColor());
            ShowCaret();
        }
        return;
    }
    if (FPrivate->FEditStyle == esList) {
        BuildNodeButtons();
    } else if (FPrivate->FSelectedNode) {
        if (QLineEdit::text().toUpper() == ShownPath(FPrivate->FSelectedNode).toUpper()) {
            // The bar shows the selection again, so its text names it.
            FPrivate->FText = ShownPath(FPrivate->FSelectedNode);
            BuildNodeButtons();
        } else {
            FPrivate->FSelectedNode = nullptr;
            FPrivate->FText = QLineEdit::text();
            if (!IsUpdating())
                UpdateLeftIcon();
        }
    }
    if (focusColoring) {
        ApplyColor(FPrivate->FAppearance->Color());
        HideCaret();
    }
}

void TCustomExplorerTreeview::KeyPressStep(QChar& key)
{
    FPrivate->FKeyPressStepRan = true;
    if (!FPrivate->FEditorEnabled) {
        key = QChar();
        return;
    }
    if (key == u'\x1b')
        return;
    if (FPrivate->FEditStyle == esEdit)
        FPrivate->FUpdateInternalText = true;
    if (!FPrivate->FAutoComplete)
        return;
    FPrivate->FShowAutoCL = true;
    PostMessage(this, ET_TRACKKEYPRESS());
}

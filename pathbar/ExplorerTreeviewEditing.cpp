// Edit mode and the drop-down windows of the bar.

#include "pathbar/CustomExplorerTreeview.h"

void TCustomExplorerTreeview::SetEditMode(bool Value)
{
    if (Value == FEditMode || !FEditorEnabled || IsDesigning())
        return;
    FEditMode = Value;
    const bool focusColoring = FAppearance->FocusColor() != clNone;
    if (Value) {
        ClearNodeButtons();
        if (focusColoring) {
            ApplyColor(FAppearance->FocusColor());
            ShowCaret();
        }
        return;
    }
    if (FEditStyle == esList) {
        BuildNodeButtons();
    } else if (FSelectedNode) {
        if (QLineEdit::text().toUpper() == ShownPath(FSelectedNode).toUpper()) {
            BuildNodeButtons();
        } else {
            FSelectedNode = nullptr;
            FText = QLineEdit::text();
            if (!IsUpdating())
                UpdateLeftIcon();
        }
    }
    if (focusColoring) {
        ApplyColor(FAppearance->Color());
        HideCaret();
    }
}

void TCustomExplorerTreeview::KeyPress(QChar&) {}

void TCustomExplorerTreeview::ShowDropDown() {}

void TCustomExplorerTreeview::CloseDropDown() {}

void TCustomExplorerTreeview::ShowAutoCompleteList() {}

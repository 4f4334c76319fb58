// Node buttons and the positions of the bar's child controls.

#include "pathbar/CustomExplorerTreeview.h"

#include "pathbar/NodeButton.h"

void TCustomExplorerTreeview::ClearNodeButtons()
{
    std::vector<TNodeButton*> buttons;
    buttons.swap(FNodeButtons);
    for (TNodeButton* b : buttons)
        delete b;
    if (!IsDestroying()) {
        TCustomEdit::SetText(FText);
        selectAll();
    }
}

void TCustomExplorerTreeview::BuildNodeButtons()
{
    ClearNodeButtons();
    // Until the node buttons are laid out here, the bar shows the selection's
    // path as text.
}

void TCustomExplorerTreeview::UpdateLayout() {}

void TCustomExplorerTreeview::UpdateEditRect() {}

void TCustomExplorerTreeview::UpdateLeftIcon() {}

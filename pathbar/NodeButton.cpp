#include "pathbar/NodeButton.h"

#include "pathbar/CustomExplorerTreeview.h"

#include <algorithm>

TNodeButton::TNodeButton(TComponent* AOwner) : TExplorerTreeviewChild(AOwner), FGlyph(std::make_unique<TBitmap>()) {}

TNodeButton::~TNodeButton() = default;

void TNodeButton::SetNode(TKestTreeNode* Value)
{
    FNode = Value;
    if (FNode)
        FShowText = FNode->ShowText() || FNode == FExplorerTreeview->SelectedNode();
}

void TNodeButton::SetScrollButton(bool Value) { FScrollButton = Value; }

bool TNodeButton::HasDropDown() const { return FNode && !FScrollButton && FNode->HasChildren(); }

int TNodeButton::ButtonIndex() const
{
    if (!FExplorerTreeview)
        return -1;
    const auto& buttons = FExplorerTreeview->NodeButtons();
    auto it = std::find(buttons.begin(), buttons.end(), this);
    return it == buttons.end() ? -1 : int(it - buttons.begin());
}

void TNodeButton::DoNodePopulate(TKestTreeNode* Node)
{
    if (FExplorerTreeview->OnNodePopulate)
        FExplorerTreeview->OnNodePopulate(FExplorerTreeview, Node);
}

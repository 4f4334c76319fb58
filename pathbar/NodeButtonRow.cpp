#include "pathbar/NodeButtonRow_p.h"

#include "pathbar/CustomExplorerTreeview.h"
#include "pathbar/KestTreeNode.h"
#include "pathbar/NodeButton.h"

TNodeButtonRow::TNodeButtonRow(TCustomExplorerTreeview& bar) : FBar(bar) {}

TNodeButtonRow::~TNodeButtonRow()
{
    DeleteSpareButtons();
    for (TNodeButton* b : FButtons)
        delete b;
}

void TNodeButtonRow::DeleteSpareButtons()
{
    for (TNodeButton* b : FSpareButtons)
        delete b;
    FSpareButtons.clear();
}

void TNodeButtonRow::Clear(bool barDestroying)
{
    std::vector<TNodeButton*> buttons;
    buttons.swap(FButtons);
    for (TNodeButton* b : buttons) {
        if (barDestroying) {
            delete b;
        } else {
            b->hide();
            b->Reset();
            FSpareButtons.push_back(b);
        }
    }
}

void TNodeButtonRow::Build(TKestTreeNode* selected, const QRect& area, const TButtonAppearance& look,
                           int overflowWidth)
{
    int available = area.width();
    if (available < overflowWidth)
        return;
    TNodeButtonPlace place;
    place.Height = area.height();
    place.Look = &look;
    place.TextWidths = &FTextWidths;
    for (TKestTreeNode* node = selected; node;) {
        TNodeButton* button = Take();
        button->SetVisible(true);
        place.Index = int(FButtons.size());
        place.Selected = node == selected;
        button->SetNode(node, place);
        node = node->Parent();
        FButtons.push_back(button);
        if (button->Width() > available || (node && button->Width() > available - overflowWidth)) {
            button->SetScrollButton(true);
            break;
        }
        available -= button->Width();
    }
}

TNodeButton* TNodeButtonRow::Take()
{
    if (FSpareButtons.empty())
        return new TNodeButton(&FBar);
    TNodeButton* button = FSpareButtons.back();
    FSpareButtons.pop_back();
    // A button taken off the row in the middle of its own click may have
    // been pressed again since it was put aside.
    button->Reset();
    return button;
}

void TNodeButtonRow::Position(const QRect& area)
{
    int x = area.left();
    for (auto it = FButtons.rbegin(); it != FButtons.rend(); ++it) {
        TNodeButton* b = *it;
        b->SetBounds(x, area.top(), b->Width(), area.height());
        x += b->Width();
    }
}

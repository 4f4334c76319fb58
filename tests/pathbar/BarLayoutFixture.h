#pragma once
// A shown path bar in program-supplied mode at a chosen width and resolution,
// with helpers to read rectangles by their edges.

#include "TreeFixture.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"

#include "framework/platform/PlatformService.h"
#include "pathbar/NodeButton.h"
#include "support/FakePlatform.h"

#include <QRect>
#include <optional>

struct Edges {
    int left;
    int right;
    bool operator==(const Edges&) const = default;
};

inline Edges EdgesOf(const QRect& r) { return {r.x(), r.x() + r.width()}; }

inline void PrintTo(const Edges& e, std::ostream* os) { *os << "(" << e.left << ".." << e.right << ")"; }

class BarLayoutFixture : public TreeFixture {
protected:
    void UseScale(double scale)
    {
        dpi.Dpi = 96.0 * scale;
        scoped.emplace(dpi);
    }

    void Show(int width, int height = 25)
    {
        bar->setGeometry(0, 0, width, height);
        bar->show();
    }

    // Selects the node and returns the node buttons, selection first.
    const std::vector<TNodeButton*>& Select(TKestTreeNode* node)
    {
        bar->SetSelectedNode(nullptr);
        bar->SetSelectedNode(node);
        return Inside(bar).NodeButtons();
    }

    // A chain of nodes below a new top-level node; each text may be empty.
    std::vector<TKestTreeNode*> Chain(std::initializer_list<const char*> texts)
    {
        std::vector<TKestTreeNode*> chain;
        for (const char* t : texts)
            chain.push_back(chain.empty() ? nodes()->Add(t) : chain.back()->AddChild(t));
        return chain;
    }

    TFakeScreenDpi dpi;
    std::optional<Platform::TScopedService<Platform::IScreenDpi>> scoped;
};

#pragma once
// A tree held by a path bar in program-supplied mode.

#include "NodeTreeFixture.h"
#include "pathbar/KestExplorerTreeview.h"

// A tree held by a path bar.
class TreeFixture : public TreeChecks {
protected:
    void SetUp() override
    {
        bar = std::make_unique<TKestExplorerTreeview>(nullptr);
        bar->SetMode(aeCustom);
    }

    TKestTreeNodes* nodes() { return bar->Items(); }

    std::unique_ptr<TKestExplorerTreeview> bar;
};

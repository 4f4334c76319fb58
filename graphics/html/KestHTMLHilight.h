#pragma once
// Search matches of the visible text of markup wrapped in a tag.

#include <QString>

#pragma GCC visibility push(default)

class TKestHTMLHilight {
public:
    // The markup with every occurrence of hilight in its visible text
    // enclosed in "<tag>" and "</tag>". Text inside tags is never searched
    // or rewritten; an empty search text matches nothing.
    static QString HilightMarkup(const QString& text, const QString& hilight, const QString& tag, bool doCase);
};

#pragma GCC visibility pop

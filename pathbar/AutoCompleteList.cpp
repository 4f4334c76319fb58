#include "pathbar/AutoCompleteList.h"

namespace {

char16_t AsciiUpperChar(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - (u'a' - u'A')) : c; }

// Whether text begins with the (already upper-cased) prefix, comparing
// text's ASCII letters upper-cased.
bool StartsWithAsciiUpper(const QString& text, const QString& upperPrefix)
{
    if (text.size() < upperPrefix.size())
        return false;
    for (qsizetype i = 0; i < upperPrefix.size(); ++i)
        if (AsciiUpperChar(text.at(i).unicode()) != upperPrefix.at(i).unicode())
            return false;
    return true;
}

}

QString TAutoCompleteList::AsciiUpper(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        c = QChar(AsciiUpperChar(c.unicode()));
    return out;
}

bool TAutoCompleteList::Add(const QString& path, TKestTreeNode* node)
{
    auto [it, inserted] = FEntries.emplace(Key{path.toCaseFolded(), path}, node);
    if (inserted && node)
        FByNode.insert(node, it);
    return inserted;
}

bool TAutoCompleteList::RemoveNode(TKestTreeNode* node)
{
    auto found = FByNode.find(node);
    if (found == FByNode.end())
        return false;
    FEntries.erase(*found);
    FByNode.erase(found);
    return true;
}

QString TAutoCompleteList::PathOf(TKestTreeNode* node) const
{
    auto found = FByNode.constFind(node);
    return found == FByNode.constEnd() ? QString() : (*found)->first.path;
}

void TAutoCompleteList::Clear()
{
    FEntries.clear();
    FByNode.clear();
}

void TAutoCompleteList::ForEach(const TVisitor& visit) const
{
    for (const auto& [key, node] : FEntries)
        if (!visit(key.path, node))
            return;
}

void TAutoCompleteList::ForEachStartingWith(const QString& prefix, const TVisitor& visit) const
{
    // Every entry that matches with ASCII upper-casing also matches with
    // case folding, and those form one run of the order: search the run and
    // keep the entries that pass the narrower test.
    const QString upper = AsciiUpper(prefix);
    const QString folded = prefix.toCaseFolded();
    for (auto it = FEntries.lower_bound(Key{folded, QString()}); it != FEntries.end(); ++it) {
        if (!it->first.folded.startsWith(folded))
            return;
        if (StartsWithAsciiUpper(it->first.path, upper) && !visit(it->first.path, it->second))
            return;
    }
}

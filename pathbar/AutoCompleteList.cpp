#include "pathbar/AutoCompleteList.h"

#include <algorithm>

namespace {

// Blocks split in two beyond this size.
constexpr size_t kMaxBlock = 256;

char16_t AsciiUpperChar(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - (u'a' - u'A')) : c; }
char16_t AsciiLowerChar(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c; }

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

bool IsPlain(const QString& text, const QString& folded)
{
    if (text.size() != folded.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (AsciiLowerChar(text.at(i).unicode()) != folded.at(i).unicode())
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

bool TAutoCompleteList::Before(const Entry& e, const Key& k)
{
    const int c = e.folded.compare(k.first);
    return c != 0 ? c < 0 : e.path < k.second;
}

size_t TAutoCompleteList::BlockFor(const Key& k) const
{
    // The first block whose last entry is not before the key; past the end
    // the last block takes it.
    auto it = std::partition_point(FBlocks.begin(), FBlocks.end(),
                                   [&k](const Block& b) { return Before(b.back(), k); });
    if (it == FBlocks.end() && !FBlocks.empty())
        --it;
    return size_t(it - FBlocks.begin());
}

bool TAutoCompleteList::Add(const QString& path, TKestTreeNode* node)
{
    Key key{path.toCaseFolded(), path};
    if (FBlocks.empty())
        FBlocks.emplace_back();
    const size_t b = FBlocks.front().empty() ? 0 : BlockFor(key);
    Block& block = FBlocks[b];
    auto at = std::partition_point(block.begin(), block.end(), [&key](const Entry& e) { return Before(e, key); });
    if (at != block.end() && at->folded == key.first && at->path == key.second)
        return false;
    block.insert(at, Entry{key.first, path, node, IsPlain(path, key.first)});
    ++FCount;
    FStartsValid = false;
    if (block.size() > kMaxBlock) {
        Block upper(std::make_move_iterator(block.begin() + qsizetype(block.size() / 2)),
                    std::make_move_iterator(block.end()));
        block.resize(block.size() / 2);
        FBlocks.insert(FBlocks.begin() + qsizetype(b) + 1, std::move(upper));
    }
    if (node)
        FByNode.insert(node, std::move(key));
    return true;
}

bool TAutoCompleteList::RemoveNode(TKestTreeNode* node)
{
    auto found = FByNode.find(node);
    if (found == FByNode.end())
        return false;
    const Key key = *found;
    FByNode.erase(found);
    if (FBlocks.empty())
        return false;
    const size_t b = BlockFor(key);
    Block& block = FBlocks[b];
    auto at = std::partition_point(block.begin(), block.end(), [&key](const Entry& e) { return Before(e, key); });
    if (at == block.end() || at->path != key.second)
        return false;
    block.erase(at);
    --FCount;
    FStartsValid = false;
    if (block.empty())
        FBlocks.erase(FBlocks.begin() + qsizetype(b));
    return true;
}

QString TAutoCompleteList::PathOf(TKestTreeNode* node) const
{
    auto found = FByNode.constFind(node);
    return found == FByNode.constEnd() ? QString() : found->second;
}

void TAutoCompleteList::Clear()
{
    FBlocks.clear();
    FByNode.clear();
    FCount = 0;
    FStartsValid = false;
}

void TAutoCompleteList::UpdateStarts() const
{
    if (FStartsValid)
        return;
    FStarts.assign(1, 0);
    FOddBefore.assign(1, 0);
    for (const Block& b : FBlocks) {
        FStarts.push_back(FStarts.back() + int(b.size()));
        FOddBefore.push_back(
            FOddBefore.back() + int(std::count_if(b.begin(), b.end(), [](const Entry& e) { return !e.plain; })));
    }
    FStartsValid = true;
}

const TAutoCompleteList::Entry& TAutoCompleteList::At(int position) const
{
    UpdateStarts();
    const size_t b = size_t(std::upper_bound(FStarts.begin(), FStarts.end(), position) - FStarts.begin()) - 1;
    return FBlocks[b][size_t(position - FStarts[b])];
}

int TAutoCompleteList::TMatches::IndexOf(int position) const
{
    if (!FListed)
        return position >= FFirst && position < FFirst + FCount ? position - FFirst : -1;
    auto it = std::lower_bound(FRows.begin(), FRows.end(), position);
    return it != FRows.end() && *it == position ? int(it - FRows.begin()) : -1;
}

int TAutoCompleteList::PositionOf(TKestTreeNode* node) const
{
    auto found = FByNode.constFind(node);
    if (found == FByNode.constEnd())
        return -1;
    const Key& key = *found;
    UpdateStarts();
    if (FBlocks.empty())
        return -1;
    const size_t b = BlockFor(key);
    const Block& block = FBlocks[b];
    auto at = std::partition_point(block.begin(), block.end(), [&key](const Entry& e) { return Before(e, key); });
    return at == block.end() ? -1 : FStarts[b] + int(at - block.begin());
}

const QString& TAutoCompleteList::PathAt(int position) const { return At(position).path; }

TKestTreeNode* TAutoCompleteList::NodeAt(int position) const { return At(position).node; }

template <typename Pred>
int TAutoCompleteList::PartitionPoint(Pred pred) const
{
    UpdateStarts();
    auto block = std::partition_point(FBlocks.begin(), FBlocks.end(), [&pred](const Block& b) { return pred(b.back()); });
    if (block == FBlocks.end())
        return FCount;
    const size_t b = size_t(block - FBlocks.begin());
    return FStarts[b] + int(std::partition_point(block->begin(), block->end(), pred) - block->begin());
}

int TAutoCompleteList::OddCount(int first, int last) const
{
    // Whole blocks from their counts, the partial ones at the ends entry by
    // entry.
    UpdateStarts();
    int odd = 0;
    int p = first;
    while (p < last) {
        const size_t b = size_t(std::upper_bound(FStarts.begin(), FStarts.end(), p) - FStarts.begin()) - 1;
        const int blockEnd = FStarts[b + 1];
        if (p == FStarts[b] && blockEnd <= last) {
            odd += FOddBefore[b + 1] - FOddBefore[b];
        } else {
            for (int q = p; q < std::min(last, blockEnd); ++q)
                odd += FBlocks[b][size_t(q - FStarts[b])].plain ? 0 : 1;
        }
        p = blockEnd;
    }
    return odd;
}

TAutoCompleteList::TMatches TAutoCompleteList::Matches(const QString& prefix) const
{
    // Every entry that matches with ASCII upper-casing also matches with
    // case folding, and those form one run of the order. Where the prefix
    // and every entry of the run are plain, the two tests agree and the run
    // is the answer; otherwise the run is searched with the narrower test.
    const QString folded = prefix.toCaseFolded();
    const int first = PartitionPoint([&folded](const Entry& e) { return e.folded.compare(folded) < 0; });
    const int last = PartitionPoint([&folded](const Entry& e) {
        return e.folded.compare(folded) < 0 || e.folded.startsWith(folded);
    });
    TMatches matches;
    matches.FFirst = first;
    matches.FCount = last - first;
    if (IsPlain(prefix, folded) && OddCount(first, last) == 0)
        return matches;
    matches.FListed = true;
    const QString upper = AsciiUpper(prefix);
    for (int p = first; p < last; ++p)
        if (StartsWithAsciiUpper(At(p).path, upper))
            matches.FRows.push_back(p);
    return matches;
}

void TAutoCompleteList::ForEach(const TVisitor& visit) const
{
    for (const Block& b : FBlocks)
        for (const Entry& e : b)
            if (!visit(e.path, e.node))
                return;
}

void TAutoCompleteList::ForEachStartingWith(const QString& prefix, const TVisitor& visit) const
{
    const TMatches matches = Matches(prefix);
    if (matches.FListed) {
        for (int p : matches.FRows)
            if (!visit(At(p).path, At(p).node))
                return;
        return;
    }
    // One run: read block by block.
    const int last = matches.FFirst + matches.FCount;
    for (int p = matches.FFirst; p < last;) {
        const size_t b = size_t(std::upper_bound(FStarts.begin(), FStarts.end(), p) - FStarts.begin()) - 1;
        const Block& block = FBlocks[b];
        for (size_t i = size_t(p - FStarts[b]); i < block.size() && p < last; ++i, ++p)
            if (!visit(block[i].path, block[i].node))
                return;
    }
}

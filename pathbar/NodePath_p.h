#pragma once
// How a node's path is put together: the texts of the node and of its
// ancestors up to the first virtual parent (the "chain"), joined by the
// separator unless a text already ends with one. A chain is built in one pass
// over the ancestors, or from the parent's chain by one append, so that every
// path of a deep tree costs its own length and no more.

#include <QString>

class TKestTreeNode;

namespace NodePath {

// The chain of node, walking its ancestors once.
QString Chain(const TKestTreeNode* node);
// The chain of child, given the chain of its parent.
QString ChildChain(const QString& parentChain, const TKestTreeNode* parent, const TKestTreeNode* child);
// The node's path from its chain: a virtual parent is its own text, a
// top-level node ends with the separator, and folderPrefix goes in front.
QString FromChain(const TKestTreeNode* node, const QString& chain, const QString& folderPrefix);

}

#include "pathbar/NodePath_p.h"

#include "framework/platform/PathSeparator.h"
#include "pathbar/KestTreeNode.h"

#include <vector>

namespace NodePath {

namespace {

void AppendSegment(QString& path, const QString& ancestorText)
{
    path += ancestorText;
    if (!ancestorText.endsWith(kPathSeparator))
        path += kPathSeparator;
}

}

QString Chain(const TKestTreeNode* node)
{
    std::vector<const TKestTreeNode*> ancestors;
    qsizetype length = node->Text().size();
    for (const TKestTreeNode* a = node->Parent(); a && !a->VirtualParent(); a = a->Parent()) {
        ancestors.push_back(a);
        length += a->Text().size() + 1;
    }
    QString chain;
    chain.reserve(length);
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it)
        AppendSegment(chain, (*it)->Text());
    chain += node->Text();
    return chain;
}

QString ChildChain(const QString& parentChain, const TKestTreeNode* parent, const TKestTreeNode* child)
{
    if (parent->VirtualParent())
        return child->Text();
    QString chain;
    chain.reserve(parentChain.size() + 1 + child->Text().size());
    chain += parentChain;
    if (!parent->Text().endsWith(kPathSeparator))
        chain += kPathSeparator;
    chain += child->Text();
    return chain;
}

QString FromChain(const TKestTreeNode* node, const QString& chain, const QString& folderPrefix)
{
    if (node->VirtualParent())
        return node->Text();
    QString path = chain;
    if (!node->Parent())
        path += kPathSeparator;
    return folderPrefix.isEmpty() ? path : folderPrefix + path;
}

}

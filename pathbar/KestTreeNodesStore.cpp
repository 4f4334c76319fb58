// The stored form of the node tree (the binary property "Data"):
//   int32 top-level count, then per node, depth first:
//   int32 record size S (29..284), then the record:
//     int32 image index, 20 reserved bytes, int32 child count,
//     uint8 text length L, L bytes of text.
// Integers are little-endian. Deep trees are read and written with explicit
// stacks, so the depth of a tree never exhausts the call stack.

#include "pathbar/KestTreeNodes.h"

#include "framework/Stream.h"
#include "pathbar/NodeTextCodec_p.h"
#include "pathbar/TreeViewError.h"

#include <QtEndian>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr int kHeaderSize = 29;
constexpr int kMaxRecord = kHeaderSize + NodeTextCodec::MaxBytes;
constexpr int kImageOffset = 0;
constexpr int kCountOffset = 24;
constexpr int kLengthOffset = 28;

void WriteNode(TStream& stream, const TKestTreeNode* node, int childCount)
{
    QByteArray text = NodeTextCodec::Encode(node->Text());
    std::array<uchar, kMaxRecord> record{};
    qToLittleEndian<qint32>(node->ImageIndex(), record.data() + kImageOffset);
    qToLittleEndian<qint32>(childCount, record.data() + kCountOffset);
    record[kLengthOffset] = uchar(text.size());
    std::memcpy(record.data() + kHeaderSize, text.constData(), size_t(text.size()));
    qint32 size = kHeaderSize + qint32(text.size());
    stream.WriteInt32(size);
    stream.WriteBuffer(record.data(), size);
}

int CountChildren(const TKestTreeNode* node)
{
    int n = 0;
    for (const TKestTreeNode* c = node->GetFirstChild(); c; c = c->GetNextSibling())
        ++n;
    return n;
}

// Reads one record into node; returns the number of children that follow.
int ReadNode(TStream& stream, TKestTreeNode* node)
{
    qint32 size = stream.ReadInt32();
    if (size < kHeaderSize || size > kMaxRecord)
        throw ETreeViewError(QStringLiteral("Invalid node record size (%1)").arg(size));
    std::array<uchar, kMaxRecord> record{};
    stream.ReadBuffer(record.data(), size);
    int length = record[kLengthOffset];
    if (length > size - kHeaderSize)
        throw ETreeViewError(QStringLiteral("Invalid node text length (%1)").arg(length));
    node->SetText(NodeTextCodec::Decode(QByteArray(reinterpret_cast<const char*>(record.data()) + kHeaderSize, length)));
    node->SetImageIndex(qFromLittleEndian<qint32>(record.data() + kImageOffset));
    qint32 children = qFromLittleEndian<qint32>(record.data() + kCountOffset);
    if (children < 0)
        throw ETreeViewError(QStringLiteral("Invalid node count (%1)").arg(children));
    return children;
}

}

void TKestTreeNodes::WriteData(TStream& stream) const
{
    int count = 0;
    for (const TKestTreeNode* n = FFirstNode; n; n = n->GetNextSibling())
        ++count;
    stream.WriteInt32(count);
    std::vector<const TKestTreeNode*> pending;
    for (const TKestTreeNode* n = FLastNode; n; n = n->GetPrevSibling())
        pending.push_back(n);
    while (!pending.empty()) {
        const TKestTreeNode* node = pending.back();
        pending.pop_back();
        WriteNode(stream, node, CountChildren(node));
        for (const TKestTreeNode* c = node->GetLastChild(); c; c = c->GetPrevSibling())
            pending.push_back(c);
    }
}

void TKestTreeNodes::ReadData(TStream& stream)
{
    Clear();
    qint32 count = stream.ReadInt32();
    if (count < 0)
        throw ETreeViewError(QStringLiteral("Invalid node count (%1)").arg(count));
    struct Frame {
        TKestTreeNode* node;
        int childrenLeft;
    };
    std::vector<Frame> stack;
    for (qint32 i = 0; i < count; ++i) {
        TKestTreeNode* top = Add(QString());
        stack.push_back({top, ReadNode(stream, top)});
        while (!stack.empty()) {
            Frame& f = stack.back();
            if (f.childrenLeft == 0) {
                stack.pop_back();
                continue;
            }
            --f.childrenLeft;
            TKestTreeNode* child = f.node->AddChild(QString());
            stack.push_back({child, ReadNode(stream, child)});
        }
        if (FOwner)
            FOwner->NodeAdded(top);
    }
}

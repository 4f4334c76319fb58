#pragma once
// Types the path bar's interface is made of: its modes, the folder loader's
// starting point, the edit style, and its event signatures.

#include <QMetaType>
#include <QObject>
#include <QString>
#include <functional>

#pragma GCC visibility push(default)

class TKestTreeNode;

namespace KestPathBar {
Q_NAMESPACE

// Where the tree comes from: the program, the desktop and computer, or the
// folders below FolderPath.
enum TKestExplorerTreeviewMode { aeCustom, aeSystem, aeFolder };
Q_ENUM_NS(TKestExplorerTreeviewMode)

enum TBaseNode { bnDesktop, bnFolder };
Q_ENUM_NS(TBaseNode)

// How typed text is treated when the editor is left.
enum TEditStyle { esList, esEdit };
Q_ENUM_NS(TEditStyle)

}

using KestPathBar::TBaseNode;
using KestPathBar::TEditStyle;
using KestPathBar::TKestExplorerTreeviewMode;
using enum KestPathBar::TKestExplorerTreeviewMode;
using enum KestPathBar::TBaseNode;
using enum KestPathBar::TEditStyle;

using TNodeEvent = std::function<void(QObject* sender, TKestTreeNode* node)>;
using TPopulateChildEvent =
    std::function<void(QObject* sender, TKestTreeNode* parentNode, const QString& path, bool& populateAllowed)>;
// Same signature as TNodeEvent: the node whose children are about to be shown.
using TNodePopulateEvent = TNodeEvent;

Q_DECLARE_METATYPE(TKestTreeNode*)
Q_DECLARE_METATYPE(TNodeEvent)
Q_DECLARE_METATYPE(TPopulateChildEvent)

#pragma GCC visibility pop

#include "pathbar/KestExplorerTreeview.h"

#include "framework/TypeInfo.h"

TKestExplorerTreeview::TKestExplorerTreeview(TComponent* owner) : TCustomExplorerTreeview(owner) {}

TKestExplorerTreeview::~TKestExplorerTreeview() = default;

static void InitResources() { Q_INIT_RESOURCE(resources); }

void TCustomExplorerTreeview::RegisterModule()
{
    InitResources();
    TypeInfo::RegisterClass<TKestExplorerTreeview>();
    TypeInfo::RegisterEventType<TNodeEvent, QObject*, TKestTreeNode*>([](QObject* target, const QMetaMethod& method) {
        QPointer<QObject> guard(target);
        return TNodeEvent([guard, method](QObject* sender, TKestTreeNode* node) {
            if (guard)
                method.invoke(guard.data(), Qt::DirectConnection, Q_ARG(QObject*, sender), Q_ARG(TKestTreeNode*, node));
        });
    });
    TypeInfo::RegisterEventType<TPopulateChildEvent, QObject*, TKestTreeNode*, QString, bool*>([](QObject* target, const QMetaMethod& method) {
        QPointer<QObject> guard(target);
        return TPopulateChildEvent(
            [guard, method](QObject* sender, TKestTreeNode* parent, const QString& path, bool& allowed) {
                if (guard)
                    method.invoke(guard.data(), Qt::DirectConnection, Q_ARG(QObject*, sender),
                                  Q_ARG(TKestTreeNode*, parent), Q_ARG(QString, path), Q_ARG(bool*, &allowed));
            });
    });
    // The registered messages get their numbers at start-up.
    ET_HIDEDROPDOWN();
    ET_SETFOLDERPATH();
    ET_TRACKKEYPRESS();
    ET_SETEDITRECT();
}

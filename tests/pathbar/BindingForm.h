#pragma once
// A form whose methods a stored layout binds the bar's events to.

#include "framework/Form.h"
#include "pathbar/KestExplorerTreeview.h"

class TBindingForm : public TForm {
    Q_OBJECT
public:
    explicit TBindingForm(TComponent* owner) : TForm(owner) {}
    Q_INVOKABLE void BarKeyPress(QObject*, QChar* key) { *key = key->toUpper(); }
    Q_INVOKABLE void BarSelect(QObject*, TKestTreeNode* node) { selected = node->Text(); }
    Q_INVOKABLE void BarDragOver(QObject*, QObject* source, int x, int y, TDragState state, bool* accept)
    {
        calls << QStringLiteral("over %1 %2,%3 %4").arg(source ? source->objectName() : "-").arg(x).arg(y).arg(int(state));
        *accept = false;
    }
    Q_INVOKABLE void BarDragDrop(QObject*, QObject* source, int x, int y)
    {
        calls << QStringLiteral("drop %1 %2,%3").arg(source ? source->objectName() : "-").arg(x).arg(y);
    }
    Q_INVOKABLE void BarStartDrag(QObject* sender, QObject** dragObject)
    {
        calls << QStringLiteral("start %1").arg(sender->objectName());
        *dragObject = this;
    }
    QString selected;
    QStringList calls;
};

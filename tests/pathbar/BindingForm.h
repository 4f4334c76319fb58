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
    QString selected;
};

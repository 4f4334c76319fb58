#include "framework/ComboBox.h"

#include "framework/StringList.h"

#include <QLineEdit>
#include <QPointer>

TComboBox::TComboBox(TComponent* owner) : QComboBox(nullptr), TControl(this, owner)
{
    ApplyStyle();
    resize(145, 23);
    // A handler may free the box; the change notice then has no one to go to.
    connect(this, &QComboBox::activated, this, [this] {
        QPointer<TComboBox> alive(this);
        Select();
        if (alive)
            Change();
    });
}

TComboBox::~TComboBox() { Destroying(); }

void TComboBox::SetStyle(TComboBoxStyle value)
{
    if (value == FStyle)
        return;
    FStyle = value;
    ApplyStyle();
}

void TComboBox::ApplyStyle()
{
    setEditable(FStyle == csDropDown);
    // Typed text chooses nothing new: it is the box's text, not an item.
    setInsertPolicy(QComboBox::NoInsert);
    // The editor is made anew each time the box becomes editable.
    if (QLineEdit* editor = lineEdit())
        connect(editor, &QLineEdit::textEdited, this, [this] { Change(); });
}

void* TComboBox::ItemObject(int index) const
{
    return reinterpret_cast<void*>(itemData(index).value<quintptr>());
}

int TComboBox::AddItem(const QString& text, void* object)
{
    addItem(text, QVariant::fromValue(reinterpret_cast<quintptr>(object)));
    return count() - 1;
}

void TComboBox::SetItems(const TStringList& items)
{
    const QSignalBlocker quiet(this);
    clear();
    for (int i = 0; i < items.Count(); ++i)
        AddItem(items.Strings(i), items.Objects(i));
    setCurrentIndex(-1);
}

int TComboBox::IndexOfObject(void* object) const
{
    for (int i = 0; i < count(); ++i)
        if (ItemObject(i) == object)
            return i;
    return -1;
}

void TComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
}

void TComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

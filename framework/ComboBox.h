#pragma once
// The combo box: a one-line choice among texts, each item carrying an
// object, over QComboBox. OnSelect fires when the user picks an item (not
// when the program sets ItemIndex); OnChange whenever the user changes the
// text, by picking or by typing.

#include "framework/Control.h"
#include "framework/Events.h"

#include <QComboBox>

#pragma GCC visibility push(default)

class TStringList;

class TComboBox : public QComboBox, public TControl {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(KestEnums::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(TComboBoxStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(TNotifyEvent OnChange READ GetOnChange WRITE SetOnChange)
    Q_PROPERTY(TNotifyEvent OnSelect READ GetOnSelect WRITE SetOnSelect)
    Q_CLASSINFO("Default:Align", "alNone")
    Q_CLASSINFO("Default:Style", "csDropDown")
    Q_CLASSINFO("Default:Enabled", "true")
    Q_CLASSINFO("Default:TabOrder", "-1")
    Q_CLASSINFO("Default:Visible", "true")

public:
    // A drop-down list takes no typed text: only its items can be chosen.
    enum TComboBoxStyle { csDropDown, csDropDownList };
    Q_ENUM(TComboBoxStyle)

    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }

    int ItemCount() const { return count(); }
    QString ItemText(int index) const { return itemText(index); }
    void* ItemObject(int index) const;
    int AddItem(const QString& text, void* object);
    // The items become the texts and objects of the list; nothing selected.
    void SetItems(const TStringList& items);
    void ClearItems() { clear(); }
    // The first item carrying the object, or -1.
    int IndexOfObject(void* object) const;

    // -1 when nothing is selected. Setting it fires no event.
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int value) { setCurrentIndex(value); }
    QString Text() const { return currentText(); }

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent GetOnChange() const { return OnChange; }
    void SetOnChange(const TNotifyEvent& handler) { OnChange = handler; }
    TNotifyEvent GetOnSelect() const { return OnSelect; }
    void SetOnSelect(const TNotifyEvent& handler) { OnSelect = handler; }

protected:
    virtual void Select();
    virtual void Change();

private:
    void ApplyStyle();

    TComboBoxStyle FStyle = csDropDown;
};

#pragma GCC visibility pop

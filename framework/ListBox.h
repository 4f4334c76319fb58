#pragma once
// The list box: a column of fixed-height, owner-drawn items, each a text with
// an object. The items live in a flat model that the view reads on demand,
// so a list of a hundred thousand entries creates no widget or item object
// per entry and paints only the rows in sight.

#include "framework/Control.h"

#include <QAbstractListModel>
#include <QListView>
#include <functional>
#include <memory>
#include <vector>

#pragma GCC visibility push(default)

class QPainter;

// Items kept elsewhere and read one row at a time, for lists whose texts
// would cost more to copy than the few rows in sight cost to make.
class IListBoxSource {
public:
    virtual ~IListBoxSource();
    virtual int Count() const = 0;
    virtual QString Text(int index) const = 0;
    virtual void* Object(int index) const = 0;
};

// A source given by three functions.
class TListBoxSource : public IListBoxSource {
public:
    TListBoxSource(std::function<int()> countOf, std::function<QString(int)> textOf, std::function<void*(int)> objectOf)
        : FCount(std::move(countOf)), FText(std::move(textOf)), FObject(std::move(objectOf))
    {
    }
    int Count() const override { return FCount(); }
    QString Text(int index) const override { return FText(index); }
    void* Object(int index) const override { return FObject(index); }

private:
    std::function<int()> FCount;
    std::function<QString(int)> FText;
    std::function<void*(int)> FObject;
};

class TListBoxItems : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TListBoxItems(QObject* parent = nullptr);

    int Count() const { return FSource ? FSource->Count() : int(FItems.size()); }
    QString Strings(int index) const;
    void* Objects(int index) const;
    int AddObject(const QString& text, void* object);
    // Empties the list, and forgets its source.
    void Clear();
    // The items become those of Source, read as the view needs them.
    void SetSource(std::unique_ptr<IListBoxSource> source);
    // The first item whose text equals Text ignoring case, or -1.
    int IndexOf(const QString& text) const;

    // Adding many items between these two resets the view once.
    void BeginUpdate();
    void EndUpdate();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    struct TItem {
        QString text;
        void* object;
    };
    std::vector<TItem> FItems;
    std::unique_ptr<IListBoxSource> FSource;
    int FUpdateCount = 0;
};

class TCustomListBox : public QListView, public TControl {
    Q_OBJECT
public:
    explicit TCustomListBox(TComponent* owner);
    ~TCustomListBox() override;

    TListBoxItems* Items() const { return FItems; }
    int ItemIndex() const;
    virtual void SetItemIndex(int value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);
    // The item at a client point; -1 when the point is below the last item.
    int ItemAtPos(const QPoint& pos) const;
    QRect ItemRect(int index) const;
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);

    TNotifyEvent OnClick;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;

protected:
    // Draws one item; Rect is in the list's client coordinates. The painter
    // carries the list's font, and its brush and pen the colours of the
    // item's state.
    virtual void DrawItem(QPainter& canvas, int index, QRect rect, bool selected);

    void keyPressEvent(QKeyEvent* event) override;
    // The mouse chooses through SetItemIndex alone, never by the view's own
    // selection rules (no drag selection, no toggling).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void ColorChanged() override;
    void FontChanged() override;

private:
    class TItemDelegate;

    TListBoxItems* FItems;
    int FItemHeight = 16;
    bool FCtl3D = true;
};

#pragma GCC visibility pop

#include "framework/ListBox.h"

#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

IListBoxSource::~IListBoxSource() = default;

TListBoxItems::TListBoxItems(QObject* parent) : QAbstractListModel(parent) {}

QString TListBoxItems::Strings(int index) const
{
    return FSource ? FSource->Text(index) : FItems.at(size_t(index)).text;
}

void* TListBoxItems::Objects(int index) const
{
    return FSource ? FSource->Object(index) : FItems.at(size_t(index)).object;
}

void TListBoxItems::SetSource(std::unique_ptr<IListBoxSource> source)
{
    if (FUpdateCount == 0)
        beginResetModel();
    FItems.clear();
    FSource = std::move(source);
    if (FUpdateCount == 0)
        endResetModel();
}

int TListBoxItems::AddObject(const QString& text, void* object)
{
    Q_ASSERT(!FSource);
    const int row = Count();
    if (FUpdateCount > 0) {
        FItems.push_back({text, object});
        return row;
    }
    beginInsertRows(QModelIndex(), row, row);
    FItems.push_back({text, object});
    endInsertRows();
    return row;
}

void TListBoxItems::Clear()
{
    if (FUpdateCount > 0) {
        FItems.clear();
        FSource.reset();
        return;
    }
    if (Count() == 0 && !FSource)
        return;
    beginResetModel();
    FItems.clear();
    FSource.reset();
    endResetModel();
}

int TListBoxItems::IndexOf(const QString& text) const
{
    for (int i = 0; i < Count(); ++i)
        if (Strings(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TListBoxItems::BeginUpdate()
{
    if (FUpdateCount++ == 0)
        beginResetModel();
}

void TListBoxItems::EndUpdate()
{
    Q_ASSERT(FUpdateCount > 0);
    if (--FUpdateCount == 0)
        endResetModel();
}

int TListBoxItems::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

QVariant TListBoxItems::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return Strings(index.row());
    return {};
}

// Hands the drawing of every row to the list's DrawItem and gives every row
// the list's item height.
class TCustomListBox::TItemDelegate : public QStyledItemDelegate {
public:
    explicit TItemDelegate(TCustomListBox* list) : QStyledItemDelegate(list), FList(list) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return {FList->viewport()->width(), FList->FItemHeight};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QPalette& pal = FList->palette();
        painter->save();
        painter->setFont(FList->font());
        painter->setBrush(pal.color(selected ? QPalette::Highlight : QPalette::Base));
        painter->setPen(pal.color(selected ? QPalette::HighlightedText : QPalette::Text));
        FList->DrawItem(*painter, index.row(), option.rect, selected);
        painter->restore();
    }

private:
    TCustomListBox* FList;
};

TCustomListBox::TCustomListBox(TComponent* owner)
    : QListView(nullptr), TControl(this, owner), FItems(new TListBoxItems(this))
{
    setModel(FItems);
    setItemDelegate(new TItemDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setMouseTracking(true);
    SetColor(clWindow);
    // The default height fits a line of the list's font.
    FItemHeight = std::max(FItemHeight, fontMetrics().height());
}

TCustomListBox::~TCustomListBox() { Destroying(); }

int TCustomListBox::ItemIndex() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void TCustomListBox::SetItemIndex(int value)
{
    if (value < 0 || value >= FItems->Count()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = FItems->index(value);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void TCustomListBox::SetItemHeight(int value)
{
    if (value <= 0 || value == FItemHeight)
        return;
    FItemHeight = value;
    // Uniform rows are measured once; make the view measure again.
    doItemsLayout();
}

int TCustomListBox::ItemAtPos(const QPoint& pos) const
{
    const QModelIndex index = indexAt(pos - viewport()->pos());
    return index.isValid() ? index.row() : -1;
}

QRect TCustomListBox::ItemRect(int index) const
{
    if (index < 0 || index >= FItems->Count())
        return {};
    return visualRect(FItems->index(index)).translated(viewport()->pos());
}

void TCustomListBox::SetCtl3D(bool value)
{
    FCtl3D = value;
    // Flat: a one-pixel line around, so the items fill all but two pixels.
    setFrameStyle(value ? QFrame::StyledPanel | QFrame::Sunken : QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void TCustomListBox::DrawItem(QPainter& canvas, int index, QRect rect, bool)
{
    canvas.fillRect(rect, canvas.brush());
    canvas.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    FItems->Strings(index));
}

void TCustomListBox::keyPressEvent(QKeyEvent* event)
{
    if (!FireKeyEvents(this, event, OnKeyDown, OnKeyPress))
        return;
    // Keys that move through the list choose through SetItemIndex, like the
    // mouse does.
    static const QHash<int, CursorAction> kMoves = {
        {Qt::Key_Up, MoveUp},         {Qt::Key_Down, MoveDown}, {Qt::Key_PageUp, MovePageUp},
        {Qt::Key_PageDown, MovePageDown}, {Qt::Key_Home, MoveHome}, {Qt::Key_End, MoveEnd},
    };
    if (auto move = kMoves.constFind(event->key()); move != kMoves.constEnd()) {
        event->accept();
        const QModelIndex target = moveCursor(*move, event->modifiers());
        if (target.isValid())
            SetItemIndex(target.row());
        return;
    }
    QListView::keyPressEvent(event);
}

void TCustomListBox::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (focusPolicy() & Qt::ClickFocus)
        setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const int index = ItemAtPos(event->position().toPoint() + viewport()->pos());
    if (index >= 0)
        SetItemIndex(index);
}

void TCustomListBox::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void TCustomListBox::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TCustomListBox::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && viewport()->rect().contains(event->position().toPoint()) && OnClick)
        OnClick(this);
}

void TCustomListBox::ColorChanged()
{
    QPalette p = palette();
    p.setColor(QPalette::Base, ColorToQColor(Color()));
    setPalette(p);
}

void TCustomListBox::FontChanged()
{
    TControl::FontChanged();
    doItemsLayout();
}

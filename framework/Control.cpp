#include "framework/Control.h"

#include "framework/Menus.h"
#include "framework/SizeConstraints.h"

#include <QDropEvent>
#include <QEvent>
#include <QPalette>

namespace {

// Lays out a parent's aligned and anchored children whenever the parent is
// resized.
class AlignFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            TControl::AlignControls(static_cast<QWidget*>(watched));
        return false;
    }
};

// Found again by name: the filter has no meta-object of its own to cast by.
const char* const kAlignFilterName = "kest-align-filter";

void EnsureAlignFilter(QWidget* parent)
{
    if (!parent || parent->findChild<QObject*>(QLatin1String(kAlignFilterName), Qt::FindDirectChildrenOnly))
        return;
    auto* filter = new AlignFilter(parent);
    filter->setObjectName(QLatin1String(kAlignFilterName));
    parent->installEventFilter(filter);
}

}

TControl::TControl(QWidget* self, TComponent* owner)
    : TComponent(self, owner), FWidget(self), FFont(std::make_unique<TFont>()),
      FConstraints(std::make_unique<TSizeConstraints>())
{
    FFont->OnChange = [this](QObject*) {
        if (!FTakingParentFont)
            FParentFont = false;
        FontChanged();
    };
    FConstraints->OnChange = [this](QObject*) { ApplyConstraints(); };
    RecordAnchorOrigin();
}

TControl::~TControl() = default;

TControl* AsControl(QObject* object) { return dynamic_cast<TControl*>(object); }

void TControl::SetParent(QWidget* parent)
{
    if (parent == FWidget->parentWidget())
        return;
    FWidget->setParent(parent, FWidget->windowFlags() & ~Qt::WindowType_Mask);
    FWidget->setVisible(FVisible && parent);
    if (FParentFont)
        TakeParentFont();
    RecordAnchorOrigin();
    if (parent && FAnchors != TAnchors(akLeft | akTop))
        EnsureAlignFilter(parent);
    if (FAlign != alNone)
        RequestRealign();
}

int TControl::Left() const { return FWidget->isWindow() ? FWidget->x() : FWidget->geometry().x(); }
int TControl::Top() const { return FWidget->isWindow() ? FWidget->y() : FWidget->geometry().y(); }
int TControl::Width() const { return FWidget->width(); }
int TControl::Height() const { return FWidget->height(); }

void TControl::SetLeft(int value) { SetBounds(value, Top(), Width(), Height()); }
void TControl::SetTop(int value) { SetBounds(Left(), value, Width(), Height()); }
void TControl::SetWidth(int value) { SetBounds(Left(), Top(), value, Height()); }
void TControl::SetHeight(int value) { SetBounds(Left(), Top(), Width(), value); }

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (FWidget->isWindow()) {
        FWidget->move(left, top);
        FWidget->resize(std::max(0, width), std::max(0, height));
    } else {
        FWidget->setGeometry(left, top, std::max(0, width), std::max(0, height));
    }
    RecordAnchorOrigin();
    if (FAlign != alNone)
        RequestRealign();
}

void TControl::SetAlign(TAlign value)
{
    if (value == FAlign)
        return;
    FAlign = value;
    RecordAnchorOrigin();
    RequestRealign();
}

void TControl::SetAnchors(TAnchors value)
{
    if (value == FAnchors)
        return;
    FAnchors = value;
    RecordAnchorOrigin();
    if (QWidget* parent = FWidget->parentWidget(); parent && !FWidget->isWindow())
        EnsureAlignFilter(parent);
}

void TControl::RecordAnchorOrigin()
{
    if (QWidget* parent = FWidget->parentWidget())
        FAnchorOrigin = {FWidget->geometry(), parent->size()};
}

void TControl::SetConstraints(TSizeConstraints* value)
{
    if (value)
        FConstraints->Assign(value);
}

void TControl::ApplyConstraints()
{
    FWidget->setMinimumSize(FConstraints->MinimumSize());
    FWidget->setMaximumSize(FConstraints->MaximumSize());
    RecordAnchorOrigin();
}

void TControl::SetPopupMenu(TPopupMenu* value)
{
    if (value == FPopupMenu)
        return;
    if (FPopupMenu)
        RemoveFreeNotification(FPopupMenu);
    FPopupMenu = value;
    if (FPopupMenu)
        FreeNotification(FPopupMenu);
}

bool TControl::DoContextPopup(const QPoint& globalPos)
{
    if (!FPopupMenu || !FPopupMenu->AutoPopup())
        return false;
    FPopupMenu->SetPopupComponent(this);
    FPopupMenu->Popup(globalPos.x(), globalPos.y());
    return true;
}

void TControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && FPopupMenu && component == static_cast<TComponent*>(FPopupMenu))
        FPopupMenu = nullptr;
}

bool TControl::DragOver(QDragMoveEvent* event, TDragState state)
{
    if (!OnDragOver)
        return false;
    FDragSource = event->source();
    FDragPos = event->position().toPoint();
    bool accept = true;
    OnDragOver(FWidget, FDragSource, FDragPos.x(), FDragPos.y(), state, accept);
    if (accept)
        event->acceptProposedAction();
    else
        event->ignore();
    return true;
}

void TControl::DragLeave()
{
    if (!OnDragOver)
        return;
    bool accept = false;
    OnDragOver(FWidget, FDragSource, FDragPos.x(), FDragPos.y(), dsDragLeave, accept);
    FDragSource = nullptr;
}

bool TControl::DragDrop(QDropEvent* event)
{
    // Only a drag-over handler takes drops; a drop handler alone never sees one.
    if (!OnDragOver)
        return false;
    const QPoint pos = event->position().toPoint();
    FDragSource = nullptr;
    event->acceptProposedAction();
    if (OnDragDrop)
        OnDragDrop(FWidget, event->source(), pos.x(), pos.y());
    return true;
}

void TControl::RequestRealign()
{
    QWidget* parent = FWidget->parentWidget();
    if (!parent || FWidget->isWindow())
        return;
    EnsureAlignFilter(parent);
    AlignControls(parent);
}

void TControl::AlignControls(QWidget* parent)
{
    QRect free = parent->rect();
    static thread_local int depth = 0;
    if (depth > 0)
        return; // setGeometry below must not realign recursively
    ++depth;
    const TAlign order[] = {alTop, alBottom, alLeft, alRight, alClient};
    for (TAlign pass : order) {
        for (QObject* child : parent->children()) {
            TControl* c = AsControl(child);
            if (!c || c->FAlign != pass || !c->FWidget->isVisibleTo(parent))
                continue;
            QWidget* w = c->FWidget;
            int h = w->height();
            int wd = w->width();
            switch (pass) {
            case alTop:
                w->setGeometry(free.left(), free.top(), free.width(), h);
                free.setTop(free.top() + h);
                break;
            case alBottom:
                w->setGeometry(free.left(), free.bottom() + 1 - h, free.width(), h);
                free.setBottom(free.bottom() - h);
                break;
            case alLeft:
                w->setGeometry(free.left(), free.top(), wd, free.height());
                free.setLeft(free.left() + wd);
                break;
            case alRight:
                w->setGeometry(free.right() + 1 - wd, free.top(), wd, free.height());
                free.setRight(free.right() - wd);
                break;
            default:
                w->setGeometry(free);
                break;
            }
        }
    }
    PlaceAnchoredControls(parent);
    --depth;
}

void TControl::PlaceAnchoredControls(QWidget* parent)
{
    const TAnchors standing = akLeft | akTop;
    for (QObject* child : parent->children()) {
        TControl* c = AsControl(child);
        if (c && c->FAlign == alNone && c->FAnchors != standing && !c->FWidget->isWindow())
            c->FWidget->setGeometry(c->FAnchorOrigin.Place(c->FAnchors, parent->size()));
    }
}

void TControl::SetVisible(bool value)
{
    FVisible = value;
    if (FWidget->parentWidget() || !value)
        FWidget->setVisible(value);
    if (FAlign != alNone)
        RequestRealign();
}

void TControl::SetFont(TFont* value)
{
    if (value)
        FFont->Assign(value);
}

void TControl::SetParentFont(bool value)
{
    if (value == FParentFont)
        return;
    FParentFont = value;
    if (value)
        TakeParentFont();
}

void TControl::TakeParentFont()
{
    TControl* parent = AsControl(FWidget->parentWidget());
    if (!parent)
        return;
    FTakingParentFont = true;
    FFont->Assign(parent->Font());
    FTakingParentFont = false;
}

void TControl::FontChanged()
{
    FWidget->setFont(FFont->ToQFont());
    QPalette p = FWidget->palette();
    QColor text = ColorToQColor(FFont->Color());
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ButtonText, text);
    FWidget->setPalette(p);
    PropagateFontToChildren();
}

void TControl::PropagateFontToChildren()
{
    for (QObject* child : FWidget->children())
        if (TControl* c = AsControl(child); c && c->FParentFont)
            c->TakeParentFont();
}

void TControl::SetColor(TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    ColorChanged();
}

void TControl::ColorChanged()
{
    QPalette p = FWidget->palette();
    p.setColor(QPalette::Window, ColorToQColor(FColor));
    FWidget->setPalette(p);
    FWidget->setAutoFillBackground(true);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(FWidget);
}

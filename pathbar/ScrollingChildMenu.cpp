#include "pathbar/ScrollingChildMenu.h"

#include "framework/ImageList.h"
#include "pathbar/KestTreeNode.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionMenuItem>

#include <algorithm>

namespace {

// The labels measured for the column width: measuring every one of a
// hundred thousand costs a visible pause, and the widest label is almost
// always among the longest.
constexpr int kMeasuredLabels = 64;

}

QIcon TMenuIconCache::IconOf(const TKestTreeNode* node)
{
    const int index = node ? node->ImageIndex() : -1;
    if (!FImages || index < 0 || index >= FImages->Count())
        return QIcon();
    auto it = FIcons.find(index);
    if (it == FIcons.end())
        it = FIcons.insert(index, QIcon(QPixmap::fromImage(FImages->GetImage(index))));
    return *it;
}

QString MenuLabel(const QString& text)
{
    QString label = text;
    label.replace(u'&', QStringLiteral("&&"));
    return label;
}

TScrollingChildMenu::TScrollingChildMenu(std::vector<TKestTreeNode*> rows, const TCustomImageList* images,
                                         QStyle* style)
    : QWidget(nullptr, Qt::Popup), FRows(std::move(rows)), FIcons(images), FScrollBar(new QScrollBar(Qt::Vertical, this))
{
    // Looks like the program's menus: their style, font and colours.
    setStyle(style);
    setFont(QApplication::font("QMenu"));
    setPalette(QApplication::palette("QMenu"));
    setAttribute(Qt::WA_X11NetWmWindowTypePopupMenu);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    FScrollBar->setStyle(style);
    FScrollBar->setSingleStep(1);
    FScrollBar->hide();
    connect(FScrollBar, &QScrollBar::valueChanged, this, [this] { update(); });
    for (const TKestTreeNode* node : FRows)
        if (!FHasIcons && !FIcons.IconOf(node).isNull())
            FHasIcons = true;
    MeasureRows();
}

TScrollingChildMenu::~TScrollingChildMenu() = default;

TKestTreeNode* TScrollingChildMenu::RowNode(int row) const
{
    return row >= 0 && row < RowCount() ? FRows[size_t(row)] : nullptr;
}

// --- Measuring, as a menu measures its items ---------------------------------

void TScrollingChildMenu::InitItemOption(QStyleOptionMenuItem& option, int row) const
{
    const TKestTreeNode* node = RowNode(row);
    option.initFrom(this);
    option.palette = palette();
    option.state = QStyle::State_None;
    if (window()->isActiveWindow())
        option.state |= QStyle::State_Active;
    if (isEnabled())
        option.state |= QStyle::State_Enabled;
    else
        option.palette.setCurrentColorGroup(QPalette::Disabled);
    option.font = font();
    option.fontMetrics = fontMetrics();
    if (node && row == FCurrent)
        option.state |= QStyle::State_Selected;
    option.menuHasCheckableItems = false;
    option.checkType = QStyleOptionMenuItem::NotCheckable;
    option.menuItemType = node ? QStyleOptionMenuItem::Normal : QStyleOptionMenuItem::Separator;
    if (node) {
        option.icon = FIcons.IconOf(node);
        option.text = MenuLabel(node->Text());
    }
    option.reservedShortcutWidth = 0;
    option.maxIconWidth = FMaxIconWidth;
    option.menuRect = rect();
}

void TScrollingChildMenu::MeasureRows()
{
    const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    FMaxIconWidth = FHasIcons ? icon + 4 : 0;
    const QFontMetrics& fm = fontMetrics();
    const int textHeight = FHasIcons ? std::max(fm.height(), icon) : fm.height();

    QStyleOptionMenuItem separator;
    InitItemOption(separator, -1);
    FSeparatorHeight = style()->sizeFromContents(QStyle::CT_MenuItem, &separator, QSize(2, 2), this).height();

    // The longest labels, by characters, stand for all in the width.
    std::vector<int> nodeRows;
    nodeRows.reserve(FRows.size());
    for (int r = 0; r < RowCount(); ++r)
        if (FRows[size_t(r)])
            nodeRows.push_back(r);
    const auto longer = [this](int a, int b) { return FRows[size_t(a)]->Text().size() > FRows[size_t(b)]->Text().size(); };
    if (nodeRows.size() > size_t(kMeasuredLabels))
        std::nth_element(nodeRows.begin(), nodeRows.begin() + kMeasuredLabels, nodeRows.end(), longer);
    nodeRows.resize(std::min(nodeRows.size(), size_t(kMeasuredLabels)));

    FRowHeight = 0;
    FColumnWidth = 0;
    for (int r : nodeRows) {
        QStyleOptionMenuItem option;
        InitItemOption(option, r);
        const int textWidth = fm.boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic, option.text).width();
        const QSize size = style()->sizeFromContents(QStyle::CT_MenuItem, &option, QSize(textWidth, textHeight), this);
        FColumnWidth = std::max(FColumnWidth, size.width());
        FRowHeight = std::max(FRowHeight, size.height());
    }
    if (FRowHeight == 0)
        FRowHeight = FSeparatorHeight;
}

int TScrollingChildMenu::FrameWidth() const
{
    return style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, this);
}

QSize TScrollingChildMenu::NaturalSize() const
{
    const int fw = FrameWidth();
    const int hm = style()->pixelMetric(QStyle::PM_MenuHMargin, nullptr, this);
    const int vm = style()->pixelMetric(QStyle::PM_MenuVMargin, nullptr, this);
    const qint64 separators = std::count(FRows.begin(), FRows.end(), nullptr);
    const qint64 rowsHeight = (qint64(RowCount()) - separators) * FRowHeight + separators * FSeparatorHeight;
    const qint64 h = rowsHeight + 2 * (fw + vm);
    return QSize(FColumnWidth + 2 * (fw + hm), int(std::min<qint64>(h, QWIDGETSIZE_MAX)));
}

QSize TScrollingChildMenu::sizeHint() const
{
    QSize size = NaturalSize();
    const QScreen* s = screen();
    if (s && size.height() > s->availableGeometry().height()) {
        size.setHeight(s->availableGeometry().height());
        size.rwidth() += FScrollBar->sizeHint().width();
    }
    return size;
}

// --- Geometry of the rows ------------------------------------------------------

QRect TScrollingChildMenu::RowsArea() const
{
    const int fw = FrameWidth();
    const int hm = style()->pixelMetric(QStyle::PM_MenuHMargin, nullptr, this);
    const int vm = style()->pixelMetric(QStyle::PM_MenuVMargin, nullptr, this);
    QRect area = rect().adjusted(fw + hm, fw + vm, -(fw + hm), -(fw + vm));
    if (FScrollBar->isVisible())
        area.setRight(FScrollBar->x() - 1);
    return area;
}

int TScrollingChildMenu::TopRow() const { return FScrollBar->value(); }

int TScrollingChildMenu::RowHeightOf(int row) const
{
    return FRows[size_t(row)] ? FRowHeight : FSeparatorHeight;
}

int TScrollingChildMenu::RowTop(int row) const
{
    int y = RowsArea().top();
    for (int r = TopRow(); r < row; ++r)
        y += RowHeightOf(r);
    return y;
}

int TScrollingChildMenu::RowAt(const QPoint& pos) const
{
    const QRect area = RowsArea();
    if (!area.contains(pos))
        return -1;
    int y = area.top();
    for (int r = TopRow(); r < RowCount() && y <= area.bottom(); ++r) {
        y += RowHeightOf(r);
        if (pos.y() < y)
            return r;
    }
    return -1;
}

int TScrollingChildMenu::VisibleRows() const
{
    return std::max(1, RowsArea().height() / std::max(1, FRowHeight));
}

void TScrollingChildMenu::UpdateScrollRange()
{
    // The greatest top row that still shows the last row whole.
    const int available = RowsArea().height();
    int used = 0;
    int top = RowCount();
    while (top > 0 && used + RowHeightOf(top - 1) <= available)
        used += RowHeightOf(--top);
    FScrollBar->setRange(0, top);
    FScrollBar->setPageStep(VisibleRows());
}

void TScrollingChildMenu::ScrollTo(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    if (row < TopRow()) {
        FScrollBar->setValue(row);
        return;
    }
    const int available = RowsArea().height();
    int used = RowHeightOf(row);
    int top = row;
    while (top > TopRow() && used + RowHeightOf(top - 1) <= available)
        used += RowHeightOf(--top);
    if (top > TopRow())
        FScrollBar->setValue(top);
}

void TScrollingChildMenu::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const bool scrolls = NaturalSize().height() > height();
    const int fw = FrameWidth();
    const int w = FScrollBar->sizeHint().width();
    FScrollBar->setGeometry(width() - fw - w, fw, w, height() - 2 * fw);
    FScrollBar->setVisible(scrolls);
    UpdateScrollRange();
}

// --- Showing and choosing ------------------------------------------------------

TKestTreeNode* TScrollingChildMenu::Exec(const QPoint& at)
{
    const QScreen* s = QGuiApplication::screenAt(at);
    if (!s)
        s = QGuiApplication::primaryScreen();
    const QRect avail = s ? s->availableGeometry() : QRect(at, NaturalSize());
    const QSize natural = NaturalSize();
    const int h = std::min(natural.height(), avail.height());
    const int w = std::min(natural.width() + (h < natural.height() ? FScrollBar->sizeHint().width() : 0), avail.width());
    // Kept on the screen: moved left at its right edge, and above the point
    // or up at its bottom edge, as menus are.
    QPoint pos = at;
    if (pos.x() + w > avail.x() + avail.width())
        pos.setX(std::max(avail.x(), avail.x() + avail.width() - w));
    if (pos.y() + h > avail.y() + avail.height())
        pos.setY(at.y() - h >= avail.y() ? at.y() - h : std::max(avail.y(), avail.y() + avail.height() - h));
    setGeometry(QRect(pos, QSize(w, h)));
    FOpenedAt = QCursor::pos();
    FChosen = nullptr;
    show();
    QPointer<TScrollingChildMenu> self(this);
    QEventLoop loop;
    FLoop = &loop;
    loop.exec();
    if (!self)
        return nullptr;
    FLoop = nullptr;
    return FChosen;
}

void TScrollingChildMenu::ChooseCurrent()
{
    FChosen = RowNode(FCurrent);
    close();
}

void TScrollingChildMenu::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (FLoop)
        FLoop->exit();
}

void TScrollingChildMenu::SetCurrentRow(int row)
{
    FCurrent = RowNode(row) ? row : -1;
    ScrollTo(FCurrent);
    update();
}

// --- Painting --------------------------------------------------------------------

void TScrollingChildMenu::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QStyleOptionMenuItem menuOption;
    menuOption.initFrom(this);
    menuOption.state = QStyle::State_None;
    menuOption.checkType = QStyleOptionMenuItem::NotCheckable;
    menuOption.maxIconWidth = 0;
    menuOption.reservedShortcutWidth = 0;
    style()->drawPrimitive(QStyle::PE_PanelMenu, &menuOption, &p, this);

    const QRect area = RowsArea();
    QRegion empty(rect());
    int y = area.top();
    for (int r = TopRow(); r < RowCount() && y <= area.bottom(); ++r) {
        const QRect row(area.left(), y, area.width(), RowHeightOf(r));
        y += row.height();
        const QRect shown = row & area;
        empty -= shown;
        p.setClipRect(shown);
        QStyleOptionMenuItem option;
        InitItemOption(option, r);
        option.rect = row;
        style()->drawControl(QStyle::CE_MenuItem, &option, &p, this);
    }
    p.setClipRegion(empty);
    menuOption.menuItemType = QStyleOptionMenuItem::EmptyArea;
    menuOption.rect = rect();
    style()->drawControl(QStyle::CE_MenuEmptyArea, &menuOption, &p, this);

    if (const int fw = FrameWidth()) {
        QRegion border = QRegion(rect()) - QRegion(rect().adjusted(fw, fw, -fw, -fw));
        p.setClipRegion(border);
        QStyleOptionFrame frame;
        frame.rect = rect();
        frame.palette = palette();
        frame.state = QStyle::State_None;
        frame.lineWidth = fw;
        frame.midLineWidth = 0;
        style()->drawPrimitive(QStyle::PE_FrameMenu, &frame, &p, this);
    }
}

// --- Keyboard ----------------------------------------------------------------------

int TScrollingChildMenu::Selectable(int row, int step, bool wrap) const
{
    const int n = RowCount();
    for (int i = 0, r = row + step; i < n; ++i, r += step) {
        if (r < 0 || r >= n) {
            if (!wrap)
                return -1;
            r = r < 0 ? n - 1 : 0;
        }
        if (FRows[size_t(r)])
            return r;
    }
    return -1;
}

void TScrollingChildMenu::keyPressEvent(QKeyEvent* event)
{
    const bool wrap = style()->styleHint(QStyle::SH_Menu_SelectionWrap, nullptr, this);
    const int page = VisibleRows() - 1;
    const int last = RowCount() - 1;
    switch (event->key()) {
    case Qt::Key_Down:
        SetCurrentRow(FCurrent < 0 ? Selectable(-1, 1, false) : Selectable(FCurrent, 1, wrap));
        return;
    case Qt::Key_Up:
        SetCurrentRow(FCurrent < 0 ? Selectable(RowCount(), -1, false) : Selectable(FCurrent, -1, wrap));
        return;
    case Qt::Key_Home:
        SetCurrentRow(Selectable(-1, 1, false));
        return;
    case Qt::Key_End:
        SetCurrentRow(Selectable(RowCount(), -1, false));
        return;
    case Qt::Key_PageDown: {
        const int target = std::min(last, std::max(FCurrent, 0) + page);
        SetCurrentRow(RowNode(target) ? target : Selectable(target, -1, false));
        FScrollBar->setValue(FScrollBar->value() + page);
        return;
    }
    case Qt::Key_PageUp: {
        const int target = std::max(0, FCurrent - page);
        SetCurrentRow(RowNode(target) ? target : Selectable(target, 1, false));
        FScrollBar->setValue(FScrollBar->value() - page);
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ChooseCurrent();
        return;
    case Qt::Key_Space:
        if (style()->styleHint(QStyle::SH_Menu_SpaceActivatesItem, nullptr, this))
            ChooseCurrent();
        return;
    case Qt::Key_Escape:
        close();
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        JumpToText(text);
}

void TScrollingChildMenu::JumpToText(const QString& typed)
{
    if (!FTypedTimer.isValid() || FTypedTimer.elapsed() > QApplication::keyboardInputInterval())
        FTyped.clear();
    FTypedTimer.restart();
    FTyped += typed;
    // The same letter again goes on to the next row starting with it; more
    // letters narrow the search from the row found so far.
    const bool repeated = FTyped.count(FTyped.at(0)) == FTyped.size();
    const QString search = repeated ? FTyped.left(1) : FTyped;
    const int n = RowCount();
    const int start = repeated ? FCurrent + 1 : std::max(FCurrent, 0);
    for (int i = 0; i < n; ++i) {
        const int r = (start + i) % n;
        if (const TKestTreeNode* node = FRows[size_t(r)]; node && node->Text().startsWith(search, Qt::CaseInsensitive)) {
            SetCurrentRow(r);
            return;
        }
    }
}

// --- Mouse ----------------------------------------------------------------------------

void TScrollingChildMenu::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint global = event->globalPosition().toPoint();
    if ((global - FOpenedAt).manhattanLength() >= QApplication::startDragDistance())
        FMouseMoved = true;
    const int row = RowAt(event->position().toPoint());
    if (row >= 0 && RowNode(row) && row != FCurrent) {
        // Hovering highlights without scrolling, as menus do.
        FCurrent = row;
        update();
    }
}

void TScrollingChildMenu::mousePressEvent(QMouseEvent* event)
{
    // A press outside closes the pop-up (the widget's own rule for pop-ups).
    if (!rect().contains(event->position().toPoint()))
        QWidget::mousePressEvent(event);
}

void TScrollingChildMenu::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    const int row = RowAt(pos);
    if (row >= 0 && row == FCurrent)
        ChooseCurrent();
    else if (!rect().contains(pos) && FMouseMoved)
        close();
}

void TScrollingChildMenu::wheelEvent(QWheelEvent* event)
{
    QCoreApplication::sendEvent(FScrollBar, event);
}

void TScrollingChildMenu::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    // Only a highlight that followed the mouse goes with it.
    if (FMouseMoved && FCurrent >= 0) {
        FCurrent = -1;
        update();
    }
}

#pragma once
// The child menu of a node whose entries do not fit on the screen: one
// scrolling pop-up drawn by the style exactly as a menu's items are, over a
// list of the nodes it offers. Rows are drawn on demand, so a node with a
// hundred thousand children costs no item object, widget or icon per child,
// and opening it costs about as much as opening a menu of ten.

#include <QElapsedTimer>
#include <QHash>
#include <QIcon>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

#pragma GCC visibility push(default)

class QEventLoop;
class QScrollBar;
class QStyleOptionMenuItem;
class TCustomImageList;
class TKestTreeNode;

// One icon per image index, made the first time a row shows it.
class TMenuIconCache {
public:
    explicit TMenuIconCache(const TCustomImageList* images) : FImages(images) {}
    // The node's icon, or a null icon when it has no image.
    QIcon IconOf(const TKestTreeNode* node);

private:
    const TCustomImageList* FImages;
    QHash<int, QIcon> FIcons;
};

// A node's text as a menu item's label: "&" stands for itself, not for a
// keyboard mnemonic.
QString MenuLabel(const QString& text);

class TScrollingChildMenu : public QWidget {
    Q_OBJECT
public:
    // Rows are nodes in the order shown; a null entry is a separator.
    TScrollingChildMenu(std::vector<TKestTreeNode*> rows, const TCustomImageList* images, QStyle* style);
    ~TScrollingChildMenu() override;

    int RowCount() const { return int(FRows.size()); }
    TKestTreeNode* RowNode(int row) const;
    // The highlighted row, -1 for none.
    int CurrentRow() const { return FCurrent; }
    void SetCurrentRow(int row);
    // The first row shown at the top.
    int TopRow() const;
    // The rows' height from the style, the same for every node row.
    int RowHeight() const { return FRowHeight; }
    // Height and width that show every row without scrolling.
    QSize NaturalSize() const;

    // Shows the list at a screen point and waits until it closes; returns
    // the chosen node, or none.
    TKestTreeNode* Exec(const QPoint& at);
    // Chooses the current row and closes.
    void ChooseCurrent();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void MeasureRows();
    int ColumnWidth() const;
    void InitItemOption(QStyleOptionMenuItem& option, int row) const;
    int FrameWidth() const;
    QRect RowsArea() const;
    int RowTop(int row) const;
    int RowHeightOf(int row) const;
    int RowAt(const QPoint& pos) const;
    int VisibleRows() const;
    void ScrollTo(int row);
    void UpdateScrollRange();
    // The next row from Row in direction Step that is not a separator.
    int Selectable(int row, int step, bool wrap) const;
    void JumpToText(const QString& typed);

    std::vector<TKestTreeNode*> FRows;
    mutable TMenuIconCache FIcons;
    bool FHasIcons = false;
    int FRowHeight = 0;
    int FSeparatorHeight = 0;
    int FMaxIconWidth = 0;
    int FColumnWidth = 0;
    int FCurrent = -1;
    QScrollBar* FScrollBar;
    QEventLoop* FLoop = nullptr;
    TKestTreeNode* FChosen = nullptr;
    QPoint FOpenedAt;
    bool FMouseMoved = false;
    QString FTyped;
    QElapsedTimer FTypedTimer;
};

#pragma GCC visibility pop

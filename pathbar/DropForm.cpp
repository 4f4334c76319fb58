#include "pathbar/DropForm.h"

#include "pathbar/ExplorerTreeviewChild.h"
#include "pathbar/CustomExplorerTreeview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSizeGrip>

TDropForm::TDropForm(TComponent* owner)
    : TCustomForm(RequireExplorerTreeview(owner)), FExplorerTreeview(RequireExplorerTreeview(owner))
{
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    SetColor(clWindow);
}

TDropForm::~TDropForm() = default;

void TDropForm::SetSizeable(bool value)
{
    if (value == FSizeable)
        return;
    FSizeable = value;
    if (value && !FSizeGrip) {
        FSizeGrip = new QSizeGrip(this);
        FSizeGrip->resize(FSizeGrip->sizeHint());
    }
    if (FSizeGrip) {
        FSizeGrip->setVisible(value);
        FSizeGrip->raise();
    }
}

void TDropForm::resizeEvent(QResizeEvent* event)
{
    TCustomForm::resizeEvent(event);
    if (FSizeGrip)
        FSizeGrip->move(width() - FSizeGrip->width(), height() - FSizeGrip->height());
}

void TDropForm::keyPressEvent(QKeyEvent* event)
{
    if (FireKeyEvents(this, event, OnKeyDown, OnKeyPress))
        TCustomForm::keyPressEvent(event);
}

void TDropForm::mousePressEvent(QMouseEvent* event)
{
    if (!rect().contains(event->position().toPoint()))
        FClosingPress = event->globalPosition().toPoint();
    // A pop-up closes itself on a press outside it.
    TCustomForm::mousePressEvent(event);
}

void TDropForm::hideEvent(QHideEvent* event)
{
    TCustomForm::hideEvent(event);
    if (FDeactivated || event->spontaneous())
        return;
    FDeactivated = true;
    if (OnDeactivate)
        OnDeactivate(this);
}

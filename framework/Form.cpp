#include "framework/Form.h"

#include "framework/Exception.h"
#include "framework/LayoutReader.h"

#include <QFile>
#include <QKeyEvent>
#include <algorithm>

TCustomForm::TCustomForm(TComponent* owner) : QDialog(nullptr), TControl(this, owner)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    SetParentFont(false);
    ColorChanged();
    FontChanged();
}

TCustomForm::~TCustomForm()
{
    Destroying();
    if (OnDestroy)
        OnDestroy(this);
}

TForm::TForm(TComponent* owner) : TCustomForm(owner) {}

TForm::~TForm() = default;

void TCustomForm::InitFromLayout()
{
    QString resource = QStringLiteral(":/layouts/%1.layout").arg(ClassName());
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        throw EResNotFound(Exception::Format(QString::fromLatin1(Messages::ResNotFound), ClassName()));
    TLayoutReader::ReadRoot(QString::fromUtf8(file.readAll()), this, resource);
}

void TCustomForm::DoCreate()
{
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::Loaded()
{
    TControl::Loaded();
    AlignControls(this);
    ApplyTabOrder();
}

void TCustomForm::ApplyTabOrder()
{
    std::vector<TControl*> controls;
    for (QObject* child : children())
        if (TControl* c = AsControl(child); c && c->TabOrder() >= 0)
            controls.push_back(c);
    std::stable_sort(controls.begin(), controls.end(),
                     [](TControl* a, TControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1]->Widget(), controls[i]->Widget());
    if (!controls.empty())
        controls.front()->Widget()->setFocus(Qt::OtherFocusReason);
}

void TCustomForm::SetModalResult(int value)
{
    FModalResult = value;
    if (value != mrNone && isModal())
        done(value);
}

int TCustomForm::ShowModal()
{
    FModalResult = mrNone;
    int result = exec();
    FModalResult = result;
    return result;
}

void TCustomForm::Show()
{
    show();
    raise();
    activateWindow();
}

void TCustomForm::Close()
{
    if (isModal())
        done(FModalResult == mrNone ? mrCancel : FModalResult);
    else
        QDialog::close();
}

void TCustomForm::reject()
{
    // The close box of a modal form answers "cancel".
    done(mrCancel);
}

void TCustomForm::keyPressEvent(QKeyEvent* event)
{
    // Escape and Enter belong to the focused control, not to the window.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TCustomForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (OnShow)
        OnShow(this);
}

void TCustomForm::ColorChanged()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, ColorToQColor(Color()));
    setPalette(p);
    setAutoFillBackground(true);
}

TCustomForm* TCustomForm::GetParentForm(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (auto* form = qobject_cast<TCustomForm*>(w))
            return form;
    return nullptr;
}

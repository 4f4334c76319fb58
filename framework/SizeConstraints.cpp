#include "framework/SizeConstraints.h"

#include "framework/Exception.h"

#include <QWidget>
#include <algorithm>

namespace {

void CheckNotNegative(int value, const char* name)
{
    if (value < 0)
        throw EPropertyError(Exception::Format(QString::fromLatin1(Messages::NegativeValue), name));
}

int WidgetSize(int value) { return std::min(value, QWIDGETSIZE_MAX); }

}

TSizeConstraints::TSizeConstraints(QObject* parent) : QObject(parent) {}

TSizeConstraints::~TSizeConstraints() = default;

void TSizeConstraints::Assign(TPersistent* source)
{
    if (auto* c = dynamic_cast<TSizeConstraints*>(source)) {
        if (c == this)
            return;
        FMaxHeight = c->FMaxHeight;
        FMaxWidth = c->FMaxWidth;
        FMinHeight = c->FMinHeight;
        FMinWidth = c->FMinWidth;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

void TSizeConstraints::SetMax(int& max, int& min, int value, const char* name)
{
    CheckNotNegative(value, name);
    if (value == max)
        return;
    max = value;
    if (value > 0 && value < min)
        min = value;
    Changed();
}

void TSizeConstraints::SetMin(int& min, int& max, int value, const char* name)
{
    CheckNotNegative(value, name);
    if (value == min)
        return;
    min = value;
    if (max > 0 && value > max)
        max = value;
    Changed();
}

void TSizeConstraints::SetMaxHeight(int value) { SetMax(FMaxHeight, FMinHeight, value, "MaxHeight"); }
void TSizeConstraints::SetMaxWidth(int value) { SetMax(FMaxWidth, FMinWidth, value, "MaxWidth"); }
void TSizeConstraints::SetMinHeight(int value) { SetMin(FMinHeight, FMaxHeight, value, "MinHeight"); }
void TSizeConstraints::SetMinWidth(int value) { SetMin(FMinWidth, FMaxWidth, value, "MinWidth"); }

QSize TSizeConstraints::MinimumSize() const { return {WidgetSize(FMinWidth), WidgetSize(FMinHeight)}; }

QSize TSizeConstraints::MaximumSize() const
{
    return {FMaxWidth > 0 ? WidgetSize(FMaxWidth) : QWIDGETSIZE_MAX,
            FMaxHeight > 0 ? WidgetSize(FMaxHeight) : QWIDGETSIZE_MAX};
}

void TSizeConstraints::Changed()
{
    if (OnChange)
        OnChange(this);
}

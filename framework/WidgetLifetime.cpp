#include "framework/WidgetLifetime.h"

#include <QWidget>

// Qt keeps the flag in the widget's shared data; this accessor is the one
// it exports for that data.
Q_WIDGETS_EXPORT QWidgetData* qt_qwidget_data(QWidget* widget);

bool IsInDestruction(const QWidget* widget)
{
    for (auto* w = const_cast<QWidget*>(widget); w; w = w->parentWidget()) {
        if (qt_qwidget_data(w)->in_destructor)
            return true;
    }
    return false;
}

#pragma once

#pragma GCC visibility push(default)
// Whether a widget is going away: code that reacts to the focus and hide
// events a destructor sends must not create children in a dying tree.

class QWidget;

// True while the widget or one of its ancestors runs its destructor.
bool IsInDestruction(const QWidget* widget);

#pragma GCC visibility pop

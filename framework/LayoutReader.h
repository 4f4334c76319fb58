#pragma once
// Reads a stored layout into a root component: sets published properties
// (nested ones by dotted path), creates the child components by class name,
// binds events to the root's methods by name, lets classes read the
// properties they define themselves, resolves references to components once
// all are created, then calls Loaded on every component read.

#include "framework/LayoutText.h"

#pragma GCC visibility push(default)

class TComponent;

class TLayoutReader {
public:
    // Raises ELayoutError (naming the line) on malformed text, an unknown
    // class or property, or a value that does not fit its property.
    static void ReadRoot(const QString& text, TComponent* root, const QString& source = QString());
    static void ReadRoot(const TLayoutObject& layout, TComponent* root, const QString& source = QString());
};

#pragma GCC visibility pop

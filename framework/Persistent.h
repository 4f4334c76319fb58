#pragma once
// The persistent base: objects that can copy themselves from another object
// of a compatible class and that may define extra stored properties.

#include <QString>

#pragma GCC visibility push(default)

class QObject;
class TFiler;

class TPersistent {
public:
    virtual ~TPersistent();

    // Copies Source into this object. The base asks Source to assign itself
    // (AssignTo); when neither side knows the other, the assignment error
    // "Cannot assign a <source class> to a <this class>" is raised.
    virtual void Assign(TPersistent* source);

    // The class name used in messages and stored layouts: the meta-object's
    // name for Qt objects, the C++ type name otherwise.
    virtual QString ClassName() const;

    // Stored properties the class writes itself (binary data, markers).
    virtual void DefineProperties(TFiler* filer);

    // The Qt object carrying this object's published properties, if any.
    QObject* AsQObject();
    const QObject* AsQObject() const;

protected:
    virtual void AssignTo(TPersistent* dest);
    [[noreturn]] void AssignError(const TPersistent* source) const;
};

#pragma GCC visibility pop

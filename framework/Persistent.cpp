#include "framework/Persistent.h"

#include "framework/Exception.h"

#include <QObject>
#include <cxxabi.h>
#include <cstdlib>
#include <memory>
#include <typeinfo>

TPersistent::~TPersistent() = default;

void TPersistent::Assign(TPersistent* source)
{
    if (source)
        source->AssignTo(this);
    else
        AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) { dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* source) const
{
    QString sourceName = source ? source->ClassName() : QStringLiteral("nil");
    throw EConvertError(Exception::Format(QString::fromLatin1(Messages::Assign), sourceName, ClassName()));
}

void TPersistent::DefineProperties(TFiler*) {}

QObject* TPersistent::AsQObject() { return dynamic_cast<QObject*>(this); }

const QObject* TPersistent::AsQObject() const { return dynamic_cast<const QObject*>(this); }

QString TPersistent::ClassName() const
{
    if (const QObject* o = AsQObject())
        return QString::fromLatin1(o->metaObject()->className());
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
}

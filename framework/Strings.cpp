#include "framework/Strings.h"

#include "framework/Exception.h"

TStrings::TStrings(QObject* parent) : QObject(parent) {}

TStrings::~TStrings() = default;

const QString& TStrings::Strings(int index) const
{
    if (index < 0 || index >= Count())
        throw EStringListError(Exception::Format(QString::fromLatin1(Messages::ListIndex), index));
    return FItems.at(index);
}

int TStrings::Add(const QString& value)
{
    FItems.append(value);
    return Count() - 1;
}

void TStrings::Assign(TPersistent* source)
{
    if (auto* strings = dynamic_cast<TStrings*>(source)) {
        FItems = strings->FItems;
        return;
    }
    TPersistent::Assign(source);
}

#include "framework/Exception.h"

Exception::Exception(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toStdString()) {}

Exception::~Exception() = default;

void Exception::ReplaceNext(QString& text, const QString& value)
{
    qsizetype s = text.indexOf(QLatin1String("%s"));
    qsizetype d = text.indexOf(QLatin1String("%d"));
    qsizetype at = s < 0 ? d : (d < 0 ? s : std::min(s, d));
    if (at >= 0)
        text.replace(at, 2, value);
}

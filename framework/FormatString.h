#pragma once
// The framework's format strings: "%" [index ":"] ["-"] [width] ["." precision]
// type, with the types d, u, x (integers), e, f, g, n, m (numbers), s (text)
// and "%%" for a percent sign; width and precision may be "*" (taken from
// the next argument). The string is parsed here and never handed to printf,
// so a format from a user or a stored layout cannot read past its arguments:
// a directive that does not fit its argument raises EConvertError.

#include "framework/FormatSettings.h"

#include <QString>
#include <initializer_list>
#include <variant>

#pragma GCC visibility push(default)

using TFormatArgument = std::variant<qint64, double, QString>;

// Raises EConvertError "Format '<format>' invalid or incompatible with
// argument" for a bad directive or a wrong argument type, and "No argument
// for format '<format>'" when the arguments run out.
QString FormatString(const QString& format, std::initializer_list<TFormatArgument> arguments,
                     const TFormatSettings& settings = FormatSettings());

#pragma GCC visibility pop

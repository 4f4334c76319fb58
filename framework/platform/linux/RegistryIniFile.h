#pragma once
// The INI file that stands in for the registry keys a Linux desktop does not
// have. Sections are key paths, entries are values:
//
//   [Software\Microsoft\Office\16.0\Common]
//   "UI Theme"=dword:00000004     a number, in hexadecimal
//   Theme=3                       a number, in decimal
//   Name="text"                   a text (so is anything else)
//
// Lines starting with ";" or "#" are comments; lines that fit none of these
// forms are skipped. Key and value names are kept in lower case.

#include "framework/platform/Registry.h"

#include <QString>
#include <map>

namespace Platform {

using TRegistryIniKey = std::map<QString, TRegistryValue>;
using TRegistryIni = std::map<QString, TRegistryIniKey>;

TRegistryIni ParseRegistryIni(const QString& text);

}

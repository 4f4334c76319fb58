#pragma once
// The desktop theme on Linux: GNOME's colour-scheme preference when the
// desktop states one, otherwise the lightness of the application palette's
// window colour. There is no visual theme library.

#include "framework/platform/DesktopTheme.h"

#include <optional>

class QPalette;

namespace Platform {

class TLinuxDesktopTheme : public IDesktopTheme {
public:
    bool AppsUseDarkTheme() const override;
    std::optional<TVisualTheme> VisualTheme() const override;
};

// The preference in the output of "gsettings get org.gnome.desktop.interface
// color-scheme"; nothing for "default" (no preference) or anything unknown.
std::optional<bool> ColorSchemePrefersDark(const QString& gsettingsOutput);
bool PaletteIsDark(const QPalette& palette);

}

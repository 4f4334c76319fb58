#pragma once
// The desktop's look: whether applications should be dark, and the active
// visual theme of the window frames, where the platform has one.

#include "framework/platform/PlatformService.h"

#include <QString>
#include <optional>

#pragma GCC visibility push(default)

namespace Platform {

struct TVisualTheme {
    bool Active = false;
    QString FileName;
    QString ColorName;
    QString SizeName;
};

class IDesktopTheme {
public:
    virtual ~IDesktopTheme();
    virtual bool AppsUseDarkTheme() const = 0;
    // Nothing when the platform has no visual theme library.
    virtual std::optional<TVisualTheme> VisualTheme() const = 0;
};

template <>
IDesktopTheme& NativeService<IDesktopTheme>();

inline IDesktopTheme& DesktopTheme() { return Current<IDesktopTheme>(); }

}

#pragma GCC visibility pop

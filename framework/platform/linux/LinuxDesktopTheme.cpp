#include "framework/platform/linux/LinuxDesktopTheme.h"

#include <QGuiApplication>
#include <QPalette>
#include <QProcess>
#include <QStandardPaths>

namespace Platform {

namespace {

std::optional<QString> GnomeColorScheme()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                            QStringLiteral("color-scheme")});
    // A desktop without the schema answers with an error at once; a hung
    // settings daemon must not hang the caller.
    if (!process.waitForFinished(2000)) {
        process.kill();
        process.waitForFinished(500);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

}

std::optional<bool> ColorSchemePrefersDark(const QString& gsettingsOutput)
{
    QString scheme = gsettingsOutput.trimmed();
    if (scheme.size() >= 2 && scheme.startsWith(u'\'') && scheme.endsWith(u'\''))
        scheme = scheme.mid(1, scheme.size() - 2);
    if (scheme == QLatin1String("prefer-dark"))
        return true;
    if (scheme == QLatin1String("prefer-light"))
        return false;
    return std::nullopt;
}

bool PaletteIsDark(const QPalette& palette) { return palette.color(QPalette::Window).lightness() < 128; }

bool TLinuxDesktopTheme::AppsUseDarkTheme() const
{
    if (std::optional<QString> scheme = GnomeColorScheme())
        if (std::optional<bool> dark = ColorSchemePrefersDark(*scheme))
            return *dark;
    return PaletteIsDark(QGuiApplication::palette());
}

std::optional<TVisualTheme> TLinuxDesktopTheme::VisualTheme() const { return std::nullopt; }

template <>
IDesktopTheme& NativeService<IDesktopTheme>()
{
    static TLinuxDesktopTheme theme;
    return theme;
}

}

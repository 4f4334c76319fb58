#include "framework/Font.h"

#include "framework/Exception.h"
#include "framework/Rounding.h"

#include <algorithm>

TFont::TFont(QObject* parent) : QObject(parent) {}

TFont::~TFont() = default;

void TFont::Assign(TPersistent* source)
{
    if (auto* f = dynamic_cast<TFont*>(source)) {
        if (f == this)
            return;
        FCharset = f->FCharset;
        FColor = f->FColor;
        FHeight = f->FHeight;
        FName = f->FName;
        FStyle = f->FStyle;
        FOrientation = f->FOrientation;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

void TFont::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TFont::SetCharset(TFontCharset value)
{
    if (value != FCharset) {
        FCharset = value;
        Changed();
    }
}

void TFont::SetColor(TColor value)
{
    if (value != FColor) {
        FColor = value;
        Changed();
    }
}

void TFont::SetHeight(int value)
{
    if (value < -MaxHeight || value > MaxHeight)
        throw EPropertyError(QStringLiteral("font height %1 is out of range (-%2 to %2)").arg(value).arg(MaxHeight));
    if (value != FHeight) {
        FHeight = value;
        Changed();
    }
}

void TFont::SetName(const QString& value)
{
    if (value != FName && !value.isEmpty()) {
        FName = value;
        Changed();
    }
}

void TFont::SetStyle(TFontStyles value)
{
    if (value != FStyle) {
        FStyle = value;
        Changed();
    }
}

void TFont::SetOrientation(int value)
{
    if (value != FOrientation) {
        FOrientation = value;
        Changed();
    }
}

int TFont::Size() const { return Kest::Round(-FHeight * 72.0 / 96.0); }

void TFont::SetSize(int points)
{
    const double height = std::clamp(points * 96.0 / 72.0, double(-MaxHeight - 1), double(MaxHeight + 1));
    SetHeight(-Kest::Round(height));
}

QFont TFont::ToQFont(double scale) const
{
    QFont f(FName);
    // A positive height is the cell height; the character height is about
    // its 80 per cent for the usual fonts.
    int pixels = FHeight < 0 ? -FHeight : Kest::Round(FHeight * 0.8);
    f.setPixelSize(std::max(1, Kest::Round(pixels * scale)));
    f.setBold(FStyle.testFlag(fsBold));
    f.setItalic(FStyle.testFlag(fsItalic));
    f.setUnderline(FStyle.testFlag(fsUnderline));
    f.setStrikeOut(FStyle.testFlag(fsStrikeOut));
    return f;
}

void TFont::FromQFont(const QFont& font)
{
    FName = font.family();
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
    FHeight = -Kest::Round(std::clamp(pixels, 0.0, double(MaxHeight)));
    TFontStyles s;
    s.setFlag(fsBold, font.bold());
    s.setFlag(fsItalic, font.italic());
    s.setFlag(fsUnderline, font.underline());
    s.setFlag(fsStrikeOut, font.strikeOut());
    FStyle = s;
    Changed();
}

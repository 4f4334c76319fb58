#include "framework/Graphic.h"

#include "framework/Exception.h"
#include "framework/Filer.h"
#include "framework/Stream.h"

TGraphic::TGraphic(QObject* parent) : QObject(parent) {}

TGraphic::~TGraphic() = default;

void TGraphic::SetWidth(int)
{
    throw EInvalidGraphicOperation(QString::fromLatin1(Messages::GraphicSizeUnsupported));
}

void TGraphic::SetHeight(int)
{
    throw EInvalidGraphicOperation(QString::fromLatin1(Messages::GraphicSizeUnsupported));
}

void TGraphic::LoadFromFile(const QString& filename)
{
    TFileStream stream(filename, QIODevice::ReadOnly);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const QString& filename)
{
    TFileStream stream(filename, QIODevice::WriteOnly | QIODevice::Truncate);
    SaveToStream(stream);
}

bool TGraphic::CanLoadFromStream(TStream&) { return false; }

void TGraphic::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    Changed(this);
}

void TGraphic::SetModified(bool value)
{
    if (value)
        Changed(this);
    else
        FModified = false;
}

void TGraphic::DefineProperties(TFiler* filer)
{
    filer->DefineBinaryProperty(
        QStringLiteral("Data"), [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); }, !Empty());
}

void TGraphic::ReadData(TStream& stream) { LoadFromStream(stream); }

void TGraphic::WriteData(TStream& stream) { SaveToStream(stream); }

void TGraphic::Changed(QObject*)
{
    FModified = true;
    if (OnChange)
        OnChange(this);
}

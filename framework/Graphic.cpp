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

void TGraphic::LoadFromFile(const QString& Filename)
{
    TFileStream stream(Filename, QIODevice::ReadOnly);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const QString& Filename)
{
    TFileStream stream(Filename, QIODevice::WriteOnly | QIODevice::Truncate);
    SaveToStream(stream);
}

bool TGraphic::CanLoadFromStream(TStream&) { return false; }

void TGraphic::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    Changed(this);
}

void TGraphic::SetModified(bool Value)
{
    if (Value)
        Changed(this);
    else
        FModified = false;
}

void TGraphic::DefineProperties(TFiler* Filer)
{
    Filer->DefineBinaryProperty(
        QStringLiteral("Data"), [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); }, !Empty());
}

void TGraphic::ReadData(TStream& Stream) { LoadFromStream(Stream); }

void TGraphic::WriteData(TStream& Stream) { SaveToStream(Stream); }

void TGraphic::Changed(QObject*)
{
    FModified = true;
    if (OnChange)
        OnChange(this);
}

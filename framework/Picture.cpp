#include "framework/Picture.h"

#include "framework/Exception.h"
#include "framework/Filer.h"
#include "framework/Graphic.h"
#include "framework/PictureFormats.h"
#include "framework/Stream.h"

#include <QFileInfo>
#include <QMetaObject>

namespace {

// A new, empty graphic of the same class as the given one.
std::unique_ptr<TGraphic> NewOfClass(const TGraphic& graphic)
{
    const QMetaObject* meta = graphic.metaObject();
    if (const TGraphicClass* registered = PictureFormats::FindClassName(QLatin1String(meta->className())))
        if (registered->Meta == meta)
            return registered->Create();
    std::unique_ptr<QObject> made(meta->newInstance());
    if (auto* g = qobject_cast<TGraphic*>(made.get())) {
        made.release();
        return std::unique_ptr<TGraphic>(g);
    }
    throw EInvalidGraphic(Exception::Format(QString::fromLatin1(Messages::UnknownPictureClass),
                                            QString::fromLatin1(meta->className())));
}

}

TPicture::TPicture(QObject* parent) : QObject(parent) {}

TPicture::~TPicture() = default;

void TPicture::Hold(std::unique_ptr<TGraphic> graphic)
{
    FGraphic = std::move(graphic);
    if (FGraphic)
        FGraphic->OnChange = [this](QObject* sender) { Changed(sender); };
    Changed(this);
}

void TPicture::SetGraphic(TGraphic* Value)
{
    if (Value == FGraphic.get())
        return;
    if (!Value) {
        Hold(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> copy = NewOfClass(*Value);
    copy->Assign(Value);
    Hold(std::move(copy));
}

int TPicture::Width() const { return FGraphic ? FGraphic->Width() : 0; }

int TPicture::Height() const { return FGraphic ? FGraphic->Height() : 0; }

void TPicture::LoadFromFile(const QString& Filename)
{
    QString extension = QFileInfo(Filename).suffix();
    const TPictureFormat* format = PictureFormats::FindExtension(extension);
    if (!format)
        throw EInvalidGraphic(Exception::Format(QString::fromLatin1(Messages::UnknownPictureExtension), extension));
    std::unique_ptr<TGraphic> graphic = format->GraphicClass.Create();
    graphic->LoadFromFile(Filename);
    Hold(std::move(graphic));
}

void TPicture::SaveToFile(const QString& Filename)
{
    if (FGraphic)
        FGraphic->SaveToFile(Filename);
}

void TPicture::LoadFromStream(TStream& Stream)
{
    const TGraphicClass* graphicClass = PictureFormats::FindForStream(Stream);
    if (!graphicClass)
        throw EInvalidGraphic(QString::fromLatin1(Messages::UnknownPictureFormat));
    std::unique_ptr<TGraphic> graphic = graphicClass->Create();
    graphic->LoadFromStream(Stream);
    Hold(std::move(graphic));
}

void TPicture::SaveToStream(TStream& Stream)
{
    if (FGraphic)
        FGraphic->SaveToStream(Stream);
}

void TPicture::Assign(TPersistent* Source)
{
    if (!Source) {
        SetGraphic(nullptr);
        return;
    }
    if (Source == this)
        return;
    if (auto* picture = dynamic_cast<TPicture*>(Source)) {
        SetGraphic(picture->Graphic());
        return;
    }
    if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
        SetGraphic(graphic);
        return;
    }
    TPersistent::Assign(Source);
}

void TPicture::AssignTo(TPersistent* Dest)
{
    if (auto* graphic = dynamic_cast<TGraphic*>(Dest); graphic && FGraphic) {
        graphic->Assign(FGraphic.get());
        return;
    }
    TPersistent::AssignTo(Dest);
}

void TPicture::DefineProperties(TFiler* Filer)
{
    Filer->DefineBinaryProperty(
        QStringLiteral("Data"), [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); },
        FGraphic != nullptr);
}

void TPicture::ReadData(TStream& Stream)
{
    quint8 length = Stream.ReadByte();
    QByteArray name(length, '\0');
    Stream.ReadBuffer(name.data(), length);
    if (name.isEmpty()) {
        Hold(nullptr);
        return;
    }
    const TGraphicClass* graphicClass = PictureFormats::FindClassName(QString::fromLatin1(name));
    if (!graphicClass)
        throw EReadError(Exception::Format(QString::fromLatin1(Messages::UnknownPictureClass), QString::fromLatin1(name)));
    std::unique_ptr<TGraphic> graphic = graphicClass->Create();
    graphic->ReadData(Stream);
    Hold(std::move(graphic));
}

void TPicture::WriteData(TStream& Stream)
{
    QByteArray name = FGraphic ? QByteArray(FGraphic->metaObject()->className()) : QByteArray();
    Stream.WriteByte(quint8(name.size()));
    Stream.WriteBuffer(name.constData(), name.size());
    if (FGraphic)
        FGraphic->WriteData(Stream);
}

void TPicture::Changed(QObject*)
{
    if (OnChange)
        OnChange(this);
}

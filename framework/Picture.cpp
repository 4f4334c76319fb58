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

void TPicture::SetGraphic(TGraphic* value)
{
    if (value == FGraphic.get())
        return;
    if (!value) {
        Hold(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> copy = NewOfClass(*value);
    copy->Assign(value);
    Hold(std::move(copy));
}

int TPicture::Width() const { return FGraphic ? FGraphic->Width() : 0; }

int TPicture::Height() const { return FGraphic ? FGraphic->Height() : 0; }

void TPicture::LoadFromFile(const QString& filename)
{
    QString extension = QFileInfo(filename).suffix();
    const TPictureFormat* format = PictureFormats::FindExtension(extension);
    if (!format)
        throw EInvalidGraphic(Exception::Format(QString::fromLatin1(Messages::UnknownPictureExtension), extension));
    std::unique_ptr<TGraphic> graphic = format->GraphicClass.Create();
    graphic->LoadFromFile(filename);
    Hold(std::move(graphic));
}

void TPicture::SaveToFile(const QString& filename)
{
    if (FGraphic)
        FGraphic->SaveToFile(filename);
}

void TPicture::LoadFromStream(TStream& stream)
{
    const TGraphicClass* graphicClass = PictureFormats::FindForStream(stream);
    if (!graphicClass)
        throw EInvalidGraphic(QString::fromLatin1(Messages::UnknownPictureFormat));
    std::unique_ptr<TGraphic> graphic = graphicClass->Create();
    graphic->LoadFromStream(stream);
    Hold(std::move(graphic));
}

void TPicture::SaveToStream(TStream& stream)
{
    if (FGraphic)
        FGraphic->SaveToStream(stream);
}

void TPicture::Assign(TPersistent* source)
{
    if (!source) {
        SetGraphic(nullptr);
        return;
    }
    if (source == this)
        return;
    if (auto* picture = dynamic_cast<TPicture*>(source)) {
        SetGraphic(picture->Graphic());
        return;
    }
    if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
        SetGraphic(graphic);
        return;
    }
    TPersistent::Assign(source);
}

void TPicture::AssignTo(TPersistent* dest)
{
    if (auto* graphic = dynamic_cast<TGraphic*>(dest); graphic && FGraphic) {
        graphic->Assign(FGraphic.get());
        return;
    }
    TPersistent::AssignTo(dest);
}

void TPicture::DefineProperties(TFiler* filer)
{
    filer->DefineBinaryProperty(
        QStringLiteral("Data"), [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); },
        FGraphic != nullptr);
}

void TPicture::ReadData(TStream& stream)
{
    quint8 length = stream.ReadByte();
    QByteArray name(length, '\0');
    stream.ReadBuffer(name.data(), length);
    if (name.isEmpty()) {
        Hold(nullptr);
        return;
    }
    const TGraphicClass* graphicClass = PictureFormats::FindClassName(QString::fromLatin1(name));
    if (!graphicClass)
        throw EReadError(Exception::Format(QString::fromLatin1(Messages::UnknownPictureClass), QString::fromLatin1(name)));
    std::unique_ptr<TGraphic> graphic = graphicClass->Create();
    graphic->ReadData(stream);
    Hold(std::move(graphic));
}

void TPicture::WriteData(TStream& stream)
{
    QByteArray name = FGraphic ? QByteArray(FGraphic->metaObject()->className()) : QByteArray();
    stream.WriteByte(quint8(name.size()));
    stream.WriteBuffer(name.constData(), name.size());
    if (FGraphic)
        FGraphic->WriteData(stream);
}

void TPicture::Changed(QObject*)
{
    if (OnChange)
        OnChange(this);
}

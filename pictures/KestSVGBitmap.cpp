#include "pictures/KestSVGBitmap.h"

#include "framework/Exception.h"
#include "framework/Rounding.h"
#include "pictures/KestSVGImport.h"
#include "pictures/StoredByteCount.h"
#include "utils/KestUtils.h"

TKestSVGBitmap::TKestSVGBitmap(QObject* parent)
    : TGraphic(parent), FSVG(TKestSVGImport::Create()), FStream(std::make_unique<TMemoryStream>())
{
}

TKestSVGBitmap::~TKestSVGBitmap() = default;

void TKestSVGBitmap::Clear()
{
    if (FSVG)
        FSVG->Clear();
    FFileName.clear();
    Changed(this);
}

void TKestSVGBitmap::ParseSource()
{
    if (!FSVG)
        return;
    FStream->SetPosition(0);
    FSVG->LoadFromStream(*FStream);
}

void TKestSVGBitmap::ParseSourceQuietly()
{
    try {
        ParseSource();
    } catch (const std::exception&) {
        // A document that does not parse leaves what the importer kept;
        // the bytes themselves stay and are saved back as they came.
    }
}

void TKestSVGBitmap::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TKestSVGBitmap*>(Source);
    if (!source) {
        TGraphic::Assign(Source);
        return;
    }
    if (source == this)
        return;
    if (FSVG)
        FSVG->Clear();
    FStream->Clear();
    FStream->WriteBuffer(source->Source().constData(), source->Source().size());
    ParseSourceQuietly();
    Changed(this);
}

void TKestSVGBitmap::AssignTo(TPersistent* Dest)
{
    if (auto* dest = dynamic_cast<TKestSVGBitmap*>(Dest)) {
        dest->Assign(this);
        return;
    }
    TGraphic::AssignTo(Dest);
}

bool TKestSVGBitmap::HasSVG() const { return FSVG && FSVG->HasElements(); }

bool TKestSVGBitmap::GetEmpty() const { return !HasSVG(); }

int TKestSVGBitmap::GetWidth() const
{
    if (!FSVG)
        return 0;
    return Kest::Round(FSVG->ViewRect().Width() * TKestUtils::GetDPIScale(nullptr));
}

int TKestSVGBitmap::GetHeight() const
{
    if (!FSVG)
        return 0;
    return Kest::Round(FSVG->ViewRect().Height() * TKestUtils::GetDPIScale(nullptr));
}

void TKestSVGBitmap::Draw(TCanvas& ACanvas, const QRect& Rect)
{
    if (Empty())
        return;
    FSVG->Draw(ACanvas, TRectF(float(Rect.left()), float(Rect.top()), float(Rect.left() + Rect.width()),
                               float(Rect.top() + Rect.height())),
               true);
}

void TKestSVGBitmap::LoadFromStream(TStream& Stream)
{
    FFileName.clear();
    FStream->Clear();
    // The whole stream from its start, as the picture holder hands it over.
    Stream.SetPosition(0);
    FStream->CopyFrom(Stream, Stream.Size() - Stream.Position());
    ParseSourceQuietly();
    Changed(this);
}

void TKestSVGBitmap::LoadFromFile(const QString& Filename)
{
    TFileStream file(Filename, QIODevice::ReadOnly);
    FStream->Clear();
    FStream->CopyFrom(file, file.Size());
    ParseSource();
    Changed(this);
}

void TKestSVGBitmap::SetFileName(const QString& Value)
{
    if (Value == FFileName)
        return;
    LoadFromFile(Value);
    // Kept once loaded, so that the property reads back what was set.
    FFileName = Value;
}

void TKestSVGBitmap::SaveToStream(TStream& Stream)
{
    const QByteArray& bytes = FStream->Bytes();
    Stream.WriteBuffer(bytes.constData(), bytes.size());
}

void TKestSVGBitmap::SaveToFile(const QString& Filename)
{
    if (!FSVG)
        return;
    TFileStream file(Filename, QIODevice::WriteOnly | QIODevice::Truncate);
    SaveToStream(file);
}

bool TKestSVGBitmap::CanLoadFromStream(TStream& Stream)
{
    // ".unknown" is the icon signature; four zero bytes are no picture.
    QString type = TKestUtils::GetImageType(Stream, false);
    return type.isEmpty() || type == QLatin1String(".empty");
}

void TKestSVGBitmap::ReadData(TStream& Stream)
{
    qint32 count = StoredByteCount::Read(Stream);
    FStream->Clear();
    if (FSVG)
        FSVG->Clear();
    if (count == 0)
        return;
    FStream->CopyFrom(Stream, count);
    ParseSource();
}

void TKestSVGBitmap::WriteData(TStream& Stream)
{
    StoredByteCount::Write(Stream, FStream->Size());
    SaveToStream(Stream);
}

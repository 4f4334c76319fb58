#include "pictures/HTMLPicture.h"

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/Exception.h"
#include "framework/Picture.h"
#include "gdiplus/KestGDIP.h"
#include "pictures/DeclaredRasterSize.h"
#include "pictures/KestSVGImport.h"
#include "pictures/RasterSignature.h"
#include "utils/KestUtils.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <new>

namespace {

const char* const AllocationFailed = "Could not allocate memory for image";

}

THTMLPicture::THTMLPicture(QObject* parent) : TKestSVGBitmap(parent) { SetTransparent(true); }

THTMLPicture::~THTMLPicture() = default;

bool THTMLPicture::GetEmpty() const { return Source().isEmpty() ? FIsEmpty : TKestSVGBitmap::GetEmpty(); }

int THTMLPicture::GetWidth() const { return Source().isEmpty() ? FWidth : TKestSVGBitmap::GetWidth(); }

int THTMLPicture::GetHeight() const { return Source().isEmpty() ? FHeight : TKestSVGBitmap::GetHeight(); }

void THTMLPicture::DataChanged()
{
    FFrames.reset();
    FFrameCount = -1;
    FDecoded.reset();
    FDecodeTried = false;
    FBitmap.reset();
}

void THTMLPicture::LoadRaw(const QByteArray& bytes)
{
    // Raster data replaces any SVG document.
    if (SVG())
        SVG()->Clear();
    SourceStream().Clear();
    FDatastream.Clear();
    FDatastream.WriteBuffer(bytes.constData(), bytes.size());
    DataChanged();
}

void THTMLPicture::LoadFromStream(TStream& Stream)
{
    if (RasterSignature::IsRaster(Stream, true)) {
        Stream.SetPosition(0);
        LoadRaw(Stream.ReadAll());
    } else {
        // An SVG document: the old raster bytes go.
        FDatastream.Clear();
        DataChanged();
        TKestSVGBitmap::LoadFromStream(Stream);
    }
    FIsEmpty = false;
    MeasurePicture();
    Changed(this);
}

void THTMLPicture::LoadFromFile(const QString& FileName)
{
    FIsEmpty = true;
    try {
        QFile file(FileName);
        if (!file.open(QIODevice::ReadOnly))
            return;
        TMemoryStream bytes(file.readAll());
        if (RasterSignature::IsRaster(bytes, true)) {
            LoadRaw(bytes.Bytes());
        } else {
            FDatastream.Clear();
            DataChanged();
            TKestSVGBitmap::LoadFromFile(FileName);
        }
        FIsEmpty = false;
        MeasurePicture();
        Changed(this);
    } catch (const std::exception&) {
        // A file that cannot be read or parsed leaves the picture empty.
    }
}

void THTMLPicture::ReadData(TStream& AData)
{
    // Decided by the content: count-prefixed SVG bytes whose count is
    // exactly the rest of the data, else raster bytes by their signature.
    // The count alone can read like a signature (19,778 bytes read "BM").
    const qint64 start = AData.Position();
    const QByteArray rest = AData.ReadAll();
    AData.SetPosition(start);
    bool svg = false;
    if (rest.size() >= 4) {
        qint64 count = qint64(quint32(quint8(rest[0]) | quint8(rest[1]) << 8 | quint8(rest[2]) << 16 |
                                      quint32(quint8(rest[3])) << 24));
        TMemoryStream after(rest.mid(4, 4));
        svg = count == rest.size() - 4 && !RasterSignature::IsRaster(after, true);
    }
    TMemoryStream head(rest.left(4));
    if (!svg && RasterSignature::IsRaster(head, true)) {
        AData.SetPosition(AData.Size());
        LoadRaw(rest);
    } else {
        FDatastream.Clear();
        DataChanged();
        TKestSVGBitmap::ReadData(AData);
    }
    FIsEmpty = false;
    MeasurePicture();
}

void THTMLPicture::WriteData(TStream& Stream)
{
    if (!Source().isEmpty())
        TKestSVGBitmap::WriteData(Stream);
    else
        SaveToStream(Stream);
}

void THTMLPicture::SaveToStream(TStream& Stream)
{
    if (!Source().isEmpty()) {
        TKestSVGBitmap::SaveToStream(Stream);
        return;
    }
    const QByteArray& bytes = FDatastream.Bytes();
    Stream.WriteBuffer(bytes.constData(), bytes.size());
}

void THTMLPicture::LoadFromResourceName(quintptr Instance, const QString& ResName)
{
    std::unique_ptr<TStream> stream;
    try {
        stream = TKestUtils::GetResourceStream(ResName, Instance);
    } catch (const EResNotFound&) {
        return;
    }
    LoadFromStream(*stream);
}

void THTMLPicture::LoadFromResourceID(quintptr Instance, int ResID)
{
    std::unique_ptr<TStream> stream = TKestUtils::GetResourceStream(QString::number(ResID), Instance);
    LoadFromStream(*stream);
}

void THTMLPicture::LoadFromURL(const QString& url)
{
    const QString upper = url.toUpper();
    if (upper.startsWith(QLatin1String("RES://"))) {
        FID = url;
        if (url.size() > 6)
            LoadFromResourceName(TKestUtils::GetHInstance(), url.mid(6));
        return;
    }
    if (upper.startsWith(QLatin1String("FILE://"))) {
        FID = url;
        if (url.size() > 7)
            LoadFromFile(url.mid(7));
        return;
    }
    if (!FAsynch) {
        FURL = url;
        FID = url;
        return;
    }
    if (FThreadBusy)
        return;
    bool cancel = false;
    if (OnDownLoadCancel)
        OnDownLoadCancel(this, cancel);
    if (cancel)
        return;
    FURL = url;
    FThreadBusy = true;
    // The worker sees only its copy of the address and posts the outcome to
    // the window thread, where the guard tells whether the picture is still
    // there. The thread frees itself when done.
    QThread* worker = QThread::create([url, target = QPointer<THTMLPicture>(this)] {
        QByteArray data;
        QString error;
        try {
            data = TKestUtils::DownloadImage(url)->Bytes();
        } catch (const Exception& e) {
            error = e.Message();
        } catch (const std::exception& e) {
            error = QString::fromLocal8Bit(e.what());
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [target, data, error] {
                if (target)
                    target->DownloadFinished(data, error);
            },
            Qt::QueuedConnection);
    });
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}

void THTMLPicture::DownloadFinished(const QByteArray& data, const QString& error)
{
    FThreadBusy = false;
    if (!error.isEmpty()) {
        if (OnDownLoadError)
            OnDownLoadError(this, error);
        return;
    }
    if (OnDownLoadProgress)
        OnDownLoadProgress(this, quint32(data.size()), quint32(data.size()));
    TMemoryStream stream(data);
    LoadFromStream(stream);
    if (OnDownLoadComplete)
        OnDownLoadComplete(this);
}

bool THTMLPicture::WaitForDownload(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (FThreadBusy && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return !FThreadBusy;
}

const std::vector<TGIFFrame>& THTMLPicture::Frames()
{
    if (!FFrames)
        FFrames = GIFFrames::Scan(FDatastream.Bytes());
    return *FFrames;
}

int THTMLPicture::FrameCount()
{
    if (!IsGIF())
        return -1;
    if (FFrameCount < 0)
        FFrameCount = int(Frames().size());
    return FFrameCount;
}

int THTMLPicture::FrameTime(int i)
{
    if (!IsGIF())
        return -1;
    const auto& frames = Frames();
    if (i < 1 || i > int(frames.size()))
        return -1;
    const TGIFFrame& frame = frames[size_t(i - 1)];
    FFrameTransp = frame.Packed & 0x01;
    FFrameDisposal = (frame.Packed >> 2) & 0x07;
    return frame.Delay;
}

void THTMLPicture::SetFrame(int Value)
{
    FFrame = Value;
    if (FDatastream.Size() > 0) {
        MeasurePicture();
        if (OnFrameChange)
            OnFrameChange(this);
    }
}

void THTMLPicture::FrameNext()
{
    int next = FFrame + 1;
    SetFrame(next > FrameCount() ? 1 : next);
}

void THTMLPicture::FramePrev()
{
    // Counted first: an uncounted -1 would make the frame -1.
    int previous = FFrame - 1;
    SetFrame(previous < 1 ? std::max(FrameCount(), 1) : previous);
}

bool THTMLPicture::Step()
{
    if (FrameCount() < 2 || Empty())
        return false;
    if (FNextCount == -1)
        FNextCount = FrameTime(FFrame);
    if (FTimerCount * 10 < FNextCount) {
        ++FTimerCount;
        return false;
    }
    FrameNext();
    FNextCount += FrameTime(FFrame);
    ++FTimerCount;
    return true;
}

namespace {

// Hostile data may claim a picture far larger than its bytes: a header is
// checked before the decoder allocates what it claims, and the decoded
// picture again (formats whose headers are not read here, frames outside
// a GIF's screen), since drawing a picture with a side beyond the
// surfaces' limit crashes the drawing library.
bool MayDecode(const QByteArray& bytes)
{
    const std::optional<QSize> declared = DeclaredRasterSize::Of(bytes);
    return !declared || DeclaredRasterSize::Decodable(declared->width(), declared->height());
}

bool FitsDrawingSurface(KestGDIP::TGPImage& image)
{
    return DeclaredRasterSize::Decodable(image.GetWidth(), image.GetHeight());
}

}

KestGDIP::TGPImage* THTMLPicture::Decoded()
{
    if (!FDecodeTried) {
        FDecodeTried = true;
        try {
            if (!MayDecode(FDatastream.Bytes()))
                return nullptr;
            TMemoryStream stream(FDatastream.Bytes());
            auto image = std::make_unique<KestGDIP::TGPImage>(stream);
            if (image->GetLastStatus() == GdiplusFlat::Ok && FitsDrawingSurface(*image))
                FDecoded = std::move(image);
        } catch (const std::bad_alloc&) {
            throw Exception(QString::fromLatin1(AllocationFailed));
        }
    }
    return FDecoded.get();
}

void THTMLPicture::MeasurePicture()
{
    if (!Source().isEmpty() || FDatastream.Size() == 0)
        return;
    FWidth = 0;
    FHeight = 0;
    FFrameXPos = FFrameYPos = FAnimMaxX = FAnimMaxY = 0;
    if (FrameCount() >= 1) {
        const QByteArray& bytes = FDatastream.Bytes();
        FAnimMaxX = GIFFrames::ScreenWidth(bytes);
        FAnimMaxY = GIFFrames::ScreenHeight(bytes);
        if (FFrame >= 1 && FFrame <= FrameCount()) {
            const TGIFFrame& frame = Frames()[size_t(FFrame - 1)];
            FFrameXPos = frame.XPos;
            FFrameYPos = frame.YPos;
            FFrameXSize = frame.XSize;
            FFrameYSize = frame.YSize;
        }
    }
    if (KestGDIP::TGPImage* image = Decoded()) {
        FWidth = int(image->GetWidth());
        FHeight = int(image->GetHeight());
    }
}

void THTMLPicture::Draw(TCanvas& ACanvas, const QRect& Rect)
{
    if (!Source().isEmpty()) {
        TKestSVGBitmap::Draw(ACanvas, Rect);
        return;
    }
    if (Empty() || FDatastream.Size() == 0)
        return;
    KestGDIP::TGPImage* image = Decoded();
    if (!image)
        return;
    if (image->GetFormat() == KestGDIP::ifBMP) {
        if (!FBitmap) {
            FBitmap = std::make_unique<TBitmap>();
            TMemoryStream stream(FDatastream.Bytes());
            FBitmap->LoadFromStream(stream);
        }
        FBitmap->SetTransparent(Transparent());
        ACanvas.StretchDraw(Rect, FBitmap.get());
        return;
    }
    KestGDIP::TGPGraphics graphics(ACanvas.Handle());
    graphics.DrawImageRect(image, Rect.left(), Rect.top(), Rect.width(), Rect.height());
}

void THTMLPicture::DrawSVG(TCanvas& ACanvas, float X, float Y, float W, float H)
{
    if (Source().isEmpty() || !SVG())
        return;
    SVG()->Draw(ACanvas, TRectF(X, Y, X + W, Y + H), true);
}

void THTMLPicture::Assign(TPersistent* Source)
{
    if (Source == this)
        return;
    FIsEmpty = true;
    FFrameCount = FNextCount = FTimerCount = -1;
    SetFrame(1);
    if (!Source) {
        FDatastream.Clear();
        DataChanged();
        return;
    }
    if (auto* picture = dynamic_cast<THTMLPicture*>(Source)) {
        FStretched = picture->FStretched;
        FID = picture->FID;
        if (!picture->TKestSVGBitmap::Source().isEmpty()) {
            FDatastream.Clear();
            DataChanged();
            TKestSVGBitmap::Assign(picture);
        } else {
            LoadRaw(picture->FDatastream.Bytes());
        }
        FFrame = picture->FFrame;
        FIsEmpty = picture->FIsEmpty;
        MeasurePicture();
        Changed(this);
        return;
    }
    TMemoryStream stream;
    if (auto* holder = dynamic_cast<TPicture*>(Source)) {
        if (!holder->Graphic()) {
            FDatastream.Clear();
            DataChanged();
            return;
        }
        holder->Graphic()->SaveToStream(stream);
    } else if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
        graphic->SaveToStream(stream);
    } else {
        TKestSVGBitmap::Assign(Source);
        return;
    }
    stream.SetPosition(0);
    LoadFromStream(stream);
}

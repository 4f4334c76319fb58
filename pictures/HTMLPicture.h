#pragma once
// A picture of the picture container: raster bytes of any format the
// image-type sniffing knows (GIF, BMP, PNG, TIFF, JPEG, icon) kept exactly
// as loaded and decoded through the drawing library, or an SVG document
// through the base. Animated GIF data is stepped frame by frame on a 100 ms
// tick. Pictures also load from "RES://" and "FILE://" references and from
// URLs, downloaded on a worker thread.
//
// Stored data: an SVG document count-prefixed as the base stores it, raster
// bytes as they are, told apart by their signature.

#include "framework/Stream.h"
#include "pictures/GIFFrames.h"
#include "pictures/KestSVGBitmap.h"

#include <QPointer>
#include <QThread>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#pragma GCC visibility push(default)

class TBitmap;
namespace KestGDIP {
class TGPImage;
}

using TDownloadProgressEvent = std::function<void(QObject* Sender, quint32 dwSize, quint32 dwTotSize)>;
using TDownloadCancelEvent = std::function<void(QObject* Sender, bool& Cancel)>;
using TDownloadCompleteEvent = std::function<void(QObject* Sender)>;
using TDownloadErrorEvent = std::function<void(QObject* Sender, const QString& err)>;

class THTMLPicture : public TKestSVGBitmap {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(int Frame READ Frame WRITE SetFrame)
    Q_CLASSINFO("Default:Stretch", "false")
public:
    Q_INVOKABLE explicit THTMLPicture(QObject* parent = nullptr);
    ~THTMLPicture() override;

    void Assign(TPersistent* Source) override;
    void LoadFromStream(TStream& Stream) override;
    // Failures are swallowed and leave the picture empty.
    void LoadFromFile(const QString& FileName) override;
    void ReadData(TStream& AData) override;
    void WriteData(TStream& Stream) override;
    void SaveToStream(TStream& Stream) override;
    void LoadFromResourceName(quintptr Instance, const QString& ResName);
    // Raises EResNotFound when there is no such resource.
    void LoadFromResourceID(quintptr Instance, int ResID);
    void LoadFromURL(const QString& url);
    void Draw(TCanvas& ACanvas, const QRect& Rect) override;
    virtual void DrawSVG(TCanvas& ACanvas, float X, float Y, float W, float H);
    // Size setters do nothing.
    void SetWidth(int) override {}
    void SetHeight(int) override {}

    bool Stretch() const { return FStretched; }
    void SetStretch(bool Value) { FStretched = Value; }
    int Frame() const { return FFrame; }
    void SetFrame(int Value);
    void FrameNext();
    void FramePrev();
    // Meant for a 100 ms tick: true when the picture moved to another frame.
    bool Step();
    bool IsGIF() const { return GIFFrames::IsGIF(FDatastream.Bytes()); }
    // -1 for data that is no GIF.
    int FrameCount();
    // Delay of frame i (1-based) in hundredths of a second, -1 for none.
    int FrameTime(int i);
    int MaxWidth() const { return GetWidth(); }
    int MaxHeight() const { return GetHeight(); }
    int FrameXPos() const { return FFrameXPos; }
    int FrameYPos() const { return FFrameYPos; }
    int FrameXSize() const { return FFrameXSize; }
    int FrameYSize() const { return FFrameYSize; }
    bool FrameTransp() const { return FFrameTransp; }
    int FrameDisposal() const { return FFrameDisposal; }
    int AnimMaxX() const { return FAnimMaxX; }
    int AnimMaxY() const { return FAnimMaxY; }

    bool Busy() const { return FThreadBusy; }
    bool Asynch() const { return FAsynch; }
    void SetAsynch(bool Value) { FAsynch = Value; }
    QString ID() const { return FID; }
    void SetID(const QString& Value) { FID = Value; }
    QString URL() const { return FURL; }
    bool IsDB() const { return FIsDB; }
    void SetIsDB(bool Value) { FIsDB = Value; }
    // The raw raster bytes as loaded.
    const QByteArray& RawData() const { return FDatastream.Bytes(); }

    TNotifyEvent OnFrameChange;
    TDownloadErrorEvent OnDownLoadError;
    TDownloadCompleteEvent OnDownLoadComplete;
    TDownloadCancelEvent OnDownLoadCancel;
    TDownloadProgressEvent OnDownLoadProgress;

    // Waits for a download in progress to deliver (tests);
    // returns false when it did not finish in time.
    bool WaitForDownload(int timeoutMs);

protected:
    bool GetEmpty() const override;
    int GetWidth() const override;
    int GetHeight() const override;

private:
    void DownloadFinished(const QByteArray& data, const QString& error);
    void MeasurePicture();
    void LoadRaw(const QByteArray& bytes);
    void DataChanged();
    const std::vector<TGIFFrame>& Frames();
    KestGDIP::TGPImage* Decoded();

    TMemoryStream FDatastream;
    bool FIsEmpty = true;
    bool FStretched = false;
    int FLogPixX = 96;
    int FLogPixY = 96;
    QString FURL;
    QString FID;
    int FHeight = 0;
    int FWidth = 0;
    bool FIsDB = false;
    bool FAsynch = true;
    bool FThreadBusy = false;
    int FFrame = 1;
    int FFrameCount = -1;
    quint16 FFrameXPos = 0, FFrameYPos = 0, FFrameXSize = 0, FFrameYSize = 0;
    bool FFrameTransp = false;
    quint16 FFrameDisposal = 0;
    quint16 FAnimMaxX = 0, FAnimMaxY = 0;
    int FNextCount = -1;
    int FTimerCount = -1;

    // Worked out once per loaded data, dropped when the data changes: the
    // frame table, the decoded picture and, for BMP data, the framework
    // bitmap that draws it.
    std::optional<std::vector<TGIFFrame>> FFrames;
    std::unique_ptr<KestGDIP::TGPImage> FDecoded;
    bool FDecodeTried = false;
    std::unique_ptr<TBitmap> FBitmap;
};

#pragma GCC visibility pop

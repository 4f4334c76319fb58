#pragma once
// A graphic holding an SVG document: the source bytes exactly as loaded
// (saved back unchanged, comments and formatting included) and the importer
// that parsed them, which draws the picture and gives its size.
//
// Stored data: a 32-bit little-endian byte count, then the SVG bytes.

#include "framework/Graphic.h"
#include "framework/Stream.h"

#include <memory>

#pragma GCC visibility push(default)

class TKestSVGImport;

class TKestSVGBitmap : public TGraphic {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
public:
    Q_INVOKABLE explicit TKestSVGBitmap(QObject* parent = nullptr);
    ~TKestSVGBitmap() override;

    void Assign(TPersistent* Source) override;
    void Draw(TCanvas& ACanvas, const QRect& Rect) override;
    void ReadData(TStream& Stream) override;
    void WriteData(TStream& Stream) override;
    void LoadFromFile(const QString& Filename) override;
    void SaveToFile(const QString& Filename) override;
    // True when the data at the stream's position starts with no raster
    // signature; the position is kept.
    static bool CanLoadFromStream(TStream& Stream);
    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) override;
    virtual bool HasSVG() const;

    void Clear();
    // The importer (none while no SVG engine is registered).
    TKestSVGImport* SVG() const { return FSVG.get(); }
    // The SVG bytes as last loaded.
    const QByteArray& Source() const { return FStream->Bytes(); }

    QString FileName() const { return FFileName; }
    // Loads the file when the name differs from the stored one.
    void SetFileName(const QString& Value);

protected:
    void AssignTo(TPersistent* Dest) override;
    bool GetEmpty() const override;
    int GetWidth() const override;
    int GetHeight() const override;
    // The importer parses the stored bytes; its failures propagate.
    void ParseSource();
    // The same, keeping whatever the importer kept on a failure.
    void ParseSourceQuietly();
    TMemoryStream& SourceStream() { return *FStream; }

private:
    std::unique_ptr<TKestSVGImport> FSVG;
    std::unique_ptr<TMemoryStream> FStream;
    QString FFileName;
};

#pragma GCC visibility pop

#pragma once
// A bitmap picture. It keeps the encoded file it was loaded from, so that a
// stored picture is written back byte for byte while it is unchanged.

#include "framework/Graphic.h"

#include <QByteArray>
#include <QImage>

#pragma GCC visibility push(default)

class TStream;

class TBitmap : public TGraphic {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TBitmap(QObject* parent = nullptr);
    ~TBitmap() override;

    void Assign(TPersistent* source) override;

    void Draw(TCanvas& canvas, const QRect& rect) override;
    void SetSize(int width, int height);
    void SetWidth(int value) override { SetSize(value, Height()); }
    void SetHeight(int value) override { SetSize(Width(), value); }

    // Bitmap files (and any raster format Qt reads); raises EReadError when
    // the data is not a picture. Stored as "Data": the encoded file's bytes.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    // Whether the data from the stream's position is a raster picture Qt
    // reads; the position is kept.
    static bool CanLoadFromStream(TStream& stream);
    // The bitmap resource of that name among the program's resources.
    void LoadFromResourceName(const QString& name);
    void Clear();

    const QImage& Image() const { return FImage; }
    void SetImage(const QImage& image);
    // The encoded bytes as loaded, or the picture encoded as a bitmap file.
    QByteArray Encoded() const;

    // The colour shown as transparent: the bottom-left pixel's.
    QRgb TransparentColor() const;
    // The picture with its transparent colour cleared, ready to draw.
    QImage TransparentImage() const;

protected:
    bool GetEmpty() const override { return FImage.isNull(); }
    int GetWidth() const override { return FImage.width(); }
    int GetHeight() const override { return FImage.height(); }

private:
    void Changed() { TGraphic::Changed(this); }
    void LoadFromBytes(const QByteArray& bytes);

    QImage FImage;
    QByteArray FEncoded;
};

#pragma GCC visibility pop

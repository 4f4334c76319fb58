#pragma once
// A bitmap picture. It keeps the encoded file it was loaded from, so that a
// stored picture is written back byte for byte while it is unchanged.

#include "framework/Events.h"
#include "framework/Persistent.h"

#include <QByteArray>
#include <QImage>
#include <QObject>

class TStream;

class TBitmap : public QObject, public TPersistent {
    Q_OBJECT
public:
    explicit TBitmap(QObject* parent = nullptr);
    ~TBitmap() override;

    void Assign(TPersistent* Source) override;
    void DefineProperties(TFiler* Filer) override;

    bool Empty() const { return FImage.isNull(); }
    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    void SetSize(int width, int height);

    // Bitmap files (and any format Qt reads); raises EReadError when the
    // data is not a picture.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const QString& fileName);
    // The bitmap resource of that name among the program's resources.
    void LoadFromResourceName(const QString& name);
    void Clear();

    const QImage& Image() const { return FImage; }
    void SetImage(const QImage& image);
    // The encoded bytes as loaded, or the picture encoded as a bitmap file.
    QByteArray Encoded() const;

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // The colour shown as transparent: the bottom-left pixel's.
    QRgb TransparentColor() const;
    // The picture with its transparent colour cleared, ready to draw.
    QImage TransparentImage() const;

    TNotifyEvent OnChange;

private:
    void Changed();
    void LoadFromBytes(const QByteArray& bytes);

    QImage FImage;
    QByteArray FEncoded;
    bool FTransparent = false;
};

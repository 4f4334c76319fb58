#pragma once
// An image list: pictures of one size, addressed by index. The size is in
// logical pixels; the pictures are kept at the list's device pixel ratio, so
// at a ratio of 2 a 16 x 16 list holds pictures of 32 x 32 pixels that draw
// sharp on a screen of that ratio.

#include "framework/Component.h"

#include <QImage>
#include <QObject>
#include <vector>

#pragma GCC visibility push(default)

class QPainter;

class TCustomImageList : public QObject, public TComponent {
    Q_OBJECT
public:
    explicit TCustomImageList(TComponent* owner);
    ~TCustomImageList() override;

    int Width() const { return FWidth; }
    void SetWidth(int value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    int Count() const { return int(FImages.size()); }
    double DevicePixelRatio() const { return FDevicePixelRatio; }
    // Like a new size, a new ratio empties the list.
    void SetDevicePixelRatio(double value);
    // The size of the pictures in pixels: the size times the ratio.
    QSize PixelSize() const;

    // Adds a picture (scaled to the list's pixel size, taking its ratio);
    // returns its index.
    int Add(const QImage& image);
    void Clear();
    // The picture at index, or a null image for an index out of range.
    QImage GetImage(int index) const;
    // Draws the picture at index with its top-left corner at (x, y).
    void Draw(QPainter& painter, int x, int y, int index, bool enabled = true) const;

private:
    int FWidth = 16;
    int FHeight = 16;
    double FDevicePixelRatio = 1.0;
    std::vector<QImage> FImages;
};

// The published image list of stored layouts.
class TImageList : public TCustomImageList {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_CLASSINFO("Default:Width", "16")
    Q_CLASSINFO("Default:Height", "16")
public:
    explicit TImageList(TComponent* owner) : TCustomImageList(owner) {}
};

#pragma GCC visibility pop

#pragma once
// The pictures the markup tests refer to: a picture container with named
// pictures, an image list, a PNG file in a temporary folder and the same
// picture as inline Base64 data. All are drawn here, of known colours.

#include "framework/Bitmap.h"
#include "framework/ImageList.h"
#include "pictures/PictureContainer.h"
#include "pictures/PictureItem.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>

struct TKestHTMLTestPictures {
    TKestHTMLTestPictures()
    {
        Add(QStringLiteral("logo"), Quadrants(40, 30));
        Add(QStringLiteral("tile"), Checker(10, QColor(225, 235, 250), QColor(200, 215, 240)));
        Add(QStringLiteral("corner"), Checker(8, QColor(250, 180, 60), QColor(250, 120, 40)).scaled(16, 16));
        Images.SetWidth(16);
        Images.SetHeight(16);
        Images.Add(Checker(8, QColor(40, 160, 40), QColor(40, 160, 40)));
        Images.Add(Checker(4, QColor(220, 40, 40), QColor(255, 255, 255)));
        FilePath = Folder.filePath(QStringLiteral("picture.png"));
        Quadrants(24, 24).save(FilePath);
    }

    // Four coloured quadrants: red, green / blue, yellow.
    static QImage Quadrants(int w, int h)
    {
        QImage image(w, h, QImage::Format_ARGB32);
        QPainter p(&image);
        p.fillRect(0, 0, w / 2, h / 2, QColor(220, 40, 40));
        p.fillRect(w / 2, 0, w - w / 2, h / 2, QColor(40, 160, 40));
        p.fillRect(0, h / 2, w / 2, h - h / 2, QColor(40, 40, 220));
        p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor(230, 200, 40));
        return image;
    }
    static QImage Checker(int side, QColor a, QColor b)
    {
        QImage image(2 * side, 2 * side, QImage::Format_ARGB32);
        image.fill(a);
        QPainter p(&image);
        p.fillRect(side, 0, side, side, b);
        p.fillRect(0, side, side, side, b);
        return image;
    }
    static QString Base64Png(const QImage& image)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return QString::fromLatin1(bytes.toBase64());
    }
    QString FileSource() const { return QStringLiteral("FILE://") + FilePath; }
    static QString DataSource(const QImage& image)
    {
        return QStringLiteral("data:image/png;base64,") + Base64Png(image);
    }

    TPictureContainer Container;
    TImageList Images{nullptr};
    QTemporaryDir Folder;
    QString FilePath;

private:
    void Add(const QString& name, const QImage& image)
    {
        TPictureItem* item = Container.Items()->Add();
        item->SetName(name);
        TBitmap bitmap;
        bitmap.SetImage(image);
        item->SetPicture(&bitmap);
    }
};

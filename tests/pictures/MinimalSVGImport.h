#pragma once
// The SVG engine is a library above the pictures; these tests stand on an
// importer of their own that reads just enough of a document: the root's
// view box (or width and height), the number of elements, and parse errors.
// It draws its view rectangle as a filled square so that drawing is seen.

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "framework/Exception.h"
#include "framework/Stream.h"
#include "pictures/KestBitmap.h"
#include "pictures/KestSVGImport.h"

#include <QFile>
#include <QPainter>
#include <QXmlStreamReader>

class TMinimalSVGImport : public TKestSVGImport {
public:
    bool HasElements() const override { return FCount > 0; }
    int ElementCount() const override { return FCount; }
    TKestBitmap* GenerateBitmap(float AWidth, float AHeight) override
    {
        FBitmap = std::make_unique<TKestBitmap>();
        TBitmap bitmap;
        bitmap.SetSize(int(AWidth), int(AHeight));
        FBitmap->SetGraphic(&bitmap);
        return FBitmap.get();
    }
    void Clear() override
    {
        FCount = 0;
        SetViewRect(TRectF());
    }
    void Draw(TCanvas& ACanvas, const TRectF& ARect, bool ANative) override
    {
        LastNative = ANative;
        QPainter painter(&ACanvas.Handle().Image());
        painter.fillRect(QRectF(ARect.Left, ARect.Top, ARect.Width(), ARect.Height()), Qt::magenta);
    }
    void LoadFromText(const QString& AText) override { Parse(AText.toUtf8()); }
    void LoadFromFile(const QString& AFile) override
    {
        QFile f(AFile);
        if (!f.open(QIODevice::ReadOnly))
            throw EFOpenError(AFile);
        Parse(f.readAll());
    }
    void LoadFromStream(TStream& AStream) override { Parse(AStream.ReadAll()); }
    void SaveToStream(TStream&) override {}
    void SaveToFile(const QString&) override {}

    bool LastNative = false;

private:
    void Parse(const QByteArray& bytes)
    {
        Clear();
        QXmlStreamReader xml(bytes);
        int count = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (count++ == 0)
                ReadRoot(xml.attributes());
        }
        if (xml.hasError())
            throw EReadError(QStringLiteral("SVG: ") + xml.errorString());
        FCount = count;
    }
    void ReadRoot(const QXmlStreamAttributes& a)
    {
        const QStringList box = a.value("viewBox").toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (box.size() == 4)
            SetViewRect(TRectF(box[0].toFloat(), box[1].toFloat(), box[0].toFloat() + box[2].toFloat(),
                               box[1].toFloat() + box[3].toFloat()));
        else
            SetViewRect(TRectF(0, 0, a.value("width").toFloat(), a.value("height").toFloat()));
    }

    int FCount = 0;
    std::unique_ptr<TKestBitmap> FBitmap;
};

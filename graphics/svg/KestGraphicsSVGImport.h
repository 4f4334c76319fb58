#pragma once
// The SVG importer of the graphics library: loads a document from text, a
// stream or a file into an element tree and keeps its view rectangle.

#include "graphics/GraphicsMatrix.h"
#include "graphics/svg/KestGraphicsSVGTypes.h"
#include "pictures/KestSVGImport.h"

#include <QString>

class TKestGraphics;
#include <memory>

#pragma GCC visibility push(default)

class TKestGraphicsSVGImport : public TKestSVGImport {
    Q_OBJECT
public:
    TKestGraphicsSVGImport();
    ~TKestGraphicsSVGImport() override;

    bool HasElements() const override;
    int ElementCount() const override;
    TKestBitmap* GenerateBitmap(float AWidth, float AHeight) override;
    void Clear() override;
    void Draw(TCanvas& ACanvas, const TRectF& ARect, bool ANative) override;
    // Draws the document stretched into rect. With recreateGraphics a canvas
    // of its own is made on the same surface (set up for quality when
    // native) and freed afterwards.
    void Draw(TKestGraphics& graphics, const TRectF& rect, bool native, bool recreateGraphics);
    // Raises EKestGraphicsSVGError for a document the XML reader refuses;
    // the importer is then empty. A root other than "svg" leaves it empty.
    void LoadFromText(const QString& AText) override;
    void LoadFromFile(const QString& AFile) override;
    void LoadFromStream(TStream& AStream) override;
    void SaveToStream(TStream& AStream) override;
    void SaveToFile(const QString& AFile) override;

    // The view rectangle Clear leaves: nothing is drawn from it.
    static constexpr TRectF EmptyViewRect{2147483648.0f, 2147483648.0f, -2147483648.0f, -2147483648.0f};
    // GenerateBitmap draws nothing larger: a side beyond MaxBitmapSide or
    // more than MaxBitmapPixels pixels give an empty bitmap.
    static constexpr int MaxBitmapSide = 16384;
    static constexpr qint64 MaxBitmapPixels = qint64(4096) * 4096;

    const TKestGraphicsSVGElementList& ElementList() const { return FElementList; }
    const TKestGraphicsSVGElementList& DefsList() const { return FDefsList; }
    const TKestGraphicsSVGElementClassList& ElementClassList() const { return FElementClassList; }
    const TKestGraphicsSVGElementClassList& ElementPatternList() const { return FElementPatternList; }
    const TKestGraphicsSVGElementClassList& ElementClipPathList() const { return FElementClipPathList; }
    const TKestGraphicsMatrix& Matrix() const { return FMatrix; }
    const TKestGraphicsMatrix& TextMatrix() const { return FTextMatrix; }

private:
    void Load(const QString& text, const QString& baseFolder);

    // The loaded document as read, written back by SaveToStream.
    QString FXML;
    bool FHasXML = false;
    TKestGraphicsSVGElementClassList FElementClassList;
    TKestGraphicsSVGElementClassList FElementPatternList;
    TKestGraphicsSVGElementClassList FElementClipPathList;
    TKestGraphicsSVGElementList FElementList;
    TKestGraphicsSVGElementList FDefsList;
    std::unique_ptr<TKestBitmap> FCachedBitmap;
    TKestGraphicsMatrix FMatrix = MatrixIdentity();
    TKestGraphicsMatrix FTextMatrix = MatrixIdentity();
};

#pragma GCC visibility pop

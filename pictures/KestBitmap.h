#pragma once
// A picture holder that knows whether it holds an SVG document.

#include "framework/Picture.h"

#pragma GCC visibility push(default)

class TKestSVGImport;

class TKestBitmap : public TPicture {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TKestBitmap(QObject* parent = nullptr);
    ~TKestBitmap() override;

    // The held graphic is an SVG picture with a parsed document.
    virtual bool HasSVG() const;
    // That picture's importer when HasSVG, otherwise none.
    TKestSVGImport* SVG() const;
    // Loads the named resource of the program (raw data); raises
    // EResNotFound when there is none.
    void LoadFromResource(const QString& Name);
};

#pragma GCC visibility pop

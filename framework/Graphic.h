#pragma once
// The graphic base: a picture of some format that draws itself on a canvas,
// knows its size, loads and saves itself by stream and file, stores its
// data as the binary property "Data", and reports changes through OnChange.
//
// Every graphic class has a Q_INVOKABLE default constructor, so that a
// picture holder can make another graphic of the same class, and a static
// CanLoadFromStream answering whether it reads the stream's data.

#include "framework/Events.h"
#include "framework/Persistent.h"

#include <QObject>
#include <QRect>

#pragma GCC visibility push(default)

class TCanvas;
class TStream;

class TGraphic : public QObject, public TPersistent {
    Q_OBJECT
public:
    explicit TGraphic(QObject* parent = nullptr);
    ~TGraphic() override;

    virtual void Draw(TCanvas& canvas, const QRect& rect) = 0;

    bool Empty() const { return GetEmpty(); }
    int Width() const { return GetWidth(); }
    int Height() const { return GetHeight(); }
    // Graphics without a settable size raise EInvalidGraphicOperation.
    virtual void SetWidth(int value);
    virtual void SetHeight(int value);

    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) = 0;
    virtual void LoadFromFile(const QString& filename);
    virtual void SaveToFile(const QString& filename);
    // The base reads nothing; a class that recognises its data overrides it.
    static bool CanLoadFromStream(TStream& stream);

    bool Transparent() const { return GetTransparent(); }
    void SetTransparent(bool value);
    bool Modified() const { return FModified; }
    void SetModified(bool value);

    void DefineProperties(TFiler* filer) override;
    // The stored form of the picture's data: by default its stream form.
    virtual void ReadData(TStream& stream);
    virtual void WriteData(TStream& stream);

    TNotifyEvent OnChange;

protected:
    virtual bool GetEmpty() const = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    virtual bool GetTransparent() const { return FTransparent; }
    virtual void Changed(QObject* sender);

private:
    bool FTransparent = false;
    bool FModified = false;
};

#pragma GCC visibility pop

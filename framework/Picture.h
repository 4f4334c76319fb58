#pragma once
// The picture holder: holds one graphic of any registered class, picks the
// class by file extension or by asking the registered classes whether they
// read a stream, and stores the graphic with its class name.

#include "framework/Events.h"
#include "framework/Persistent.h"

#include <QObject>
#include <memory>

#pragma GCC visibility push(default)

class TGraphic;
class TStream;

class TPicture : public QObject, public TPersistent {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TPicture(QObject* parent = nullptr);
    ~TPicture() override;

    // The held graphic (none while empty); the picture keeps owning it.
    TGraphic* Graphic() const { return FGraphic.get(); }
    // Holds a copy of Value (of the same class), or nothing for none.
    void SetGraphic(TGraphic* value);
    int Width() const;
    int Height() const;

    // Raises "Unknown picture file extension (.ext)" for an unregistered
    // extension; the file's own errors propagate.
    void LoadFromFile(const QString& filename);
    void SaveToFile(const QString& filename);
    // Picks the class by content; "Unsupported picture format" when no
    // registered class reads it.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream);

    // From a picture or a graphic (copied), or none (emptied). Assigning a
    // picture to itself changes nothing.
    void Assign(TPersistent* source) override;
    // Stored as "Data": the class name (a length byte and Latin-1 text),
    // then the graphic's own data.
    void DefineProperties(TFiler* filer) override;

    TNotifyEvent OnChange;

protected:
    void AssignTo(TPersistent* dest) override;
    virtual void Changed(QObject* sender);

private:
    // Takes the new graphic and listens to its changes.
    void Hold(std::unique_ptr<TGraphic> graphic);
    void ReadData(TStream& stream);
    void WriteData(TStream& stream);

    std::unique_ptr<TGraphic> FGraphic;
};

#pragma GCC visibility pop

#pragma once
// A font as stored: name, height in pixels (negative: character height),
// colour, style and character set; changes are reported through OnChange.

#include "framework/Color.h"
#include "framework/Enums.h"
#include "framework/Events.h"
#include "framework/Persistent.h"

#include <QFont>
#include <QObject>

#pragma GCC visibility push(default)

class TFont : public QObject, public TPersistent {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(KestEnums::TFontCharset Charset READ Charset WRITE SetCharset)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(KestEnums::TFontStyles Style READ Style WRITE SetStyle)
    // The height in points; stored layouts keep the height alone.
    Q_PROPERTY(int Size READ Size WRITE SetSize STORED false)

public:
    explicit TFont(QObject* parent = nullptr);
    ~TFont() override;

    void Assign(TPersistent* source) override;

    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    int Height() const { return FHeight; }
    // Raises EPropertyError for a height whose magnitude exceeds MaxHeight.
    void SetHeight(int value);
    // Font files address sizes in 16-bit units; nothing larger can be drawn,
    // and the limit keeps negation and scaling of a height within int.
    static constexpr int MaxHeight = 32767;
    QString Name() const { return FName; }
    void SetName(const QString& value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);
    // Size in points at 96 pixels per inch.
    int Size() const;
    void SetSize(int points);

    // The angle of the text's base line in tenths of a degree, counter-
    // clockwise on screen. Drawing state only: layouts do not store it.
    int Orientation() const { return FOrientation; }
    void SetOrientation(int value);

    // The Qt font, with the height multiplied by scale and rounded.
    QFont ToQFont(double scale = 1.0) const;
    void FromQFont(const QFont& font);

    TNotifyEvent OnChange;

private:
    void Changed();

    TFontCharset FCharset = DEFAULT_CHARSET;
    TColor FColor = clWindowText;
    int FHeight = -11;
    QString FName = QStringLiteral("Tahoma");
    TFontStyles FStyle;
    int FOrientation = 0;
};

#pragma GCC visibility pop

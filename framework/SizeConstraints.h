#pragma once
// The smallest and largest size a control may take; 0 leaves that bound
// open. Changes are reported through OnChange.

#include "framework/Events.h"
#include "framework/Persistent.h"

#include <QObject>
#include <QSize>

#pragma GCC visibility push(default)

class TSizeConstraints : public QObject, public TPersistent {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(int MaxHeight READ MaxHeight WRITE SetMaxHeight)
    Q_PROPERTY(int MaxWidth READ MaxWidth WRITE SetMaxWidth)
    Q_PROPERTY(int MinHeight READ MinHeight WRITE SetMinHeight)
    Q_PROPERTY(int MinWidth READ MinWidth WRITE SetMinWidth)
    Q_CLASSINFO("Default:MaxHeight", "0")
    Q_CLASSINFO("Default:MaxWidth", "0")
    Q_CLASSINFO("Default:MinHeight", "0")
    Q_CLASSINFO("Default:MinWidth", "0")

public:
    explicit TSizeConstraints(QObject* parent = nullptr);
    ~TSizeConstraints() override;

    void Assign(TPersistent* source) override;

    // A maximum below the minimum lowers the minimum, and a minimum above
    // the maximum raises the maximum, so the two never cross. Negative
    // values raise EPropertyError.
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int value);
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int value);
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int value);
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int value);

    // The bounds as widget sizes: an open maximum is the largest widget size.
    QSize MinimumSize() const;
    QSize MaximumSize() const;

    TNotifyEvent OnChange;

private:
    void SetMax(int& max, int& min, int value, const char* name);
    void SetMin(int& min, int& max, int value, const char* name);
    void Changed();

    int FMaxHeight = 0;
    int FMaxWidth = 0;
    int FMinHeight = 0;
    int FMinWidth = 0;
};

#pragma GCC visibility pop

#pragma once
// The change pattern of the graphics value objects: OnChanged fires on every
// change unless BeginUpdate ... EndUpdate holds it back; the outermost
// EndUpdate fires once.

#include "framework/Events.h"

#pragma GCC visibility push(default)

class QObject;

class TKestGraphicsChangeNotifier {
public:
    explicit TKestGraphicsChangeNotifier(QObject* sender) : FSender(sender) {}
    virtual ~TKestGraphicsChangeNotifier() = default;

    virtual void BeginUpdate() { ++FUpdateCount; }
    // An EndUpdate without its BeginUpdate leaves the counter at 0, so later
    // changes still notify.
    virtual void EndUpdate()
    {
        if (FUpdateCount > 0)
            --FUpdateCount;
        DoChanged();
    }
    int UpdateCount() const { return FUpdateCount; }

    TNotifyEvent OnChanged;
    TNotifyEvent GetOnChanged() const { return OnChanged; }
    void SetOnChanged(const TNotifyEvent& value) { OnChanged = value; }

protected:
    void DoChanged()
    {
        if (FUpdateCount == 0 && OnChanged)
            OnChanged(FSender);
    }

    // The setters' rule: store and notify only a different value.
    template <typename T>
    void Update(T& field, const T& value)
    {
        if (!(field == value)) {
            field = value;
            DoChanged();
        }
    }

    // Holds notification back for the scope of a compound change.
    class TUpdateScope {
    public:
        explicit TUpdateScope(TKestGraphicsChangeNotifier& owner) : FOwner(owner) { ++FOwner.FUpdateCount; }
        ~TUpdateScope() { --FOwner.FUpdateCount; }
        TUpdateScope(const TUpdateScope&) = delete;
        TUpdateScope& operator=(const TUpdateScope&) = delete;

    private:
        TKestGraphicsChangeNotifier& FOwner;
    };

private:
    int FUpdateCount = 0;
    QObject* FSender;
};

#pragma GCC visibility pop

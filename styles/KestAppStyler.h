#pragma once
// The application styler: keeps a list of form stylers (not owned) and
// pushes its style, Metro settings, application colour and tones to all of
// them, so that one change restyles every form. It can follow the desktop's
// theme.

#include "styles/ColorTones.h"
#include "styles/KestStyler.h"

#include <vector>

#pragma GCC visibility push(default)

class TKestFormStyler;

class TKestAppStyler : public TKestStyler {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(TColor AppColor READ AppColor WRITE SetAppColor)
    Q_CLASSINFO("Default:AppColor", "clNone")

public:
    explicit TKestAppStyler(TComponent* owner);
    ~TKestAppStyler() override;

    // A form styler is listed once; the application styler hears of its
    // destruction, so the list never holds a destroyed one.
    void RegisterFormStyler(TKestFormStyler* item);
    void UnRegisterFormStyler(TKestFormStyler* formStyler);
    const std::vector<TKestFormStyler*>& FormStylers() const { return FForms; }

    void ApplyStyle() override;
    void SetColorTones(const TColorTones& tones);
    // The tones last given to SetColorTones (all zero until then).
    const TColorTones& Tones() const { return FTones; }

    void SetStyle(TZPXStyle value) override;
    void SetAppColor(TColor value) override;
    void SetMetro(bool value) override;

    void Loaded() override;
    void Assign(TPersistent* source) override;

protected:
    void UpdateMetro() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool Pushes() const { return !IsLoading() && !IsDesigning(); }
    // The registered stylers as they are now, each handed to action only
    // while it is still registered (an action may unregister or free others).
    template <typename Action>
    void ForEachFormStyler(Action action);

    TColorTones FTones{};
    std::vector<TKestFormStyler*> FForms;
};

#pragma GCC visibility pop

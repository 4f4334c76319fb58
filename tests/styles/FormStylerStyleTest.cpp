// Finding the style of the form styler on a component's form.

#include "styles/FormStylerStyle.h"

#include "framework/Button.h"
#include "framework/Form.h"
#include "styles/KestFormStyler.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class FormStylerStyleTest : public ::testing::Test {
protected:
    TKestFormStyler* AddStyler(TZPXStyle style, bool enabled)
    {
        auto* styler = new TKestFormStyler(form.get());
        styler->SetStyle(style);
        styler->SetEnabled(enabled);
        return styler;
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

TEST_F(FormStylerStyleTest, SkipsDisabledAndCustomStylers)
{
    AddStyler(tsOffice2013Gray, false);
    AddStyler(tsCustom, true);
    AddStyler(tsOffice2016Black, true);
    AddStyler(tsOffice2019Gray, true);
    EXPECT_EQ(GetFormStylerStyle(form.get(), tsWindows7), tsOffice2016Black);
}

TEST_F(FormStylerStyleTest, ControlsAskTheirForm)
{
    AddStyler(tsTerminal, true);
    auto* panel = new QWidget(form.get()); // a plain container between
    auto* button = new TButton(form.get());
    button->SetParent(panel);
    EXPECT_EQ(GetFormStylerStyle(button, tsWindows7), tsTerminal);

    auto looseButton = std::make_unique<TButton>(nullptr);
    EXPECT_EQ(GetFormStylerStyle(looseButton.get(), tsWindows7), tsWindows7);
}

TEST_F(FormStylerStyleTest, DefaultWithoutAnswer)
{
    EXPECT_EQ(GetFormStylerStyle(nullptr, tsWindows8), tsWindows8);
    EXPECT_EQ(GetFormStylerStyle(form.get(), tsWindows8), tsWindows8); // no styler
    TKestFormStyler* styler = AddStyler(tsCustom, true);
    EXPECT_EQ(GetFormStylerStyle(form.get(), tsWindows8), tsWindows8);
    styler->SetStyle(tsOffice2010Blue);
    // A non-visual component is neither a form nor a control.
    EXPECT_EQ(GetFormStylerStyle(styler, tsWindows8), tsWindows8);
    EXPECT_EQ(GetFormStylerStyle(form.get(), tsWindows8), tsOffice2010Blue);
}

}

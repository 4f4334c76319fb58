// The sample's --styler option: the second window restyled from its combo
// box through every offered style, and by colour tones.

#include "app/Form2.h"
#include "app/StylerOption.h"
#include "framework/ComboBox.h"
#include "framework/platform/linux/LinuxRegistry.h"
#include "styles/KestFormStyler.h"

#include "support/FakePlatform.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

TEST(StylerOption, EveryOfferedStyleRestylesBarAndWindow)
{
    TFakeDesktopTheme theme;
    Platform::TLinuxRegistry registry{QString()};
    Platform::TScopedService<Platform::IDesktopTheme> t{theme};
    Platform::TScopedService<Platform::IRegistry> r{registry};
    std::unique_ptr<TForm2> form(TCustomForm::Create<TForm2>(nullptr));
    TKestFormStyler* styler = StylerOption::AddFormStyler(form.get());
    EXPECT_EQ(StylerOption::FormStyler(form.get()), styler);
    EXPECT_EQ(styler->Style(), tsWindows10); // follows the light desktop
    EXPECT_EQ(form->kestTree->UIStyle(), tsWindows10);

    TComboBox* combo = styler->ComboBox();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->Widget()->parentWidget(), form.get());
    combo->SetItemIndex(-1);
    QTest::keyClick(combo, Qt::Key_Down); // from nothing to the first item
    for (int i = 0; i < combo->ItemCount(); ++i) {
        ASSERT_EQ(combo->ItemIndex(), i);
        const TZPXStyle style = TKestFormStyler::StyleOfItem(combo->ItemObject(i));
        EXPECT_EQ(styler->Style(), style) << combo->Text().toStdString();
        if (style != tsCustom) { // custom leaves the bar as it was
            EXPECT_EQ(form->kestTree->UIStyle(), style) << combo->Text().toStdString();
        }
        QTest::keyClick(combo, Qt::Key_Down);
    }
    // "Custom", last, pushes nothing: the window keeps the black of the
    // style before it.
    EXPECT_EQ(form->Color(), 0x000000);
    form->SetColor(0x010101);

    const TColorTones tones = KestStyles::MakeMetroTones(false, 0x0078D7, 0);
    styler->SetColorTones(tones);
    EXPECT_EQ(form->Color(), 0x000000);
    EXPECT_EQ(form->kestTree->Appearance()->Color(), 0x000000);
    EXPECT_EQ(form->kestTree->Appearance()->ButtonAppearance()->ColorHot(), tones.Hover.BrushColor);
    EXPECT_EQ(combo->Text(), "Custom");
}

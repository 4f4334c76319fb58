#include "LayoutProbe.h"

#include "framework/Button.h"
#include "framework/LayoutReader.h"
#include "framework/LayoutText.h"
#include "framework/LayoutWriter.h"
#include "framework/Menus.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>

#include "support/QtPrinters.h"

namespace {

const char* kMenuLayout = R"(object F: TLayoutTestForm
  object PopupMenu1: TPopupMenu
    AutoPopup = false
    OnPopup = Ping
    object Open1: TMenuItem
      Caption = "&Open"
      OnClick = Ping
    end
    object N1: TMenuItem
      Caption = "-"
    end
    object More1: TMenuItem
      Caption = "More"
      object Deep1: TMenuItem
        Caption = "Deep"
        Checked = true
        Enabled = false
      end
    end
  end
end
)";

const TLayoutObject* Child(const TLayoutObject& obj, const QString& name)
{
    for (const auto& c : obj.children)
        if (c.name == name)
            return &c;
    return nullptr;
}

template <typename T>
T* Find(TComponent* root, const char* name)
{
    return dynamic_cast<T*>(root->FindComponent(QString::fromLatin1(name)));
}

}

TEST(PopupMenu, ItemsNestInTheLayoutAndComeBackTheSame)
{
    auto form = std::make_unique<TLayoutTestForm>(nullptr);
    TLayoutReader::ReadRoot(QString::fromUtf8(kMenuLayout), form.get());
    auto* menu = Find<TPopupMenu>(form.get(), "PopupMenu1");
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->AutoPopup());

    QList<QAction*> top = menu->Menu()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), "&Open");
    EXPECT_TRUE(top[1]->isSeparator());
    ASSERT_NE(top[2]->menu(), nullptr);
    QList<QAction*> deep = top[2]->menu()->actions();
    ASSERT_EQ(deep.size(), 1);
    EXPECT_TRUE(deep[0]->isChecked());
    EXPECT_FALSE(deep[0]->isEnabled());

    top[0]->trigger();
    EXPECT_EQ(form->pingedBy, form->FindComponent("Open1")->Object());
    menu->Popup(10, 10);
    EXPECT_EQ(form->pingedBy, menu);
    EXPECT_TRUE(menu->Menu()->isVisible());
    menu->Menu()->close();

    TLayoutObject stored = LayoutText::Parse(QString::fromUtf8(kMenuLayout));
    TLayoutObject written = TLayoutWriter::WriteRoot(form.get());
    ASSERT_NE(Child(written, "PopupMenu1"), nullptr);
    EXPECT_EQ(LayoutText::Write(*Child(written, "PopupMenu1")), LayoutText::Write(*Child(stored, "PopupMenu1")));
}

TEST(PopupMenu, ItemsAndMenusGoAwayInAnyOrder)
{
    auto form = std::make_unique<TLayoutTestForm>(nullptr);
    TLayoutReader::ReadRoot(QString::fromUtf8(kMenuLayout), form.get());
    auto* more = Find<TMenuItem>(form.get(), "More1");
    delete Find<TMenuItem>(form.get(), "Deep1");
    EXPECT_EQ(more->Count(), 0);
    EXPECT_TRUE(more->SubMenu()->actions().isEmpty());

    // A control that names a menu of another owner forgets it when it goes.
    auto* menu = Find<TPopupMenu>(form.get(), "PopupMenu1");
    TButton button(nullptr);
    button.SetPopupMenu(menu);
    delete menu;
    EXPECT_EQ(button.PopupMenu(), nullptr);
    EXPECT_EQ(more->Parent(), nullptr);
    EXPECT_EQ(more->GetParentComponent(), nullptr);
    form.reset(); // the items go with their owner after their menu
}

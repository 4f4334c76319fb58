// The form styler as stored layouts see it.

#include "styles/KestFormStyler.h"

#include "framework/Form.h"
#include "framework/LayoutReader.h"
#include "framework/LayoutWriter.h"
#include "styles/FormStylerStyle.h"

#include <gtest/gtest.h>
#include <memory>

#include "support/QtPrinters.h"

TEST(KestFormStyler, ReadFromALayoutAndStoredOnlyWhenNotDefault)
{
    auto form = std::make_unique<TForm>(nullptr);
    TLayoutReader::ReadRoot(QStringLiteral("object F: TForm\n"
                                           "  object Styler1: TKestFormStyler\n"
                                           "    Style = tsOffice2016Gray\n"
                                           "  end\n"
                                           "  object Styler2: TKestFormStyler\n"
                                           "    Enabled = false\n"
                                           "  end\n"
                                           "end\n"),
                            form.get());
    ASSERT_EQ(form->ComponentCount(), 2);
    auto* first = dynamic_cast<TKestFormStyler*>(form->Components(0));
    auto* second = dynamic_cast<TKestFormStyler*>(form->Components(1));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(first->Enabled());
    EXPECT_EQ(first->Style(), tsOffice2016Gray);
    EXPECT_FALSE(second->Enabled());
    EXPECT_EQ(second->Style(), tsCustom);
    EXPECT_EQ(GetFormStylerStyle(form.get(), tsWindows7), tsOffice2016Gray);

    const QString written = TLayoutWriter::WriteRootText(form.get());
    EXPECT_TRUE(written.contains("Style = tsOffice2016Gray")) << written.toStdString();
    EXPECT_TRUE(written.contains("Enabled = false")) << written.toStdString();
    EXPECT_FALSE(written.contains("Style = tsCustom")) << written.toStdString();
    EXPECT_FALSE(written.contains("Enabled = true")) << written.toStdString();
}

// The appearance records: which writers notify, how they copy, what is
// stored, and how the bar takes their changes and its style.

#include "pathbar/KestExplorerTreeview.h"

#include "framework/Form.h"
#include "framework/TypeInfo.h"
#include "styles/KestFormStyler.h"

#include "AppearanceProbe.h"
#include "support/QtPrinters.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct WriterCase {
    const char* property; // "ButtonAppearance.<name>" for the button record
    bool notifies;
};

class WriterRule : public ::testing::TestWithParam<WriterCase> {
protected:
    void SetUp() override
    {
        appearance.OnChange = [this](QObject* sender) {
            ++changes;
            EXPECT_EQ(sender, &appearance);
        };
        QString name = GetParam().property;
        record = &appearance;
        if (name.startsWith("ButtonAppearance.")) {
            record = appearance.ButtonAppearance();
            name = name.mid(17);
        }
        property = record->metaObject()->property(record->metaObject()->indexOfProperty(name.toLatin1()));
        ASSERT_TRUE(property.isValid());
    }
    void Write(TColor value) { property.write(record, QVariant::fromValue(value)); }
    TColor Read() const { return property.read(record).value<TColor>(); }

    TExpTreeviewAppearance appearance;
    QObject* record = nullptr;
    QMetaProperty property;
    int changes = 0;
};

TEST_P(WriterRule, StoresAndNotifiesOnlyOnARealChange)
{
    const TColor initial = Read();
    EXPECT_FALSE(TypeInfo::IsStored(record, property)) << "a default is not stored";
    Write(initial);
    EXPECT_EQ(changes, 0);
    Write(0x010203);
    EXPECT_EQ(Read(), 0x010203);
    EXPECT_EQ(changes, GetParam().notifies ? 1 : 0);
    EXPECT_TRUE(TypeInfo::IsStored(record, property));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Writers, WriterRule, ::testing::Values(
    WriterCase{"ButtonAppearance.ColorDown", true},
    WriterCase{"ButtonAppearance.ColorDownTo", true},
    WriterCase{"ButtonAppearance.ColorMirrorDown", true},
    WriterCase{"ButtonAppearance.ColorMirrorDownTo", true},
    WriterCase{"ButtonAppearance.ArrowColorDown", false},
    WriterCase{"ButtonAppearance.ArrowColorHot", false},
    WriterCase{"ButtonAppearance.BorderColorDown", false},
    WriterCase{"ButtonAppearance.BorderColorHot", false},
    WriterCase{"ButtonAppearance.BorderColorNodeHot", false},
    WriterCase{"ButtonAppearance.ColorHot", false},
    WriterCase{"ButtonAppearance.ColorHotTo", false},
    WriterCase{"ButtonAppearance.ColorMirrorHot", false},
    WriterCase{"ButtonAppearance.ColorMirrorHotTo", false},
    WriterCase{"ButtonAppearance.ColorNodeHot", false},
    WriterCase{"ButtonAppearance.ColorNodeHotTo", false},
    WriterCase{"ButtonAppearance.ColorMirrorNodeHot", false},
    WriterCase{"ButtonAppearance.ColorMirrorNodeHotTo", false},
    WriterCase{"OuterBorderColor", true},
    WriterCase{"InnerBorderColor", true},
    WriterCase{"InnerMostBorderColor", true},
    WriterCase{"FocusOuterBorderColor", true},
    WriterCase{"FocusInnerBorderColor", true},
    WriterCase{"Color", true},
    WriterCase{"FocusColor", true},
    WriterCase{"HotColor", true}),
    [](const auto& info) { return QString(info.param.property).remove('.').toStdString(); });
// clang-format on

TEST(AppearanceRecords, DefaultColours)
{
    // clang-format off
    const TColorMap defaults = {
        {"ButtonAppearance.BorderColorHot",       0x8B5816},
        {"ButtonAppearance.ColorHot",             0xFBEDD3},
        {"ButtonAppearance.ArrowColorHot",        0x000000},
        {"ButtonAppearance.ColorMirrorHot",       0xF7D89C},
        {"ButtonAppearance.ColorMirrorHotTo",     0xF5D089},
        {"ButtonAppearance.ColorHotTo",           0xFAE9C7},
        {"ButtonAppearance.ArrowColorDown",       0x000000},
        {"ButtonAppearance.ColorDownTo",          0xF7E7C9},
        {"ButtonAppearance.ColorDown",            0xFCF1E4},
        {"ButtonAppearance.ColorMirrorDownTo",    0xDDB66D},
        {"ButtonAppearance.ColorMirrorDown",      0xEDCE93},
        {"ButtonAppearance.BorderColorDown",      0x8B622C},
        {"ButtonAppearance.ColorMirrorNodeHotTo", 0xD2D2D2},
        {"ButtonAppearance.BorderColorNodeHot",   0x8F8F8E},
        {"ButtonAppearance.ColorNodeHot",         0xF2F2F2},
        {"ButtonAppearance.ColorMirrorNodeHot",   0xD9D9D9},
        {"ButtonAppearance.ColorNodeHotTo",       0xEEEEEE},
        {"Color",                                 0xFAF0E6},
        {"FocusColor",                            0xFFFFFF},
        {"FocusOuterBorderColor",                 clNone.Value},
        {"InnerBorderColor",                      0xB99D7F},
        {"OuterBorderColor",                      clNone.Value},
        {"FocusInnerBorderColor",                 0xB99D7F},
        {"HotColor",                              0xFFF9F4},
        {"InnerMostBorderColor",                  clNone.Value},
    };
    // clang-format on
    const TExpTreeviewAppearance appearance;
    TColorMap colors = AllColors(appearance);
    colors.remove("ButtonAppearance.Font.Color"); // the framework font's own
    EXPECT_EQ(colors.keys(), defaults.keys());
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it)
        EXPECT_EQ(QString::number(colors.value(it.key()), 16), QString::number(it.value(), 16)) << it.key().toStdString();
}

TEST(AppearanceRecords, FontChangesReachTheBarRecord)
{
    TExpTreeviewAppearance appearance;
    int changes = 0;
    appearance.OnChange = [&](QObject*) { ++changes; };
    appearance.ButtonAppearance()->Font()->SetHeight(-20);
    EXPECT_EQ(changes, 1);
    TFont other;
    other.SetName("Arial");
    appearance.ButtonAppearance()->SetFont(&other); // copies
    EXPECT_EQ(appearance.ButtonAppearance()->Font()->Name(), "Arial");
    EXPECT_NE(appearance.ButtonAppearance()->Font(), &other);
    EXPECT_EQ(changes, 2);
}

TEST(AppearanceRecords, ButtonAssignCopiesEveryColourAndRejectsOtherClasses)
{
    TExpTreeviewAppearance source, target;
    PaintAll(source, 0x0A0B0C);
    source.ButtonAppearance()->Font()->SetName("Arial");
    int changes = 0;
    target.OnChange = [&](QObject*) { ++changes; };
    target.ButtonAppearance()->Assign(source.ButtonAppearance());
    EXPECT_EQ(target.ButtonAppearance()->ColorHot(), 0x0A0B0C);
    EXPECT_EQ(target.ButtonAppearance()->ArrowColorDown(), 0x0A0B0C);
    EXPECT_EQ(target.ButtonAppearance()->Font()->Name(), "Arial");
    EXPECT_EQ(changes, 1) << "only the font's copy notifies";

    try {
        target.ButtonAppearance()->Assign(&source);
        FAIL() << "assigning another class must raise";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TExpTreeviewAppearance to a TButtonAppearance");
    }
}

TEST(AppearanceRecords, BarRecordAssignCopiesItsKindAndIgnoresOthers)
{
    TExpTreeviewAppearance source, target;
    PaintAll(source, 0x0A0B0C);
    target.Assign(&source);
    EXPECT_EQ(AllColors(target), AllColors(source));

    const TColorMap before = AllColors(target);
    TFont font;
    EXPECT_NO_THROW(target.Assign(&font));
    EXPECT_NO_THROW(target.Assign(nullptr));
    EXPECT_EQ(AllColors(target), before);
}

TEST(AppearanceRecords, WritingTheButtonRecordAlwaysNotifies)
{
    TExpTreeviewAppearance appearance;
    TButtonAppearance same;
    int changes = 0;
    appearance.OnChange = [&](QObject*) { ++changes; };
    appearance.SetButtonAppearance(&same);
    EXPECT_GE(changes, 1);
    EXPECT_NE(appearance.ButtonAppearance(), &same);
}

// A bar on screen, counting the paint events it gets.
class BarPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bar->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(bar.get()));
        bar->installEventFilter(&counter);
        Settle();
    }
    void Settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        counter.paints = 0;
    }
    int PaintsAfter(const std::function<void()>& change)
    {
        change();
        QCoreApplication::processEvents();
        return counter.paints;
    }

    struct TPaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            paints += e->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    std::unique_ptr<TKestExplorerTreeview> bar = std::make_unique<TKestExplorerTreeview>(nullptr);
};

TEST_F(BarPaintTest, OnlyNotifyingWritersRepaint)
{
    TButtonAppearance* b = bar->Appearance()->ButtonAppearance();
    EXPECT_EQ(PaintsAfter([&] { b->SetColorHot(0x010203); }), 0);
    Settle();
    EXPECT_GE(PaintsAfter([&] { b->SetColorDown(0x010203); }), 1);
    Settle();
    EXPECT_GE(PaintsAfter([&] { bar->Appearance()->SetOuterBorderColor(0x010203); }), 1);
}

TEST_F(BarPaintTest, AStyleRepaintsTheBar)
{
    EXPECT_GE(PaintsAfter([&] { bar->SetComponentStyle(tsOffice2019Black); }), 1);
    EXPECT_EQ(bar->Color(), 0x444444); // the mouse is not over the bar
}

TEST(BarAppearance, WriterCopiesIntoTheOwnedRecord)
{
    TKestExplorerTreeview bar(nullptr);
    TExpTreeviewAppearance given;
    PaintAll(given, 0x0A0B0C);
    TExpTreeviewAppearance* owned = bar.Appearance();
    bar.SetAppearance(&given);
    EXPECT_EQ(bar.Appearance(), owned);
    EXPECT_EQ(AllColors(*owned), AllColors(given));
}

TEST(BarStyle, AnswersTheStyleInterfaceOnly)
{
    TKestExplorerTreeview bar(nullptr);
    IZPXStyle* style = Supports<IZPXStyle>(&bar);
    ASSERT_NE(style, nullptr);
    style->SetComponentStyle(tsOffice2016Black);
    EXPECT_EQ(bar.UIStyle(), tsOffice2016Black);
    EXPECT_EQ(bar.Appearance()->Color(), 0x444444);
    EXPECT_EQ(Supports<IZPXStyleAppColor>(&bar), nullptr);
    EXPECT_EQ(Supports<IZPXColorTones>(&bar), nullptr);

    // The published UIStyle writes through the same path.
    EXPECT_TRUE(bar.setProperty("UIStyle", QVariant::fromValue(tsOffice2010Blue)));
    EXPECT_EQ(bar.GetComponentStyle(), tsOffice2010Blue);
    EXPECT_EQ(bar.Appearance()->OuterBorderColor(), 0xC7B29F);
}

// A bar placed on a form in the designer takes the style of the form's
// styler (or the newest white one), and still reports tsCustom.
struct DesignCase {
    const char* name;
    bool designing;
    bool loading;
    TZPXStyle stylerStyle; // tsCustom: no styler
    TColor outerBorder;
};

class DesignerPlacement : public ::testing::TestWithParam<DesignCase> {};

TEST_P(DesignerPlacement, TakesTheFormsStyle)
{
    const DesignCase& c = GetParam();
    TForm form(nullptr);
    if (c.stylerStyle != tsCustom)
        (new TKestFormStyler(&form))->SetStyle(c.stylerStyle);
    form.SetDesigning(c.designing);
    form.SetLoading(c.loading);
    auto* bar = new TKestExplorerTreeview(&form);
    form.SetLoading(false);
    EXPECT_EQ(bar->Appearance()->OuterBorderColor(), c.outerBorder);
    EXPECT_EQ(bar->UIStyle(), tsCustom);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Placements, DesignerPlacement, ::testing::Values(
    DesignCase{"StylerStyle", true, false, tsOffice2013Gray, 0xABABAB},
    DesignCase{"NoStylerGivesWhite", true, false, tsCustom, 0xABABAB},
    DesignCase{"StylerOffice2010", true, false, tsOffice2010Black, 0x6D6D6D},
    DesignCase{"NotDesigning", false, false, tsOffice2013Gray, clNone},
    DesignCase{"FormLoading", true, true, tsOffice2013Gray, clNone}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}

// Object persistence over the fixture graph: document form, every property
// kind, containers, references, settings and the failures of bad documents.

#include "JSONTestSupport.h"
#include "PersistenceFixtures.h"

#include "persistence/KestPersistence.h"
#include "persistence/KestReader.h"
#include "persistence/KestWriter.h"

#include "framework/FormatSettings.h"
#include "framework/Stream.h"
#include "framework/TypeInfo.h"

#include <QLocale>
#include <QTemporaryDir>
#include <clocale>

namespace {

// The text of one member of a saved document, as written.
QString Member(const QString& json, const QString& name)
{
    const QString key = u'"' + name + QStringLiteral("\":");
    const qsizetype start = json.indexOf(key);
    if (start < 0)
        return QStringLiteral("<missing>");
    qsizetype end = start + key.size();
    int depth = 0;
    bool quoted = false;
    for (; end < json.size(); ++end) {
        const QChar c = json[end];
        if (quoted) {
            if (c == u'\\')
                ++end;
            else if (c == u'"')
                quoted = false;
            continue;
        }
        if (c == u'"')
            quoted = true;
        else if (c == u'{' || c == u'[')
            ++depth;
        else if (c == u'}' || c == u']') {
            if (depth == 0)
                break;
            --depth;
        } else if (c == u',' && depth == 0)
            break;
    }
    return json.mid(start + key.size(), end - start - key.size());
}

class PersistenceTest : public ::testing::Test {
protected:
    void TearDown() override { TKestPersistence::ResetSettings(); }
};

}

TEST_F(PersistenceTest, WritesTheTypeMemberThenPropertiesInNameOrder)
{
    TOrderSample sample;
    EXPECT_EQ(Save(&sample), QStringLiteral(R"({"$type":"TOrderSample","A":1,"b":2,"c":3})"));
}

TEST_F(PersistenceTest, NameOrderClearsTheCaseBitOfLettersOnlyAndPutsPrefixesFirst)
{
    const TKestClassProperties& properties = TKestPersistence::ClassProperties(&TSample::staticMetaObject);
    QStringList names;
    for (const TKestPropInfo& info : properties.Sorted)
        names << info.Name;
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return a.toUpper() < b.toUpper();
    });
    EXPECT_EQ(names, sorted);
    // The same list object per class: sorted once, not per object.
    EXPECT_EQ(&properties, &TKestPersistence::ClassProperties(&TSample::staticMetaObject));
}

TEST_F(PersistenceTest, ColoursAreWrittenAsRedFirstHexOrByName)
{
    SetSystemColor(15, RGB(0x12, 0x34, 0x56));
    struct Case {
        TColor color;
        const char* text;
    } cases[] = {
        {clRed, "\"#FF0000\""},
        {RGB(0x0A, 0xB0, 0x0C), "\"#0AB00C\""},
        {TColor(-1), "\"gcNull\""},
        {clBtnFace, "\"#123456\""},
        {clNone, "\"clNone\""},
        {clDefault, "\"clDefault\""},
    };
    for (const Case& c : cases) {
        TSample sample;
        sample.Color = c.color;
        EXPECT_EQ(Member(Save(&sample), QStringLiteral("Color")), QLatin1String(c.text)) << c.text;
    }
    RefreshSystemColors();
}

TEST_F(PersistenceTest, ColourTextsReadInEitherLetterCase)
{
    struct Case {
        const char* text;
        TColor color;
    } cases[] = {
        {"#00FF00", 0x00FF00},   {"#ff0000", clRed},  {"#FF0000", clRed}, {"#aBcDeF", RGB(0xAB, 0xCD, 0xEF)},
        {"#FF", clRed},          {"#FF00F", clRed},   {"#", clBlack},     {"gcNull", TColor(-1)},
        {"clNone", clNone},
    };
    for (const Case& c : cases) {
        TSample sample;
        sample.Color = clWhite;
        Load(&sample, QStringLiteral(R"({"$type":"TSample","Color":"%1"})").arg(QLatin1String(c.text)));
        EXPECT_EQ(sample.Color.Value, c.color.Value) << c.text;
    }
}

TEST_F(PersistenceTest, ColourTextsWithOtherCharactersAreRefused)
{
    for (const char* text : {"#GG0000", "#12345G", "#1234567", "red", "", "00FF00", "#-10000"}) {
        TSample sample;
        sample.Count = 0;
        sample.Color = clWhite;
        ExpectRaises([&] { Load(&sample, QStringLiteral(R"({"$type":"TSample","Count":4,"Color":"%1"})").arg(QLatin1String(text))); },
                     EXCEPTION_CLASS(EKestReaderException),
                     QStringLiteral("Invalid color value \"%1\"").arg(QLatin1String(text)));
        EXPECT_EQ(sample.Color.Value, clWhite.Value) << text;
        EXPECT_EQ(sample.Count, 4) << "what was read before stays";
    }
}

TEST_F(PersistenceTest, EnumerationsAsOrdinalsSetsAsMasksBooleansAsLiterals)
{
    TSample sample;
    sample.Shape = SampleEnums::shTriangle;
    sample.Marks = SampleEnums::mkFirst | SampleEnums::mkThird;
    sample.Flag = true;
    const QString json = Save(&sample);
    EXPECT_EQ(Member(json, QStringLiteral("Shape")), QStringLiteral("2"));
    EXPECT_EQ(Member(json, QStringLiteral("Marks")), QStringLiteral("5"));
    EXPECT_EQ(Member(json, QStringLiteral("Flag")), QStringLiteral("true"));
}

TEST_F(PersistenceTest, OrdinalsAndMasksOutsideTheirTypeRaiseTheKindError)
{
    for (const char* member : {R"("Shape":3)", R"("Shape":-1)", R"("Marks":8)", R"("Marks":-1)", R"("Shape":[1])",
                               R"("Count":{})", R"("Flag":1)", R"("Mask":-1)", R"("Text":[])"}) {
        TSample sample;
        sample.Shape = SampleEnums::shSquare;
        sample.Marks = SampleEnums::mkSecond;
        EXPECT_THROW(Load(&sample, QStringLiteral(R"({"$type":"TSample",%1})").arg(QLatin1String(member))),
                     TKestJSONReader::EInvalidStateException)
            << member;
        EXPECT_EQ(sample.Shape, SampleEnums::shSquare) << member;
        EXPECT_EQ(sample.Marks, SampleEnums::TMarks(SampleEnums::mkSecond)) << member;
    }
}

TEST_F(PersistenceTest, EveryKindRoundTrips)
{
    TSample source;
    source.Count = -7;
    source.Mask = 4000000000u;
    source.Big = 1LL << 40;
    source.Ratio = 0.1;
    source.Scale = 0.3f;
    source.Flag = true;
    source.Text = QStringLiteral("quote \" back \\ caf\u00E9 \u4E2D");
    source.Color = RGB(1, 2, 3);
    source.Shape = SampleEnums::shSquare;
    source.Marks = SampleEnums::mkSecond | SampleEnums::mkThird;
    source.Font()->SetName(QStringLiteral("Arial"));
    source.Font()->SetSize(14);
    source.Font()->SetStyle(TFontStyles(fsBold));
    source.Child()->Caption = QStringLiteral("inner");
    source.Child()->Weight = 9;
    source.Lines()->Add(QStringLiteral("one"));
    source.Lines()->Add(QStringLiteral("two"));
    source.Names()->Items = {QStringLiteral("a"), QStringLiteral("b")};
    source.Numbers()->Items = {3, -1, 2147483647};
    source.Values()->Items = {0.5, -1e-7, 1e300};
    for (const char* caption : {"x", "y"}) {
        auto child = std::make_unique<TSampleChild>();
        child->Caption = QLatin1String(caption);
        source.Children()->Add(std::move(child));
        auto named = std::make_unique<TSampleChild>();
        named->Weight = 5;
        source.Named()->AddOrSetValue(QStringLiteral("caf\u00E9 ") + QLatin1String(caption), std::move(named));
    }
    auto* item = static_cast<TSampleItem*>(source.Items()->Add());
    item->Caption = QStringLiteral("first");
    item->Color = clBlue;

    TSample target;
    target.Lines()->Add(QStringLiteral("replaced"));
    target.Items()->Add();
    target.Items()->Add();
    Load(&target, Save(&source));

    EXPECT_EQ(target.Count, -7);
    EXPECT_EQ(target.Mask, 4000000000u);
    EXPECT_EQ(target.Big, 1LL << 40);
    EXPECT_EQ(target.Ratio, 0.1);
    EXPECT_EQ(target.Scale, 0.3f);
    EXPECT_TRUE(target.Flag);
    EXPECT_EQ(target.Text, source.Text);
    EXPECT_EQ(target.Color.Value, RGB(1, 2, 3).Value);
    EXPECT_EQ(target.Shape, SampleEnums::shSquare);
    EXPECT_EQ(target.Marks, source.Marks);
    EXPECT_EQ(target.Font()->Name(), QStringLiteral("Arial"));
    EXPECT_EQ(target.Font()->Size(), 14);
    EXPECT_EQ(target.Font()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(target.Child()->Caption, QStringLiteral("inner"));
    EXPECT_EQ(target.Child()->Weight, 9);
    EXPECT_EQ(target.Lines()->Items(), (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
    EXPECT_EQ(target.Names()->Items, source.Names()->Items);
    EXPECT_EQ(target.Numbers()->Items, source.Numbers()->Items);
    EXPECT_EQ(target.Values()->Items, source.Values()->Items);
    ASSERT_EQ(target.Children()->Count(), 2);
    EXPECT_EQ(static_cast<TSampleChild*>(target.Children()->Items(1))->Caption, QStringLiteral("y"));
    ASSERT_EQ(target.Named()->Count(), 2);
    EXPECT_EQ(target.Named()->Keys(0), QStringLiteral("caf\u00E9 x")) << "keys come back unescaped";
    EXPECT_EQ(static_cast<TSampleChild*>(target.Named()->Values(1))->Weight, 5);
    ASSERT_EQ(target.Items()->Count(), 1);
    EXPECT_EQ(static_cast<TSampleItem*>(target.Items()->Items(0))->Caption, QStringLiteral("first"));
    EXPECT_EQ(static_cast<TSampleItem*>(target.Items()->Items(0))->Color.Value, clBlue.Value);
}

TEST_F(PersistenceTest, ValuesWithoutAJSONFormAreNullAndNullLeavesAPropertyUnchanged)
{
    TSample sample;
    sample.Spot = QPoint(3, 4);
    const QString json = Save(&sample);
    EXPECT_EQ(Member(json, QStringLiteral("Spot")), QStringLiteral("null"));
    EXPECT_EQ(Member(json, QStringLiteral("Missing")), QStringLiteral("\"\""));
    sample.Count = 5;
    sample.Text = QStringLiteral("kept");
    Load(&sample, QStringLiteral(R"({"$type":"TSample","Count":null,"Text":null,"Spot":null,"Fixed":"other"})"));
    EXPECT_EQ(sample.Count, 5);
    EXPECT_EQ(sample.Text, QStringLiteral("kept"));
    EXPECT_EQ(sample.Spot, QPoint(3, 4));
    EXPECT_THROW(Load(&sample, QStringLiteral(R"({"$type":"TSample","Spot":[1,2]})")),
                 TKestJSONReader::EInvalidStateException);
}

TEST_F(PersistenceTest, AssignablePropertiesAreComponentNamesFoundOnTheRoot)
{
    TSampleComponent root;
    root.SetName(QStringLiteral("Root"));
    auto* part = new TSampleComponent(&root);
    part->SetName(QStringLiteral("Part1"));
    TSample sample;
    EXPECT_EQ(Member(Save(&sample), QStringLiteral("Partner")), QStringLiteral("\"\""));
    sample.Partner = part;
    EXPECT_EQ(Member(Save(&sample), QStringLiteral("Partner")), QStringLiteral("\"Part1\""));

    TSample target;
    TKestPersistence::SetRootObject(&root);
    Load(&target, QStringLiteral(R"({"$type":"TSample","Partner":"Part1"})"));
    EXPECT_EQ(target.Partner, part);
    Load(&target, QStringLiteral(R"({"$type":"TSample","Partner":"Nobody"})"));
    EXPECT_EQ(target.Partner, nullptr);
    TKestPersistence::SetRootObject(nullptr);
    target.Partner = part;
    Load(&target, QStringLiteral(R"({"$type":"TSample","Partner":""})"));
    EXPECT_EQ(target.Partner, part) << "without a root nothing is set";
}

TEST_F(PersistenceTest, EventHandlersAreMethodNamesOfTheRoot)
{
    TSampleComponent root;
    TSample sample;
    TKestPersistence::SetRootObject(&root);
    Load(&sample, QStringLiteral(R"({"$type":"TSample","OnChange":"ChangeHandler"})"));
    ASSERT_TRUE(sample.OnChange);
    sample.OnChange(&sample);
    EXPECT_EQ(root.Calls, 1);
    EXPECT_EQ(Member(Save(&sample), QStringLiteral("OnChange")), QStringLiteral("\"ChangeHandler\""));
    Load(&sample, QStringLiteral(R"({"$type":"TSample","OnChange":"NoSuchMethod"})"));
    EXPECT_FALSE(sample.OnChange);
    EXPECT_EQ(Member(Save(&sample), QStringLiteral("OnChange")), QStringLiteral("null"));

    TKestPersistence::SetRootObject(nullptr);
    ExpectRaises([&] { Load(&sample, QStringLiteral(R"({"$type":"TSample","OnChange":"ChangeHandler"})")); },
                 EXCEPTION_CLASS(TKestJSONReader::EInvalidStateException),
                 QStringLiteral("Invalid Json parser state. Expected state: 7"));
}

TEST_F(PersistenceTest, FontSizeIsFollowedByIsFMXAndPixelSizesConvertToPoints)
{
    TFont font;
    font.SetSize(10);
    const QString json = Save(&font);
    EXPECT_TRUE(json.contains(QStringLiteral(R"("Size":10,"IsFMX":false)"))) << json.toStdString();
    struct Case {
        const char* document;
        int size;
    } cases[] = {
        {R"({"$type":"TFont","Size":12,"IsFMX":true})", 9},
        {R"({"$type":"TFont","Size":12,"IsFMX":false})", 12},
        {R"({"$type":"TFont","Size":12})", 12},
        {R"({"$type":"TFont","Size":12,"Name":"Arial","IsFMX":true})", 12},
    };
    for (const Case& c : cases) {
        TFont target;
        Load(&target, QLatin1String(c.document));
        EXPECT_EQ(target.Size(), c.size) << c.document;
    }
}

TEST_F(PersistenceTest, AMissingTypeMemberRaisesButFromJSONReadsWithout)
{
    const QString document = QStringLiteral(R"({"A":5,"$type":"TOrderSample","c":6})");
    TOrderSample sample;
    ExpectRaises([&] { Load(&sample, document); }, EXCEPTION_CLASS(EKestReaderException),
                 QStringLiteral("\"$type\" property not found in Object descriptor."));
    EXPECT_EQ(sample.A, 1);
    sample.FromJSON(document);
    EXPECT_EQ(sample.A, 5);
    EXPECT_EQ(sample.c, 6);
    EXPECT_EQ(TKestPersistence::TypeKey(), QStringLiteral("$type"));
    EXPECT_EQ(TKestPersistence::IOReference(), nullptr);
    EXPECT_EQ(sample.JSON(), QStringLiteral(R"({"$type":"TOrderSample","A":5,"b":2,"c":6})"));
}

TEST_F(PersistenceTest, AnEmptyTypeKeyWritesAndExpectsNoTypeMember)
{
    TKestPersistence::SetTypeKey(QString());
    TOrderSample sample;
    EXPECT_EQ(Save(&sample), QStringLiteral(R"({"A":1,"b":2,"c":3})"));
    TSample target;
    Load(&target, QStringLiteral(R"({"Children":[{"Caption":"made of the item class"}]})"));
    ASSERT_EQ(target.Children()->Count(), 1);
    EXPECT_EQ(static_cast<TSampleChild*>(target.Children()->Items(0))->Caption, QStringLiteral("made of the item class"));
}

TEST_F(PersistenceTest, ExcludedPropertiesInAnyCaseAreNeitherWrittenNorRead)
{
    TOrderSample sample;
    EXPECT_EQ(sample.ToJSON({QStringLiteral("B"), QStringLiteral("C")}), QStringLiteral(R"({"$type":"TOrderSample","A":1})"));
    EXPECT_TRUE(TKestPersistence::ExcludeProperties().isEmpty()) << "restored after the call";
    TKestPersistence::SetExcludeProperties({QStringLiteral("a")});
    Load(&sample, QStringLiteral(R"({"$type":"TOrderSample","A":8,"b":9})"));
    EXPECT_EQ(sample.A, 1);
    EXPECT_EQ(sample.b, 9);
}

TEST_F(PersistenceTest, NumbersUseADotWhateverTheLocaleAndNothingProcessWideChanges)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TFormatSettings comma;
    comma.DecimalSeparator = QLatin1Char(',');
    comma.ThousandSeparator = QLatin1Char('.');
    TScopedFormatSettings scoped(comma);
    TSample sample;
    sample.Ratio = 2.5;
    const QString json = Save(&sample);
    EXPECT_EQ(Member(json, QStringLiteral("Ratio")), QStringLiteral("2.5"));
    TSample target;
    Load(&target, json);
    EXPECT_EQ(target.Ratio, 2.5);
    EXPECT_EQ(FormatSettings().DecimalSeparator, QLatin1Char(','));
    EXPECT_EQ(FormatSettings().ThousandSeparator, QLatin1Char('.'));
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    QLocale::setDefault(previous);
}

TEST_F(PersistenceTest, AGenericIntegerListIsFilledInPlace)
{
    TSample sample;
    TIntegerGenericList* list = sample.Numbers();
    list->Items = {1, 2, 3};
    const QString json = Save(&sample);
    EXPECT_EQ(Member(json, QStringLiteral("Numbers")), QStringLiteral("[1,2,3]"));
    list->Items = {9};
    Load(&sample, json);
    EXPECT_EQ(sample.Numbers(), list);
    EXPECT_EQ(list->Items, (QList<int>{1, 2, 3}));
    Load(&sample, QStringLiteral(R"({"$type":"TSample","Numbers":[4,null,5]})"));
    EXPECT_EQ(list->Items, (QList<int>{4, 5})) << "null elements are skipped";
}

TEST_F(PersistenceTest, ClassNamesTheTargetDoesNotAdmitAreRefused)
{
    struct Case {
        const char* member;
        const char* message;
    } cases[] = {
        {R"("Children":[{"$type":"TNoSuchClass"}])", "Type \"TNoSuchClass\" not found"},
        {R"("Children":[{"$type":"TOrderSample"}])", "Type \"TOrderSample\" does not inherit from TSampleChild"},
        {R"("Items":[{"$type":"TSampleChild"}])", "Type \"TSampleChild\" does not inherit from TSampleItem"},
        {R"("Named":[{"key":{"$type":"TForm"}}])", "Type \"TForm\" does not inherit from TSampleChild"},
    };
    for (const Case& c : cases) {
        TSample sample;
        ExpectRaises([&] { Load(&sample, QStringLiteral(R"({"$type":"TSample",%1})").arg(QLatin1String(c.member))); },
                     EXCEPTION_CLASS(EKestReaderException), QLatin1String(c.message));
    }
    // Through the root object class only value objects can be made: no
    // form, control or other component.
    for (const char* name : {"TForm", "TButton", "TSampleComponent"})
        ExpectRaises([&] { TKestPersistence::CreateObject(QLatin1String(name), nullptr); },
                     EXCEPTION_CLASS(EKestReaderException),
                     QStringLiteral("Type \"%1\" not supported").arg(QLatin1String(name)));
    EXPECT_NE(TKestPersistence::CreateObject(QStringLiteral("TSampleChild"), nullptr), nullptr);
    EXPECT_NE(TKestPersistence::CreateObject(QStringLiteral("TSampleComponent"), &TSampleComponent::staticMetaObject),
              nullptr);
}

TEST_F(PersistenceTest, ReaderMakesNewObjectsAndArrays)
{
    TMemoryStream stream(QByteArray(R"({"other":[1],"list":[{"$type":"TSampleChild","Caption":"a"},null,)"
                                    R"({"$type":"TOrderSample","A":4}]})"));
    TKestReader reader(stream);
    TKestObjectArray objects = reader.ReadArray(QStringLiteral("list"));
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(static_cast<TSampleChild*>(objects[0].get())->Caption, QStringLiteral("a"));
    EXPECT_EQ(static_cast<TOrderSample*>(objects[1].get())->A, 4);

    TMemoryStream written;
    {
        TKestWriter writer(written);
        writer.WriteArray(QStringLiteral("list"), {objects[0].get(), objects[1].get()});
    }
    EXPECT_EQ(written.Bytes(), QByteArray(R"({"list":[{"$type":"TSampleChild","Caption":"a","Weight":0},)"
                                          R"({"$type":"TOrderSample","A":4,"b":2,"c":3}]})"));

    TMemoryStream single(QByteArray(R"({"$type":"TSampleChild","Weight":3})"));
    TKestReader singleReader(single);
    std::unique_ptr<QObject> made = singleReader.Read(&TSampleChild::staticMetaObject);
    EXPECT_EQ(static_cast<TSampleChild*>(made.get())->Weight, 3);
}

TEST_F(PersistenceTest, RootsThatAreNoObjectRaiseTheWritersError)
{
    TMemoryStream stream;
    ExpectRaises([&] { TKestPersistence::SaveSettingsToStream(nullptr, stream); },
                 EXCEPTION_CLASS(TKestJSONWriter::EObjectOrArrayExpected),
                 QStringLiteral("Object or array expected as top-level value"));
    TPicture picture;
    ExpectRaises([&] { TKestPersistence::SaveSettingsToStream(&picture, stream); },
                 EXCEPTION_CLASS(TKestJSONWriter::EObjectOrArrayExpected),
                 QStringLiteral("Object or array expected as top-level value"));
}

TEST_F(PersistenceTest, ReferencesAreWrittenAsIdsAndSolvedAfterReading)
{
    TReferenceResolver resolver;
    TSampleChild known;
    known.Caption = QStringLiteral("known");
    resolver.Known.insert(QStringLiteral("known"), &known);
    TKestPersistence::SetIOReference(&resolver);
    TSample sample;
    sample.Missing = &known;
    EXPECT_EQ(Member(Save(&sample), QStringLiteral("Missing")), QStringLiteral("\"known\""));

    TSample target;
    TMemoryStream stream(QByteArray(R"({"$type":"TSample","Missing":"known","Children":[{"$type":"TSampleChild"}]})"));
    TKestReader reader(stream);
    reader.SetIOReference(&resolver);
    reader.Read(&target);
    EXPECT_EQ(target.Missing, nullptr) << "set only when solved";
    EXPECT_EQ(resolver.ItemsRead, 1);
    reader.SolveReferences();
    EXPECT_EQ(target.Missing, &known);
}

TEST_F(PersistenceTest, SolvingReferencesAfterAFailedReadLeavesTheFreedInstanceAlone)
{
    TReferenceResolver resolver;
    TSampleChild known;
    resolver.Known.insert(QStringLiteral("known"), &known);
    // The new sample collects a reference, then fails and is freed.
    TMemoryStream stream(QByteArray(R"({"$type":"TSample","Missing":"known","Count":[]})"));
    TKestReader reader(stream);
    reader.SetIOReference(&resolver);
    EXPECT_THROW(reader.Read(&TSample::staticMetaObject), TKestJSONReader::EInvalidStateException);
    ASSERT_EQ(reader.References().size(), 1u);
    EXPECT_EQ(reader.References()[0]->Instance, nullptr);
    reader.SolveReferences();
}

TEST_F(PersistenceTest, SettingsForgetObjectsThatWereDestroyed)
{
    {
        TSampleComponent root;
        TReferenceResolver resolver;
        TKestPersistence::SetRootObject(&root);
        TKestPersistence::SetIOReference(&resolver);
    }
    EXPECT_EQ(TKestPersistence::RootObject(), nullptr);
    EXPECT_EQ(TKestPersistence::IOReference(), nullptr);
    TOrderSample sample;
    EXPECT_EQ(Save(&sample), QStringLiteral(R"({"$type":"TOrderSample","A":1,"b":2,"c":3})"));
}

TEST_F(PersistenceTest, FromJSONAndExcludingToJSONRestoreTheSettingsWhenTheyFail)
{
    TReferenceResolver resolver;
    TKestPersistence::SetIOReference(&resolver);
    TKestPersistence::SetExcludeProperties({QStringLiteral("Text")});
    TSample sample;
    EXPECT_THROW(sample.FromJSON(QStringLiteral(R"({"Count":[]})")), TKestJSONReader::EInvalidStateException);
    EXPECT_EQ(TKestPersistence::TypeKey(), QStringLiteral("$type"));
    EXPECT_EQ(TKestPersistence::IOReference(), &resolver);

    sample.Ratio = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(sample.ToJSON({QStringLiteral("Count")}), TKestJSONWriter::EInvalidNumber);
    EXPECT_EQ(TKestPersistence::ExcludeProperties(), QStringList{QStringLiteral("Text")});
}

TEST_F(PersistenceTest, HooksAndFiltersDecidePerProperty)
{
    struct TFiltered : TOrderSample, IKestPropertyFilter {
        bool CanSaveProperty(QObject*, const QString& name, TTypeKind) override { return name != QLatin1String("A"); }
        bool CanLoadProperty(QObject*, const QString& name, TTypeKind) override { return name != QLatin1String("c"); }
    } filtered;
    TKestPersistence::SetExcludeProperties({QStringLiteral("b")});
    EXPECT_EQ(Save(&filtered), QStringLiteral(R"({"$type":"TOrderSample","b":2,"c":3})")) << "the filter, not the list";
    Load(&filtered, QStringLiteral(R"({"$type":"TOrderSample","A":7,"c":7})"));
    EXPECT_EQ(filtered.A, 7);
    EXPECT_EQ(filtered.c, 3);
    TKestPersistence::SetExcludeProperties({});

    TKestPersistence::OnCustomWriteProperty() = [](QObject*, const QString& name, TTypeKind kind, TKestJSONWriter& writer,
                                                   bool& canWrite) {
        EXPECT_EQ(kind, tkInteger);
        if (name == QLatin1String("b")) {
            writer.WriteName(QStringLiteral("b")).WriteString(QStringLiteral("own"));
            canWrite = false;
        }
    };
    TOrderSample sample;
    EXPECT_EQ(Save(&sample), QStringLiteral(R"({"$type":"TOrderSample","A":1,"b":"own","c":3})"));
    TKestPersistence::OnCustomReadProperty() = [](QObject* object, const QString& name, TTypeKind, TKestJSONReader& reader,
                                                  bool& canRead) {
        if (name == QLatin1String("b")) {
            static_cast<TOrderSample*>(object)->b = reader.ReadString().size();
            canRead = false;
        }
    };
    Load(&sample, QStringLiteral(R"({"$type":"TOrderSample","b":"four","c":1})"));
    EXPECT_EQ(sample.b, 4);
    EXPECT_EQ(sample.c, 1);
}

TEST_F(PersistenceTest, FilesAndStreamsCarryTheSameDocument)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sample.json"));
    TOrderSample sample;
    sample.A = 11;
    sample.SaveToJSONFile(file);
    TOrderSample target;
    target.LoadFromJSONFile(file);
    EXPECT_EQ(target.A, 11);
    TMemoryStream stream;
    sample.SaveToJSONStream(stream);
    target.A = 0;
    target.LoadFromJSONStream(stream);
    EXPECT_EQ(target.A, 11);
    EXPECT_THROW(target.LoadFromJSONFile(dir.filePath(QStringLiteral("missing.json"))), EFOpenError);
}

TEST_F(PersistenceTest, EnumerationValueNamesAreListedInOrder)
{
    const TKestClassProperties& properties = TKestPersistence::ClassProperties(&TSample::staticMetaObject);
    struct Case {
        const char* property;
        QStringList names;
    } cases[] = {
        {"Shape", {QStringLiteral("shCircle"), QStringLiteral("shSquare"), QStringLiteral("shTriangle")}},
        {"Marks", {QStringLiteral("mkFirst"), QStringLiteral("mkSecond"), QStringLiteral("mkThird")}},
        {"Flag", {QStringLiteral("False"), QStringLiteral("True")}},
        {"Count", {}},
    };
    for (const Case& c : cases) {
        TStrings values;
        TKestPersistence::GetEnumValues(values, *properties.Find(QLatin1String(c.property)));
        EXPECT_EQ(values.Items(), c.names) << c.property;
    }
}

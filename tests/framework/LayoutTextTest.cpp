#include "framework/Exception.h"
#include "framework/LayoutText.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

namespace {

struct Malformed {
    const char* name;
    const char* text;
    const char* message;
};

class LayoutTextErrors : public ::testing::TestWithParam<Malformed> {};

}

TEST_P(LayoutTextErrors, NameTheLine)
{
    try {
        LayoutText::Parse(QString::fromUtf8(GetParam().text), "test.layout");
        FAIL() << "no error";
    } catch (const ELayoutError& e) {
        EXPECT_EQ(e.Message(), QString::fromUtf8(GetParam().message));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layout, LayoutTextErrors,
    ::testing::Values(
        Malformed{"Empty", "\n# only a comment\n", "Layout error in test.layout at line 3: the layout is empty"},
        Malformed{"NotAnObject", "thing A: T\nend\n", "Layout error in test.layout at line 1: expected \"object\", found \"thing\""},
        Malformed{"MissingColon", "object A T\nend\n",
                  "Layout error in test.layout at line 1: expected \":\" after the object name \"A\""},
        Malformed{"MissingEnd", "object A: T\n  X = 1\n",
                  "Layout error in test.layout at line 3: missing \"end\" for object \"A\" begun at line 1"},
        Malformed{"MissingEquals", "object A: T\n  X 1\nend\n", "Layout error in test.layout at line 2: expected \"=\" after \"X\""},
        Malformed{"MissingValue", "object A: T\n  X =\nend\n", "Layout error in test.layout at line 2: missing value"},
        Malformed{"UnterminatedString", "object A: T\n  X = \"abc\nend\n",
                  "Layout error in test.layout at line 2: unterminated string"},
        Malformed{"BadEscape", "object A: T\n  X = \"a\\qb\"\nend\n",
                  "Layout error in test.layout at line 2: invalid escape \"\\q\" in string"},
        Malformed{"BadNumber", "object A: T\n  X = 12ab\nend\n",
                  "Layout error in test.layout at line 2: unexpected text \"ab\" at the end of the line"},
        Malformed{"HexTooLarge", "object A: T\n  X = 0x123456789\nend\n",
                  "Layout error in test.layout at line 2: invalid hexadecimal number \"0x123456789\""},
        Malformed{"OddBinary", "object A: T\n  Data = {0A0\n  }\nend\n",
                  "Layout error in test.layout at line 3: binary data has an odd number of hexadecimal digits"},
        Malformed{"UnclosedBinary", "object A: T\n  Data = {0A0B\n  X = 1\nend\n",
                  "Layout error in test.layout at line 3: invalid character \"X\" in binary data"},
        Malformed{"BadSet", "object A: T\n  S = [a b]\nend\n", "Layout error in test.layout at line 2: expected \",\" or \"]\" in a set"},
        Malformed{"TextAfterEnd", "object A: T\nend\nend\n",
                  "Layout error in test.layout at line 3: unexpected text after the final \"end\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutText, DeepNestingIsRefused)
{
    QString text;
    for (int i = 0; i < 500; ++i)
        text += QStringLiteral("object A%1: T\n").arg(i);
    EXPECT_THROW(LayoutText::Parse(text), ELayoutError);
}

TEST(LayoutText, ValuesSurviveWriteAndParse)
{
    TLayoutObject root;
    root.name = "Form";
    root.className = "TForm";
    root.properties = {
        {"Caption", TLayoutValue::String(QStringLiteral("Quote \" slash \\ tab \t line\n ünï")), 0},
        {"Left", TLayoutValue::Integer(-12), 0},
        {"Color", TLayoutValue::Integer(0xE3BDA3, true), 0},
        {"Ratio", TLayoutValue::Float(1.5), 0},
        {"Align", TLayoutValue::Ident("alTop"), 0},
        {"Style", TLayoutValue::Set({"fsBold", "fsItalic"}), 0},
        {"Empty", TLayoutValue::Set({}), 0},
        {"Data", TLayoutValue::Binary(QByteArray(100, '\x5A')), 0},
        {"Font.Name", TLayoutValue::String("Tahoma"), 0},
    };
    TLayoutObject child;
    child.name = "Button1";
    child.className = "TButton";
    root.children.push_back(child);

    TLayoutObject back = LayoutText::Parse(LayoutText::Write(root));
    ASSERT_EQ(back.properties.size(), root.properties.size());
    for (size_t i = 0; i < root.properties.size(); ++i) {
        const auto& a = root.properties[i];
        const auto& b = back.properties[i];
        EXPECT_EQ(a.path, b.path);
        EXPECT_EQ(a.value.kind, b.value.kind) << a.path.toStdString();
        EXPECT_EQ(a.value.integer, b.value.integer);
        EXPECT_EQ(a.value.number, b.value.number);
        EXPECT_EQ(a.value.text, b.value.text);
        EXPECT_EQ(a.value.set, b.value.set);
        EXPECT_EQ(a.value.bytes, b.value.bytes);
    }
    ASSERT_EQ(back.children.size(), 1u);
    EXPECT_EQ(back.children[0].className, "TButton");
    EXPECT_EQ(back.properties[8].line, 14); // the binary data before spans five lines
}

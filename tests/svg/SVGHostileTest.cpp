// Documents built to hurt: malformed XML, deep nesting, entity expansion,
// external entities, reference cycles and very large counts. Each gives a
// clear exception or a bounded result.

#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGImport.h"

#include <gtest/gtest.h>

namespace {

QString Nested(int depth)
{
    QString text = QStringLiteral("<svg>");
    for (int i = 1; i < depth; ++i)
        text += QStringLiteral("<g>");
    for (int i = 1; i < depth; ++i)
        text += QStringLiteral("</g>");
    return text + QStringLiteral("</svg>");
}

std::string MessageOf(const QString& text)
{
    TKestGraphicsSVGImport svg;
    try {
        svg.LoadFromText(text);
    } catch (const EKestGraphicsSVGError& e) {
        EXPECT_FALSE(svg.HasElements());
        return e.Message().toStdString();
    }
    return "no exception";
}

TEST(SVGHostile, RefusedDocuments)
{
    struct TCase {
        QString Text;
        const char* Message;
    };
    const QString laughs = QStringLiteral(
        "<!DOCTYPE svg [<!ENTITY a 'aaaaaaaaaa'><!ENTITY b '&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;'>"
        "<!ENTITY c '&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;'><!ENTITY d '&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;'>"
        "<!ENTITY e '&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;'><!ENTITY f '&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;'>]>"
        "<svg><text>&f;&f;&f;&f;&f;&f;&f;&f;</text></svg>");
    const TCase cases[] = {
        {Nested(1001), "SVG document nested deeper than 1000 levels"},
        {QStringLiteral("<!DOCTYPE svg [<!ENTITY x SYSTEM 'file:///etc/passwd'>]><svg><text>&x;</text></svg>"),
         "SVG document declares an external entity (x)"},
        {QStringLiteral("<!DOCTYPE svg [<!ENTITY x PUBLIC 'id' 'http://127.0.0.1/x'>]><svg/>"),
         "SVG document declares an external entity (x)"},
        {QStringLiteral("<svg><rect></svg>"),
         "Invalid SVG document (line 1, column 17): Opening and ending tag mismatch."},
        {QString(), "Invalid SVG document (line 1, column 0): Premature end of document."},
        {QStringLiteral("<svg>&nope;</svg>"), "Invalid SVG document (line 1, column 11): Entity 'nope' not declared."},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text.left(80).toStdString());
        EXPECT_EQ(MessageOf(c.Text), c.Message);
    }
    EXPECT_EQ(MessageOf(laughs), "Invalid SVG document (line 1, column 275): Entity expands to more characters than the "
                                 "entity expansion limit.");
}

TEST(SVGHostile, AcceptedDocuments)
{
    TKestGraphicsSVGImport svg;
    // As deep as allowed.
    svg.LoadFromText(Nested(1000));
    EXPECT_EQ(svg.ElementCount(), 1);
    // A document type declaration with internal entities.
    svg.LoadFromText(QStringLiteral("<!DOCTYPE svg PUBLIC '-//W3C//DTD SVG 1.1//EN' "
                                    "'http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd' [<!ENTITY red '#FF0000'>]>"
                                    "<svg><rect fill='&red;'/></svg>"));
    ASSERT_EQ(svg.ElementCount(), 1);
    EXPECT_EQ(svg.ElementList()[0]->FillColor(), 0x0000FF);
    // Reference cycles resolve without following them.
    svg.LoadFromText(QStringLiteral("<svg xmlns:xlink='x'>"
                                    "<linearGradient id='a' xlink:href='#b'/><linearGradient id='b' xlink:href='#a'/>"
                                    "<use id='u' xlink:href='#u'/><g id='g'><use xlink:href='#g'/></g>"
                                    "<rect fill='url(#a)'/></svg>"));
    EXPECT_EQ(svg.ElementPatternList()[0]->HRefRef(), svg.ElementPatternList()[1]);
    EXPECT_EQ(svg.ElementPatternList()[1]->HRefRef(), svg.ElementPatternList()[0]);
    EXPECT_EQ(svg.ElementCount(), 4);
}

// Clip shapes far past any bitmap, or not numbers at all, draw without
// overflowing the pixel arithmetic (the sanitizers watch).
TEST(SVGHostile, FarOffClipShapesDraw)
{
    for (const char* y : {"1e38", "-1e38", "nan"}) {
        SCOPED_TRACE(y);
        TKestGraphicsSVGImport svg;
        svg.LoadFromText(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 24 24'>"
                                        "<clipPath id='c'><rect y='%1' width='12' height='12'/></clipPath>"
                                        "<rect width='10' height='10' clip-path='url(#c)'/></svg>")
                             .arg(QLatin1String(y)));
        EXPECT_NE(svg.GenerateBitmap(24, 24), nullptr);
    }
}

TEST(SVGHostile, UsesStayBounded)
{
    // Cycles of every length, and uses that multiply (each level drawing the
    // one before ten times: 10^12 copies if nothing stopped them).
    const char* const cycles[] = {
        "<use id='u' href='#u'/>",
        "<g id='a'><use href='#b'/></g><g id='b'><use href='#a'/></g>",
        "<g id='g'><use href='#g'/><use href='#g'/></g>",
        "<svg id='s'><use href='#s'/></svg>",
    };
    for (const char* body : cycles) {
        SCOPED_TRACE(body);
        TKestGraphicsSVGImport svg;
        svg.LoadFromText(QStringLiteral("<svg viewBox='0 0 8 8'>%1</svg>").arg(QString::fromLatin1(body)));
        svg.GenerateBitmap(8, 8);
    }
    QString body = QStringLiteral("<rect id='l0' width='1' height='1'/>");
    for (int level = 1; level <= 12; ++level) {
        body += QStringLiteral("<g id='l%1'>").arg(level);
        for (int copy = 0; copy < 10; ++copy)
            body += QStringLiteral("<use href='#l%1'/>").arg(level - 1);
        body += QStringLiteral("</g>");
    }
    TKestGraphicsSVGImport svg;
    svg.LoadFromText(QStringLiteral("<svg viewBox='0 0 8 8'>%1</svg>").arg(body));
    size_t count = 0;
    std::vector<const TKestGraphicsSVGElement*> stack;
    for (const auto& element : svg.ElementList())
        stack.push_back(element.get());
    while (!stack.empty()) {
        const TKestGraphicsSVGElement* element = stack.back();
        stack.pop_back();
        ++count;
        for (const auto& child : element->Elements())
            stack.push_back(child.get());
    }
    EXPECT_LE(count, 200000u);
    svg.GenerateBitmap(8, 8);
}

TEST(SVGHostile, LargeCountsStayBounded)
{
    // Many siblings and a path of many segments load whole.
    QString body;
    for (int i = 0; i < 20000; ++i)
        body += QStringLiteral("<rect class='c' width='1' height='1'/>");
    TKestGraphicsSVGImport svg;
    svg.LoadFromText(QStringLiteral("<svg><style>.c{fill:red}</style>%1</svg>").arg(body));
    EXPECT_EQ(svg.ElementCount(), 20000);
    EXPECT_EQ(svg.ElementClassList().size(), 20000u);

    QString data = QStringLiteral("M0 0");
    for (int i = 0; i < 20000; ++i)
        data += QStringLiteral(" a1e30 1e30 0 1 1 1 1");
    svg.LoadFromText(QStringLiteral("<svg><path d='%1'/></svg>").arg(data));
    ASSERT_EQ(svg.ElementCount(), 1);
    EXPECT_LE(svg.ElementList()[0]->ActivePath()->Count(), 1 + 20000 * 13);
}

}

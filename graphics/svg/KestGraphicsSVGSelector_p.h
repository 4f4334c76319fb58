#pragma once
// Style rules whose selectors name more than one class: type, universal,
// id, attribute and first-child selectors, compounds of them, and
// descendant and child combinators. The parser matches them against an
// element and its ancestors and applies the declarations of those that
// match, least specific first, so the most specific (then the last) wins.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

class TKestGraphicsSVGXmlNode;

class TKestGraphicsSVGSelector {
public:
    // One compound: every test must hold for the element.
    struct TCompound {
        QString Type; // empty or "*" for any
        QStringList IDs;
        QStringList Classes;
        // Attribute name and, when Valued, the value it must have.
        std::vector<std::pair<QString, QString>> Attributes;
        std::vector<bool> Valued;
        bool FirstChild = false;
        // How it joins the compound to its left: ' ' descendant, '>' child.
        QChar Combinator = u' ';
    };
    struct TRule {
        std::vector<TCompound> Compounds; // left to right
        int Specificity = 0;
        int Order = 0;
        QString Declarations;
    };
    // An element as matching sees it: its node and whether it is the first
    // element among its siblings.
    struct TPlace {
        const TKestGraphicsSVGXmlNode* Node;
        bool First;
    };

    // The rules of a sheet that a class rule alone does not serve (a
    // selector that is only ".name" is left to the class rules); selectors
    // this engine does not understand are dropped.
    static void Parse(QStringView sheet, std::vector<TRule>& rules);
    // The rules matching the last of path (the element; its ancestors before
    // it, outermost first), least specific first.
    static std::vector<const TRule*> Matching(const std::vector<TRule>& rules, const std::vector<TPlace>& path);
    // Reads one selector; false when it is malformed or not understood.
    static bool ReadSelector(QStringView text, TRule& rule);
};

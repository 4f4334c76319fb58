#pragma once
// One tag of the markup, from its "<" to its ">": recognised by its first
// letters (after the slash for a closing tag), its attributes found by
// searching the rest of the tag text, in any order and any case.

#include <QString>
#include <QStringView>

#pragma GCC visibility push(default)

class TKestHTMLTag {
public:
    explicit TKestHTMLTag(QStringView text);

    QStringView Text() const { return FText; }
    bool Closing() const { return FClosing; }
    // The upper-case letter at index of the name (after "<" or "</"), or a
    // null character past the tag's end.
    QChar Letter(int index) const;
    // The tag text starts with that text, ignoring case.
    bool StartsWith(QLatin1String text) const;

    bool HasAttribute(QLatin1String name) const;
    // The value after name=, between double quotes or up to a space; empty
    // when absent. A name counts only as a word of its own, so COLOR is not
    // found inside BGCOLOR.
    QString Attribute(QLatin1String name) const;
    // The attribute as a whole number; 0 when absent or not a number.
    int NumberAttribute(QLatin1String name) const;
    // The text between the tag's first pair of double quotes.
    QString FirstQuoted() const;

private:
    qsizetype FindAttribute(QLatin1String name) const;

    QStringView FText;
    QStringView FName;
    bool FClosing = false;
};

#pragma GCC visibility pop

#pragma once
// The stored window layout as text, parsed into a tree before anything is
// applied to objects:
//
//   object Form2: TForm2
//     Caption = "Form2"
//     Font.Height = -12
//     Color = clBtnFace
//     Style = [fsBold, fsItalic]
//     Data = {0A0B0C
//             0D0E}
//     object Button1: TButton
//       ModalResult = 1
//     end
//   end
//
// Lines starting with "#" are comments. Strings are UTF-8 between double
// quotes with \" \\ \n \r \t and \uXXXX escapes; integers are decimal or
// 0x-prefixed hexadecimal.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#pragma GCC visibility push(default)

struct TLayoutValue {
    enum Kind { vkInteger, vkFloat, vkString, vkIdent, vkSet, vkBinary };
    Kind kind = vkInteger;
    qint64 integer = 0;
    double number = 0;
    QString text;     // string, identifier
    QStringList set;  // set members
    QByteArray bytes; // binary
    bool hex = false; // integer written in hexadecimal

    static TLayoutValue Integer(qint64 v, bool hex = false);
    static TLayoutValue Float(double v);
    static TLayoutValue String(const QString& s);
    static TLayoutValue Ident(const QString& s);
    static TLayoutValue Set(const QStringList& members);
    static TLayoutValue Binary(const QByteArray& bytes);
};

struct TLayoutProperty {
    QString path; // dotted: Appearance.ButtonAppearance.ColorHot
    TLayoutValue value;
    int line = 0;
};

struct TLayoutObject {
    QString name;
    QString className;
    int line = 0;
    std::vector<TLayoutProperty> properties;
    std::vector<TLayoutObject> children;
};

namespace LayoutText {

// Parses a whole layout; raises ELayoutError naming the line on malformed
// text. source names the text in messages (a resource or file name).
TLayoutObject Parse(const QString& text, const QString& source = QString());

// Parses one value literal (as used for declared property defaults).
TLayoutValue ParseValue(const QString& literal);

QString Write(const TLayoutObject& root);
QString FormatValue(const TLayoutValue& value, int indent);

// "Layout error in <source> at line <n>: <detail>"
[[noreturn]] void Error(const QString& source, int line, const QString& detail);

inline constexpr int MaxNesting = 200;

}

#pragma GCC visibility pop

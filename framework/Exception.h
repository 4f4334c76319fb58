#pragma once
// The exception family of the framework: every failure the system reports is
// an Exception carrying its exact, user-visible message.

#include <QString>
#include <exception>
#include <string>

#pragma GCC visibility push(default)

class Exception : public std::exception {
public:
    explicit Exception(QString message);
    ~Exception() override;

    const QString& Message() const { return FMessage; }
    const char* what() const noexcept override { return FUtf8.c_str(); }

    // Builds the message from a printf-like pattern where every "%s" and "%d"
    // takes the next argument in turn.
    template <typename... Args>
    static QString Format(const QString& pattern, const Args&... args)
    {
        QString out = pattern;
        (ReplaceNext(out, ToText(args)), ...);
        return out;
    }

private:
    static QString ToText(const QString& s) { return s; }
    static QString ToText(const char* s) { return QString::fromUtf8(s); }
    static QString ToText(int v) { return QString::number(v); }
    static QString ToText(qint64 v) { return QString::number(v); }
    static void ReplaceNext(QString& text, const QString& value);

    QString FMessage;
    std::string FUtf8;
};

#define KEST_DECLARE_EXCEPTION(Name, Base)                  \
    class Name : public Base {                              \
    public:                                                 \
        using Base::Base;                                   \
    };

KEST_DECLARE_EXCEPTION(EStreamError, Exception)
KEST_DECLARE_EXCEPTION(EReadError, EStreamError)
KEST_DECLARE_EXCEPTION(EWriteError, EStreamError)
KEST_DECLARE_EXCEPTION(EFOpenError, EStreamError)
KEST_DECLARE_EXCEPTION(EListError, Exception)
KEST_DECLARE_EXCEPTION(EArgumentOutOfRangeException, Exception)
KEST_DECLARE_EXCEPTION(EStringListError, Exception)
KEST_DECLARE_EXCEPTION(EConvertError, Exception)
KEST_DECLARE_EXCEPTION(EResNotFound, Exception)
KEST_DECLARE_EXCEPTION(EInvalidOperation, Exception)
KEST_DECLARE_EXCEPTION(EClassNotFound, Exception)
KEST_DECLARE_EXCEPTION(EPropertyError, Exception)
KEST_DECLARE_EXCEPTION(EInvalidGraphic, Exception)
KEST_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception)
KEST_DECLARE_EXCEPTION(EInvalidCast, Exception)
// A malformed stored window layout; the message names the line.
KEST_DECLARE_EXCEPTION(ELayoutError, EReadError)

namespace Messages {
inline constexpr const char* StreamRead = "Stream read error";
inline constexpr const char* StreamWrite = "Stream write error";
inline constexpr const char* ListIndex = "List index out of bounds (%d)";
inline constexpr const char* ArgumentOutOfRange = "Argument out of range";
inline constexpr const char* Assign = "Cannot assign a %s to a %s";
inline constexpr const char* DuplicateString = "String list does not allow duplicates";
inline constexpr const char* SortedListError = "Operation not allowed on sorted list";
inline constexpr const char* ResNotFound = "Resource %s not found";
inline constexpr const char* FileOpen = "Cannot open file \"%s\"";
inline constexpr const char* FileCreate = "Cannot create file \"%s\"";
inline constexpr const char* NegativeValue = "%s must not be negative";
inline constexpr const char* InvalidCast = "Invalid class typecast";
inline constexpr const char* UnknownPictureExtension = "Unknown picture file extension (.%s)";
inline constexpr const char* UnknownPictureFormat = "Unsupported picture format";
inline constexpr const char* UnknownPictureClass = "Unknown picture class %s";
inline constexpr const char* GraphicSizeUnsupported = "The size of this picture cannot be set";
}

#pragma GCC visibility pop

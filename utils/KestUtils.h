#pragma once
// Stateless support functions shared by the libraries: string search and
// replacement, markup entities, JSON escaping, character sets, numbers, dates
// and sizes, matching, encodings, image-type sniffing, resolution, resources,
// files and dialogs. Each group is implemented in a file of its own.
//
// Functions that take or return pictures live with the picture types.

#include "framework/Enums.h"

#include <QByteArray>
#include <QChar>
#include <QDateTime>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#pragma GCC visibility push(default)

class QFileDialog;
class QWidget;
class TComponent;
class TControl;
class TCustomForm;
class TFont;
class TMemoryStream;
class TStream;

using TKestUtilsCharSet = std::vector<QChar>;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes = 0x01, mbNo = 0x02, mbOK = 0x04, mbCancel = 0x08, mbAbort = 0x10, mbRetry = 0x20, mbIgnore = 0x40 };
using TMsgDlgButtons = int;
// The buttons that close a message dialog, beside the framework's mrNone,
// mrOk and mrCancel.
inline constexpr int mrAbort = 3;
inline constexpr int mrRetry = 4;
inline constexpr int mrIgnore = 5;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;

class TKestUtils {
public:
    TKestUtils() = delete;

    // ---- Strings and search (KestUtilsStrings.cpp)
    static int IPos(const QString& su, const QString& s);
    static int VarPos(const QString& subValue, const QString& value, int& result);
    static int VarPosNoCase(const QString& subValue, const QString& value, int& result);
    static QChar CharInStr(const QString& s, int index);
    static bool TagReplaceString(const QString& srch, const QString& repl, QString& dest);
    static void Split(QChar delimiter, const QString& input, QStringList& strings, bool clearEmptyStrings);
    static int IndexOfTextInArray(const QString& text, const QStringList& values);
    static QString StripThousandSep(const QString& ps);
    static QString StripLogicSpaces(const QString& value);
    static QChar FirstChar(const TKestUtilsCharSet& charset, const QString& value, int& spos);
    static int ClosingParenthesis(const QString& s1);
    static QString AddBackslash(const QString& value);
    static QString AddForwardslash(const QString& value);

    // ---- Markup (KestUtilsMarkup.cpp)
    static bool IsHTML(const QString& value);
    static bool IsHTMLUnicode(const QString& value);
    static QString HTMLStrip(const QString& html);
    static QString UnFixMarkup(const QString& su, bool specialChars = true, bool specialCharsOnly = false);
    static QString FixMarkup(const QString& su, bool specialChars = true);
    static int GetMarkupIndex(const QString& markup);
    static QString GetSpecialChar(int value);

    // ---- JSON escaping (KestUtilsJSON.cpp)
    static QString EscapeString(const QString& value);
    static QString UnescapeString(const QString& value);

    // ---- Character sets (KestUtilsCharSets.cpp)
    static TKestUtilsCharSet CreateCharSet(const QString& value);
    static bool CharInSet(QChar ch, const TKestUtilsCharSet& charSet);
    static TKestUtilsCharSet AddCharSet(const TKestUtilsCharSet& charSet1, const TKestUtilsCharSet& charSet2);
    static TKestUtilsCharSet SubCharSet(const TKestUtilsCharSet& charSet1, const TKestUtilsCharSet& charSet2);
    static TKestUtilsCharSet AlphaCharSet();
    static TKestUtilsCharSet NumericCharSet();

    // ---- Numbers, dates and sizes (KestUtilsNumbers.cpp, KestUtilsDates.cpp)
    static int MulDivInt(int nNumber, int nNumerator, int nDenominator);
    static double MulDivSingle(double nNumber, double nNumerator, double nDenominator);
    static double StrToFloatDot(const QString& value);
    static bool TryStrToFloatDot(const QString& value, double& result);
    static QString FloatToStrDot(double value);
    static QString FormatBytesAsString(qint64 bytes);
    static QDateTime EpochToDateTime(const QString& epoch);
    static bool IsDate(const QString& text, QDateTime& result);

    // ---- Matching (KestUtilsMatching.cpp, KestUtilsFilter.cpp)
    static bool Matches(const QString& s0a, const QString& s1a);
    static bool Matches(const QChar* s0a, const QChar* s1a);
    static bool MatchStr(const QString& value1, const QString& value2, bool caseSensitive);
    static bool MatchStrEx(const QString& value1, const QString& value2, bool caseSensitive);

    // ---- Encodings (KestUtilsEncodings.cpp)
    static QString SaveStreamToHexStr(TStream& stream);
    static void LoadStreamFromHexStr(const QString& hexStr, TStream& stream);
    static QByteArray HexStrToBytes(const QString& value);
    static QString SaveStreamToBase64(TStream& stream, bool url = false);
    static void LoadStreamFromBase64(const QString& base64, TStream& stream, bool url = false);
    static QByteArray Decode64ToBytes(const QString& value, bool url = false);
    static QString URLEncode(const QString& url);
    static QString URLDecode(const QString& url);
    static QString EnDeCrypt(const QString& value);

    // ---- Images (KestUtilsImages.cpp, KestUtilsDownload.cpp)
    static QString GetImageType(TStream& data, bool resetPosition = true);
    // The bytes fetched from the URL; raises when the transfer fails, takes
    // longer than the time-out or grows past the size cap.
    static std::unique_ptr<TMemoryStream> DownloadImage(const QString& url);
    static std::unique_ptr<TMemoryStream> DownloadImage(const QString& url, int timeoutMs, qint64 maxBytes);
    static constexpr int DownloadTimeoutMs = 30000;
    static constexpr qint64 DownloadMaxBytes = 64LL * 1024 * 1024;

    // ---- Resolution and fonts (KestUtilsDPI.cpp)
    static double GetDPIScale(TComponent* owner, int defaultDPI = 96);
    static bool IsHighDPIScale(TComponent* owner, int defaultDPI = 96);
    static void ScaleForDPI(QWidget* control, int dpi);
    static void ScaleForCurrentDPI(TCustomForm* form);
    static void SetFontSize(TFont& font, double size);
    static void GetFonts(QStringList& fontList);
    static QPoint GetMousePos();

    // ---- Resources, files, dialogs and components (KestUtilsPlatform.cpp, KestUtilsDialogs.cpp)
    static quintptr GetHInstance();
    static std::unique_ptr<TStream> GetResourceStream(const QString& resourceName, quintptr instance = 0);
    static QString GetTempPath();
    static QString GetAppPath();
    static QString GetDocumentsPath();
    static bool OpenFile(const QString& file, QWidget* controlReference = nullptr);
    static bool OpenURL(const QString& url);
    static int Message(const QString& message, TMsgDlgType dialogType = TMsgDlgType::mtInformation,
                       TMsgDlgButtons buttons = mbOK, int helpContext = 0);
    // callBack sees the dialog before it is shown (tests answer it from there).
    using TDialogCallBack = std::function<void(QFileDialog&)>;
    static bool SelectFile(QString& fileName, const QString& defaultFolder, const QString& filter,
                           const TDialogCallBack& callBack = {});
    static bool SaveFile(QString& fileName, const QString& filter, const TDialogCallBack& callBack = {});
    static TCustomForm* GetParentForm(QWidget* control);
    static TCustomForm* GetOwnerForm(TComponent* component);
    static TComponent* Clone(TComponent* component);
    static void Log(const QString& message);
};

#pragma GCC visibility pop

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
    static int VarPos(const QString& ASubValue, const QString& AValue, int& AResult);
    static int VarPosNoCase(const QString& ASubValue, const QString& AValue, int& AResult);
    static QChar CharInStr(const QString& s, int Index);
    static bool TagReplaceString(const QString& Srch, const QString& Repl, QString& Dest);
    static void Split(QChar ADelimiter, const QString& AInput, QStringList& AStrings, bool AClearEmptyStrings);
    static int IndexOfTextInArray(const QString& AText, const QStringList& AValues);
    static QString StripThousandSep(const QString& ps);
    static QString StripLogicSpaces(const QString& AValue);
    static QChar FirstChar(const TKestUtilsCharSet& ACharset, const QString& AValue, int& spos);
    static int ClosingParenthesis(const QString& s1);
    static QString AddBackslash(const QString& AValue);
    static QString AddForwardslash(const QString& AValue);

    // ---- Markup (KestUtilsMarkup.cpp)
    static bool IsHTML(const QString& AValue);
    static bool IsHTMLUnicode(const QString& AValue);
    static QString HTMLStrip(const QString& AHTML);
    static QString UnFixMarkup(const QString& su, bool SpecialChars = true, bool SpecialCharsOnly = false);
    static QString FixMarkup(const QString& su, bool SpecialChars = true);
    static int GetMarkupIndex(const QString& Markup);
    static QString GetSpecialChar(int Value);

    // ---- JSON escaping (KestUtilsJSON.cpp)
    static QString EscapeString(const QString& AValue);
    static QString UnescapeString(const QString& AValue);

    // ---- Character sets (KestUtilsCharSets.cpp)
    static TKestUtilsCharSet CreateCharSet(const QString& AValue);
    static bool CharInSet(QChar ch, const TKestUtilsCharSet& ACharSet);
    static TKestUtilsCharSet AddCharSet(const TKestUtilsCharSet& ACharSet1, const TKestUtilsCharSet& ACharSet2);
    static TKestUtilsCharSet SubCharSet(const TKestUtilsCharSet& ACharSet1, const TKestUtilsCharSet& ACharSet2);
    static TKestUtilsCharSet AlphaCharSet();
    static TKestUtilsCharSet NumericCharSet();

    // ---- Numbers, dates and sizes (KestUtilsNumbers.cpp, KestUtilsDates.cpp)
    static int MulDivInt(int nNumber, int nNumerator, int nDenominator);
    static double MulDivSingle(double nNumber, double nNumerator, double nDenominator);
    static double StrToFloatDot(const QString& AValue);
    static bool TryStrToFloatDot(const QString& AValue, double& AResult);
    static QString FloatToStrDot(double AValue);
    static QString FormatBytesAsString(qint64 ASize);
    static QDateTime EpochToDateTime(const QString& AEpoch);
    static bool IsDate(const QString& AValue, QDateTime& ADate);

    // ---- Matching (KestUtilsMatching.cpp, KestUtilsFilter.cpp)
    static bool Matches(const QString& s0a, const QString& s1a);
    static bool Matches(const QChar* s0a, const QChar* s1a);
    static bool MatchStr(const QString& AValue1, const QString& AValue2, bool ACaseSensitive);
    static bool MatchStrEx(const QString& AValue1, const QString& AValue2, bool ACaseSensitive);

    // ---- Encodings (KestUtilsEncodings.cpp)
    static QString SaveStreamToHexStr(TStream& AStream);
    static void LoadStreamFromHexStr(const QString& AHexStr, TStream& AStream);
    static QByteArray HexStrToBytes(const QString& AValue);
    static QString SaveStreamToBase64(TStream& AStream, bool AURL = false);
    static void LoadStreamFromBase64(const QString& ABase64, TStream& AStream, bool AURL = false);
    static QByteArray Decode64ToBytes(const QString& AValue, bool AURL = false);
    static QString URLEncode(const QString& AURL);
    static QString URLDecode(const QString& AURL);
    static QString EnDeCrypt(const QString& AValue);

    // ---- Images (KestUtilsImages.cpp, KestUtilsDownload.cpp)
    static QString GetImageType(TStream& AData, bool AResetPosition = true);
    // The bytes fetched from the URL; raises when the transfer fails, takes
    // longer than the time-out or grows past the size cap.
    static std::unique_ptr<TMemoryStream> DownloadImage(const QString& AURL);
    static std::unique_ptr<TMemoryStream> DownloadImage(const QString& AURL, int ATimeoutMs, qint64 AMaxBytes);
    static constexpr int DownloadTimeoutMs = 30000;
    static constexpr qint64 DownloadMaxBytes = 64LL * 1024 * 1024;

    // ---- Resolution and fonts (KestUtilsDPI.cpp)
    static double GetDPIScale(TComponent* AOwner, int ADefaultDPI = 96);
    static bool IsHighDPIScale(TComponent* AOwner, int ADefaultDPI = 96);
    static void ScaleForDPI(QWidget* AControl, int ADPI);
    static void ScaleForCurrentDPI(TCustomForm* AForm);
    static void SetFontSize(TFont& AFont, double ASize);
    static void GetFonts(QStringList& FontList);
    static QPoint GetMousePos();

    // ---- Resources, files, dialogs and components (KestUtilsPlatform.cpp, KestUtilsDialogs.cpp)
    static quintptr GetHInstance();
    static std::unique_ptr<TStream> GetResourceStream(const QString& AResourceName, quintptr AInstance = 0);
    static QString GetTempPath();
    static QString GetAppPath();
    static QString GetDocumentsPath();
    static bool OpenFile(const QString& AFile, QWidget* AControlReference = nullptr);
    static bool OpenURL(const QString& AURL);
    static int Message(const QString& AMessage, TMsgDlgType ADialogType = TMsgDlgType::mtInformation,
                       TMsgDlgButtons AButtons = mbOK, int AHelpContext = 0);
    // ACallBack sees the dialog before it is shown (tests answer it from there).
    using TDialogCallBack = std::function<void(QFileDialog&)>;
    static bool SelectFile(QString& AFileName, const QString& ADefaultFolder, const QString& AFilter,
                           const TDialogCallBack& ACallBack = {});
    static bool SaveFile(QString& AFileName, const QString& AFilter, const TDialogCallBack& ACallBack = {});
    static TCustomForm* GetParentForm(QWidget* AControl);
    static TCustomForm* GetOwnerForm(TComponent* AComponent);
    static TComponent* Clone(TComponent* AComponent);
    static void Log(const QString& AMessage);
};

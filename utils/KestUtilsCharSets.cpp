#include "utils/KestUtils.h"

#include <algorithm>

TKestUtilsCharSet TKestUtils::CreateCharSet(const QString& value) { return TKestUtilsCharSet(value.begin(), value.end()); }

bool TKestUtils::CharInSet(QChar ch, const TKestUtilsCharSet& charSet)
{
    return std::find(charSet.begin(), charSet.end(), ch) != charSet.end();
}

TKestUtilsCharSet TKestUtils::AddCharSet(const TKestUtilsCharSet& charSet1, const TKestUtilsCharSet& charSet2)
{
    TKestUtilsCharSet out = charSet1;
    out.insert(out.end(), charSet2.begin(), charSet2.end());
    return out;
}

TKestUtilsCharSet TKestUtils::SubCharSet(const TKestUtilsCharSet& charSet1, const TKestUtilsCharSet& charSet2)
{
    TKestUtilsCharSet out;
    for (QChar c : charSet1)
        if (!CharInSet(c, charSet2))
            out.push_back(c);
    return out;
}

TKestUtilsCharSet TKestUtils::AlphaCharSet()
{
    return CreateCharSet(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
}

TKestUtilsCharSet TKestUtils::NumericCharSet() { return CreateCharSet(QStringLiteral("0123456789")); }

#include "utils/KestUtils.h"

#include <algorithm>

TKestUtilsCharSet TKestUtils::CreateCharSet(const QString& AValue) { return TKestUtilsCharSet(AValue.begin(), AValue.end()); }

bool TKestUtils::CharInSet(QChar ch, const TKestUtilsCharSet& ACharSet)
{
    return std::find(ACharSet.begin(), ACharSet.end(), ch) != ACharSet.end();
}

TKestUtilsCharSet TKestUtils::AddCharSet(const TKestUtilsCharSet& ACharSet1, const TKestUtilsCharSet& ACharSet2)
{
    TKestUtilsCharSet out = ACharSet1;
    out.insert(out.end(), ACharSet2.begin(), ACharSet2.end());
    return out;
}

TKestUtilsCharSet TKestUtils::SubCharSet(const TKestUtilsCharSet& ACharSet1, const TKestUtilsCharSet& ACharSet2)
{
    TKestUtilsCharSet out;
    for (QChar c : ACharSet1)
        if (!CharInSet(c, ACharSet2))
            out.push_back(c);
    return out;
}

TKestUtilsCharSet TKestUtils::AlphaCharSet()
{
    return CreateCharSet(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
}

TKestUtilsCharSet TKestUtils::NumericCharSet() { return CreateCharSet(QStringLiteral("0123456789")); }

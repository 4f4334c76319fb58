#include "framework/platform/NaturalOrder.h"

namespace NaturalOrder {

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Compares the digit runs starting at i and j; advances both past them.
int CompareNumbers(const QString& a, qsizetype& i, const QString& b, qsizetype& j)
{
    while (i < a.size() && a[i] == u'0' && i + 1 < a.size() && IsDigit(a[i + 1]))
        ++i;
    while (j < b.size() && b[j] == u'0' && j + 1 < b.size() && IsDigit(b[j + 1]))
        ++j;
    qsizetype si = i, sj = j;
    while (i < a.size() && IsDigit(a[i]))
        ++i;
    while (j < b.size() && IsDigit(b[j]))
        ++j;
    qsizetype la = i - si, lb = j - sj;
    if (la != lb)
        return la < lb ? -1 : 1;
    for (qsizetype k = 0; k < la; ++k)
        if (a[si + k] != b[sj + k])
            return a[si + k] < b[sj + k] ? -1 : 1;
    return 0;
}

}

QString SortKey(const QString& name)
{
    // A digit run becomes a marker that sorts below letters, its length, then
    // its digits without leading zeros: shorter numbers come first.
    QString key;
    key.reserve(name.size() + 4);
    for (qsizetype i = 0; i < name.size();) {
        if (!IsDigit(name[i])) {
            key += name[i].toCaseFolded();
            ++i;
            continue;
        }
        qsizetype start = i;
        while (i < name.size() && IsDigit(name[i]))
            ++i;
        qsizetype first = start;
        while (first + 1 < i && name[first] == u'0')
            ++first;
        key += QChar(u'0');
        key += QChar(char16_t(0x20 + std::min<qsizetype>(i - first, 0xFFDF)));
        key += QStringView(name).mid(first, i - first);
    }
    return key;
}

int Compare(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            if (int c = CompareNumbers(a, i, b, j))
                return c;
            continue;
        }
        QChar ca = a[i].toCaseFolded(), cb = b[j].toCaseFolded();
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return a.compare(b);
}

}

#pragma once
// Name order as people expect it in folder listings: letter case ignored,
// runs of digits compared by their value ("file2" before "file10").

#include <QString>

#pragma GCC visibility push(default)

namespace NaturalOrder {

// Negative, zero or positive like a comparison. Names equal but for case
// or leading zeros are ordered by their plain text so that the order is total.
int Compare(const QString& a, const QString& b);

// A key whose plain comparison orders as Compare does (but for the final
// tie-break on the plain text): sorting many names by keys made once is
// much cheaper than comparing names pairwise.
QString SortKey(const QString& name);

}

#pragma GCC visibility pop

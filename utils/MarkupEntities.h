#pragma once
// The markup entity table: 86 entries of name and character text, in the
// order the replacements walk them. The first four are the names of the
// markup's own characters without their "&".

#include <QString>

#pragma GCC visibility push(default)

namespace KestMarkup {

struct TEntity {
    const char* name;
    const char16_t* text;
};

inline constexpr int EntityCount = 86;
// The first entry of the special characters ("&nbsp;").
inline constexpr int FirstSpecial = 4;

const TEntity& Entity(int index); // 0-based

}

#pragma GCC visibility pop

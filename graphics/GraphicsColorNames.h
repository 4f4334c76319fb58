#pragma once

#pragma GCC visibility push(default)
// The colour-name list: the 147 colour keywords of the web and vector
// picture standards ("aliceblue" to "yellowgreen"), sorted, each entry's
// object a TKestGraphicsColorObject holding its colour. Built on first use,
// freed with the objects at program end.

class TStringList;

const TStringList& GraphicsColorNames();

#pragma GCC visibility pop

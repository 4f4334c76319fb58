#pragma once
// Picture-holder functions of the picture module.

#include "pictures/KestBitmap.h"

#include <QString>
#include <memory>

#pragma GCC visibility push(default)

// True for no holder, a holder without a graphic, or an empty graphic.
bool IsBitmapEmpty(const TPicture* ABitmap);
// A new picture loaded from the program's resource of that name; raises
// EResNotFound when there is none.
std::unique_ptr<TKestBitmap> BitmapFromResource(const QString& AName);
std::unique_ptr<TKestBitmap> BitmapFromResource(const QString& AName, quintptr AInstance);
// The holder loads the resource (its class picked by content); a missing
// resource leaves it unchanged.
void LoadBitmapFromResource(TPicture* ABitmap, const QString& AName, quintptr AInstance = 0);

#pragma GCC visibility pop

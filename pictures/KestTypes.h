#pragma once
// The picture types shared by the graphics library, the text engine and the
// picture container, with their module start and end: the SVG picture is
// registered for the extension "SVG".

#include "pictures/KestBitmap.h"
#include "pictures/KestOwnedCollection.h"
#include "pictures/KestSVGBitmap.h"
#include "pictures/KestSVGImport.h"

#pragma GCC visibility push(default)

namespace KestTypes {

void RegisterModule();
void UnregisterModule();

}

#pragma GCC visibility pop

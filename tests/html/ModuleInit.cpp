#include "graphics/html/KestGraphicsHTMLEngine.h"

void KestTestModuleInit() { RegisterKestHTMLEngine(); }

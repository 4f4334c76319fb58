#include "styles/StylesModule.h"

void KestTestModuleInit() { KestStyles::RegisterModule(); }

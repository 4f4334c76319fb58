#include "pictures/KestTypes.h"

// Image elements load their pictures through the registered formats.
void KestTestModuleInit() { KestTypes::RegisterModule(); }

#include "app/Program.h"

void KestTestModuleInit() { Program::RegisterModules(); }

#include "pathbar/KestExplorerTreeview.h"

void KestTestModuleInit() { TCustomExplorerTreeview::RegisterModule(); }

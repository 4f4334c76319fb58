#pragma once

#pragma GCC visibility push(default)
// Start-up of the framework module: registers its classes and event types
// for stored layouts. The application object calls it; calling it again
// does nothing.

namespace KestFramework {

void RegisterModule();

}

#pragma GCC visibility pop

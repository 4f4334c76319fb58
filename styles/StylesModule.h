#pragma once

#pragma GCC visibility push(default)
// Start-up of the styles module: registers its classes for stored layouts.

namespace KestStyles {

void RegisterModule();

}

#pragma GCC visibility pop

#pragma once
// Start-up of the styles module: registers its classes for stored layouts.

namespace KestStyles {

void RegisterModule();

}

#pragma once
// Program start: registers the modules' classes and creates the main window.

class TForm1;

namespace Program {

void RegisterModules();
// Creates the main window from its stored layout, with the main window on
// the task bar.
TForm1* CreateMainForm();

}

#pragma once
// The sample's unattended mode: open the main window, press its button, put
// the second window's bar into the state the options ask for, save a
// picture and end.
//
//   --screenshot FILE   where the picture goes (PNG)
//   --bar-style NAME    a style of the catalogue for the bar
//   --folder PATH       the folder to select
//   --hover N           the mouse over the arrow of the N-th node button from
//                       the right (0: the selection)
//   --open WHAT         "menu" (the child menu of the --hover button, else of
//                       the selection), "overflow" (the overflow button's
//                       menu), "history" (the history window)
//   --type TEXT         editing on, TEXT typed into the bar (auto-complete)
//   --pick NAME         (with --styler) the offered style NAME chosen in the
//                       form styler's combo box, as a user chooses it
//   --tones KIND:COLOR  (with --styler) Metro colour tones, KIND "light" or
//                       "dark", around the accent COLOR (#RRGGBB)
//
// With --open or --type the picture is taken from the screen, so that the
// pop-up windows are in it; otherwise it is the second window alone.

#include <QStringList>

class TForm1;

void ScheduleScreenshot(TForm1* main, const QString& file, const QStringList& args);

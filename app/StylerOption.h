#pragma once
// The sample's --styler option: a form styler on the second window that
// follows the desktop's theme, and a combo box of every offered style that
// restyles the bar and the window when the user picks one.

class TForm2;
class TKestFormStyler;

namespace StylerOption {

inline constexpr const char* StylerName = "FormStyler1";
inline constexpr const char* ComboBoxName = "StyleComboBox";

TKestFormStyler* AddFormStyler(TForm2* form2);
// The styler the option added, or null.
TKestFormStyler* FormStyler(TForm2* form2);

}

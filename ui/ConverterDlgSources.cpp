// The source list commands of the main window.
#include "ConverterDlg.h"

void CConverterDlg::AddFiles() {
    // Adding files needs the encoder's probe; until it exists the list stays as it is.
}

void CConverterDlg::RemoveSelected() {}

void CConverterDlg::MoveSelectedUp() {}

void CConverterDlg::MoveSelectedDown() {}

void CConverterDlg::ShowListMenu(NMHDR*, LRESULT* result) {
    *result = 0;
}

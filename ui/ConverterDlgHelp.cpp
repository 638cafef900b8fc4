// The Help menu's commands and the About item of the system menu.
#include "ConverterDlg.h"

void CConverterDlg::ShowHelpContent() {}

void CConverterDlg::ShowAboutBox() {
    // The About box is not there yet.
}

void CConverterDlg::ShowHomePage() {}

void CConverterDlg::ShowTipCommand() {
    // The Tip of the Day dialog is not there yet.
}

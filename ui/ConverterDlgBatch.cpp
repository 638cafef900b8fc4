// Converting the list, and the encoder's notifications.
#include "ConverterDlg.h"

void CConverterDlg::ConvertAll() {
    // The batch needs the encoder run; until it exists Convert does nothing.
}

LRESULT CConverterDlg::OnEncoderNotify(WPARAM, LPARAM) {
    return 0;
}

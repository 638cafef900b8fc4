#include "RunState.h"

RunState& TheRunState() {
    static RunState state;
    return state;
}

CProgressDlg* progressDlg = nullptr;

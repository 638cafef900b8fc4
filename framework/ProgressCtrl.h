#pragma once
#include <windows.h>

// after windows.h, whose types it uses
#include <commctrl.h>

#include "Wnd.h"

class CProgressCtrl : public CWnd {
  public:
    void SetRange(short lower, short upper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
    int SetPos(int position) {
        return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(position)));
    }
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
};

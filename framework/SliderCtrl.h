#pragma once
#include <windows.h>

// after windows.h, whose types it uses
#include <commctrl.h>

#include "Wnd.h"

class CSliderCtrl : public CWnd {
  public:
    void SetRange(int minimum, int maximum, BOOL redraw = FALSE) {
        SendMessage(TBM_SETRANGE, redraw, MAKELPARAM(minimum, maximum));
    }
    void SetPos(int position) { SendMessage(TBM_SETPOS, TRUE, position); }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
};

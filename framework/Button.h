#pragma once
// Push buttons and check boxes; owner-drawn buttons paint themselves through DrawItem.

#include "Wnd.h"

class CButton : public CWnd {
  public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
    UINT GetButtonStyle() const { return GetStyle() & 0xFF; }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }

  protected:
    // The parent's WM_DRAWITEM for this button, sent back to it.
    virtual void DrawItem(DRAWITEMSTRUCT*) {}
    bool OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

#include "Button.h"

bool CButton::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_FW_REFLECT) {
        auto* reflected = reinterpret_cast<ReflectedMessage*>(lParam);
        if (reflected->message == WM_DRAWITEM) {
            DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(reflected->lParam));
            reflected->result = TRUE;
            reflected->handled = true;
            return true;
        }
    }
    return CWnd::OnWndMsg(msg, wParam, lParam, result);
}

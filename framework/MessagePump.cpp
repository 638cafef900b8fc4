#include "MessagePump.h"

#include "Wnd.h"

bool PreTranslateThreadMessage(MSG* msg) {
    for (HWND hwnd = msg->hwnd; hwnd != nullptr; hwnd = GetParent(hwnd)) {
        if (CWnd* wnd = CWnd::FromHandle(hwnd); wnd != nullptr && wnd->PreTranslateMessage(msg)) {
            return true;
        }
        if ((GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) == 0) {
            break;  // the top-level window was the last to ask
        }
    }
    return false;
}

bool PumpOneMessage() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        return false;
    }
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        return false;  // a sent message was handled while looking
    }
    if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that owns the quit
        return true;
    }
    if (!PreTranslateThreadMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

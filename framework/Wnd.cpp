#include "Wnd.h"

#include <commctrl.h>

#include <algorithm>

#include "WinApp.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x436F7276;  // one subclass of ours per window

bool IsCtlColor(UINT msg) {
    return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC;
}

// The child a notification came from: WM_COMMAND's lParam, WM_NOTIFY's hwndFrom, WM_DRAWITEM's
// hwndItem (menus excepted) and the WM_CTLCOLOR* lParam.
HWND NotifyingChild(UINT msg, WPARAM, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            return reinterpret_cast<HWND>(lParam);
        case WM_NOTIFY:
            return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
        }
        default:
            return IsCtlColor(msg) ? reinterpret_cast<HWND>(lParam) : nullptr;
    }
}

}  // namespace

LRESULT CALLBACK FrameworkSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR refData) {
    auto* wnd = reinterpret_cast<CWnd*>(refData);
    if (msg == WM_FW_QUERY_OBJECT) {
        return reinterpret_cast<LRESULT>(wnd);
    }
    if (msg == WM_NCDESTROY) {
        const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
        wnd->WindowGone();
        return result;
    }
    LRESULT result = 0;
    bool handled = false;
    try {
        const auto saved = wnd->current_;
        wnd->current_ = {msg, wParam, lParam};
        handled = wnd->HandleMessage(msg, wParam, lParam, result);
        wnd->current_ = saved;
    } catch (...) {
        // Nothing may unwind through the system's code; the default procedure takes the message.
        handled = false;
    }
    return handled ? result : DefSubclassProc(hwnd, msg, wParam, lParam);
}

bool ReflectToChild(HWND child, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (child == nullptr || !IsWindow(child)) {
        return false;
    }
    ReflectedMessage reflected{msg, wParam, lParam};
    ::SendMessageA(child, WM_FW_REFLECT, 0, reinterpret_cast<LPARAM>(&reflected));
    if (reflected.handled) {
        result = reflected.result;
    }
    return reflected.handled;
}

CWnd::~CWnd() {
    if (m_hWnd == nullptr) {
        return;
    }
    if (destroyOnDelete_) {
        ::DestroyWindow(m_hWnd);  // WM_NCDESTROY clears the handle
    }
    if (m_hWnd != nullptr) {
        UnsubclassWindow();
        m_hWnd = nullptr;
    }
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (hwnd == nullptr || GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId()) {
        return nullptr;
    }
    return reinterpret_cast<CWnd*>(::SendMessageA(hwnd, WM_FW_QUERY_OBJECT, 0, 0));
}

HWND CWnd::Detach() {
    HWND hwnd = m_hWnd;
    UnsubclassWindow();
    m_hWnd = nullptr;
    return hwnd;
}

bool CWnd::SubclassWindow(HWND hwnd) {
    if (hwnd == nullptr || m_hWnd != nullptr) {
        return false;
    }
    m_hWnd = hwnd;
    PreSubclassWindow();
    if (!SetWindowSubclass(hwnd, FrameworkSubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        m_hWnd = nullptr;
        return false;
    }
    subclassed_ = true;
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    return parent != nullptr && SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

void CWnd::UnsubclassWindow() {
    if (subclassed_ && m_hWnd != nullptr) {
        RemoveWindowSubclass(m_hWnd, FrameworkSubclassProc, kSubclassId);
    }
    subclassed_ = false;
}

void CWnd::WindowGone() {
    UnsubclassWindow();
    m_hWnd = nullptr;
    OnWindowGone();
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::Default() {
    if (subclassed_ && m_hWnd != nullptr) {
        return DefSubclassProc(m_hWnd, current_.msg, current_.wParam, current_.lParam);
    }
    // A dialog's default handling is the dialog manager's, which runs once the handler reports the
    // message as not handled.
    SetMsgHandled(false);
    return 0;
}

HWND CWnd::GetTopLevelParent() const {
    HWND hwnd = m_hWnd;
    while (hwnd != nullptr && (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) != 0) {
        hwnd = ::GetParent(hwnd);
    }
    return hwnd;
}

std::string CWnd::GetWindowText() const {
    const int length = ::GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    const int copied = ::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

std::string CWnd::GetWindowText(size_t maxChars) const {
    std::string text = GetWindowText();
    if (text.size() > maxChars) {
        text.resize(maxChars);
    }
    return text;
}

void CWnd::ModifyStyle(DWORD remove, DWORD add) {
    const DWORD style = (GetStyle() & ~remove) | add;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(style));
}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetRectInParent() const {
    RECT rect = GetWindowRect();
    MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CWnd::CenterWindow(HWND alternateOwner) {
    HWND center = alternateOwner ? alternateOwner : ::GetWindow(m_hWnd, GW_OWNER);
    if (center == nullptr) {
        center = ::GetParent(m_hWnd);
    }
    MONITORINFO monitor{sizeof(monitor), {}, {}, 0};
    GetMonitorInfoA(MonitorFromWindow(center ? center : m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT area = monitor.rcWork;
    RECT around = area;
    if (center != nullptr && ::IsWindowVisible(center) && !::IsIconic(center)) {
        ::GetWindowRect(center, &around);
    }
    const RECT own = GetWindowRect();
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int x = (around.left + around.right - width) / 2;
    int y = (around.top + around.bottom - height) / 2;
    // Keep the whole window on the work area.
    x = std::max(static_cast<int>(area.left), std::min(x, static_cast<int>(area.right) - width));
    y = std::max(static_cast<int>(area.top), std::min(y, static_cast<int>(area.bottom) - height));
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HICON CWnd::SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

int CWnd::MessageBox(const std::string& text, const char* caption, UINT type) {
    if (caption == nullptr) {
        caption = AfxGetAppName();
    }
    return ::MessageBoxA(m_hWnd, text.c_str(), caption, type);
}

bool CWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_FW_REFLECT) {
        // Our own notification, back from the parent; it tells the parent whether we took it.
        OnWndMsg(msg, wParam, lParam, result);
        result = 0;
        return true;
    }
    HWND child = NotifyingChild(msg, wParam, lParam);
    if (child != nullptr && child != m_hWnd && !IsCtlColor(msg) &&
        ReflectToChild(child, msg, wParam, lParam, result)) {
        return true;
    }
    if (OnWndMsg(msg, wParam, lParam, result)) {
        return true;
    }
    // A colour the parent chose itself wins; otherwise the control may choose its own.
    if (child != nullptr && child != m_hWnd && IsCtlColor(msg) &&
        ReflectToChild(child, msg, wParam, lParam, result)) {
        return true;
    }
    return OnUnhandledMessage(msg, wParam, lParam, result);
}

bool CWnd::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool CWnd::OnUnhandledMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

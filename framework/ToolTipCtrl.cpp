#include "ToolTipCtrl.h"

#include "WinApp.h"

namespace {
TTTOOLINFOA ToolInfo(CWnd* window, UINT_PTR toolId) {
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = window->m_hWnd;
    info.uId = toolId;
    info.hinst = AfxGetInstanceHandle();
    return info;
}
}  // namespace

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    AfxEnsureCommonControls();
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                parent ? parent->m_hWnd : nullptr, nullptr, AfxGetInstanceHandle(), nullptr);
    if (hwnd == nullptr || !SubclassWindow(hwnd)) {
        return FALSE;
    }
    destroyOnDelete_ = true;
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* window, const std::string& text, const RECT& area, UINT_PTR toolId) {
    TTTOOLINFOA info = ToolInfo(window, toolId);
    info.uFlags = 0;  // no TTF_SUBCLASS: tips arrive only by relaying
    info.rect = area;
    info.lpszText = const_cast<char*>(text.c_str());
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::UpdateTipText(const std::string& text, CWnd* window, UINT_PTR toolId) {
    TTTOOLINFOA info = ToolInfo(window, toolId);
    info.lpszText = const_cast<char*>(text.c_str());
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

std::string CToolTipCtrl::GetText(CWnd* window, UINT_PTR toolId) const {
    char buffer[1024] = {};
    TTTOOLINFOA info = ToolInfo(window, toolId);
    info.lpszText = buffer;
    SendMessage(TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&info));
    return buffer;
}

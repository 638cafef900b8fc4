#pragma once
// A tooltip window of our own; mouse messages reach it only when its owner relays them.

#include <windows.h>

// after windows.h, whose types it uses
#include <commctrl.h>

#include <string>

#include "Wnd.h"

class CToolTipCtrl : public CWnd {
  public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    BOOL AddTool(CWnd* window, const std::string& text, const RECT& area, UINT_PTR toolId);
    void UpdateTipText(const std::string& text, CWnd* window, UINT_PTR toolId);
    std::string GetText(CWnd* window, UINT_PTR toolId) const;
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
    void Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, activate); }
    int SetMaxTipWidth(int width) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width)); }
    void RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
};

#include "DataExchange.h"

#include "Wnd.h"

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
    if (control.m_hWnd == nullptr) {
        control.SubclassDlgItem(static_cast<UINT>(id), exchange->m_pDlgWnd);
    }
}

void DDX_Check(CDataExchange* exchange, int id, int& value) {
    HWND item = exchange->m_pDlgWnd->GetDlgItem(id);
    if (exchange->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(item, BM_GETCHECK, 0, 0));
    } else {
        ::SendMessageA(item, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Text(CDataExchange* exchange, int id, std::string& value) {
    HWND item = exchange->m_pDlgWnd->GetDlgItem(id);
    if (exchange->m_bSaveAndValidate) {
        const int length = GetWindowTextLengthA(item);
        std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
        const int copied = GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
        text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
        value = text;
    } else {
        SetWindowTextA(item, value.c_str());
    }
}

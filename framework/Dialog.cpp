#include "Dialog.h"

#include "MessagePump.h"
#include "WinApp.h"

namespace {
// Messages whose dialog procedure result is the value itself rather than a handled flag.
bool ReturnsValueDirectly(UINT msg) {
    return (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_INITDIALOG ||
           msg == WM_QUERYDRAGICON || msg == WM_COMPAREITEM || msg == WM_VKEYTOITEM || msg == WM_CHARTOITEM;
}

bool IsInputMessage(UINT msg) {
    return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) || (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST);
}
}  // namespace

INT_PTR CALLBACK FrameworkDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CDialog* dialog = nullptr;
    if (msg == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        dialog->m_hWnd = hwnd;
    } else {
        dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (dialog == nullptr) {
        return FALSE;  // messages before WM_INITDIALOG: the dialog manager's defaults
    }
    if (msg == WM_FW_QUERY_OBJECT) {
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, reinterpret_cast<LONG_PTR>(static_cast<CWnd*>(dialog)));
        return TRUE;
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        dialog->WindowGone();
        return FALSE;
    }
    LRESULT result = 0;
    bool handled = false;
    try {
        const auto saved = dialog->current_;
        dialog->current_ = {msg, wParam, lParam};
        if (msg == WM_INITDIALOG) {
            result = dialog->OnInitDialog();
            handled = true;
        } else {
            handled = dialog->HandleMessage(msg, wParam, lParam, result);
        }
        dialog->current_ = saved;
    } catch (...) {
        return FALSE;  // nothing may unwind through the dialog manager
    }
    if (!handled) {
        return FALSE;
    }
    if (ReturnsValueDirectly(msg)) {
        return static_cast<INT_PTR>(result);
    }
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {
    destroyOnDelete_ = true;
}

CDialog::~CDialog() {
    if (m_hWnd != nullptr) {
        ::DestroyWindow(m_hWnd);
    }
}

HWND CDialog::CreateFromTemplate(HWND owner) {
    AfxEnsureCommonControls();
    return CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(templateId_), owner,
                              FrameworkDialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::DoModal() {
    // Without a parent the application's main window owns the dialog, unless it is this one.
    HWND owner = parent_ ? parent_->m_hWnd : nullptr;
    if (owner == nullptr) {
        if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd && app->m_pMainWnd != this) {
            owner = app->m_pMainWnd->m_hWnd;
        }
    }
    if (owner != nullptr) {
        while ((GetWindowLongPtrA(owner, GWL_STYLE) & WS_CHILD) != 0) {
            owner = ::GetParent(owner);
        }
    }
    const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);

    endRequested_ = false;
    modalResult_ = -1;
    modalRunning_ = true;
    if (CreateFromTemplate(owner) == nullptr) {
        modalRunning_ = false;
        return -1;
    }
    if (ownerWasEnabled) {
        ::EnableWindow(owner, FALSE);
    }
    if (!endRequested_ && !::IsWindowVisible(m_hWnd)) {
        ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
    }

    MSG msg;
    while (!endRequested_ && m_hWnd != nullptr) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // leave the quit to the outer loop
            }
            break;
        }
        if (!PreTranslateThreadMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    modalRunning_ = false;
    if (ownerWasEnabled) {
        ::EnableWindow(owner, TRUE);
    }
    if (m_hWnd != nullptr) {
        // Hide first so that the owner is activated again before this window goes.
        SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        if (owner != nullptr) {
            SetActiveWindow(owner);
        }
        ::DestroyWindow(m_hWnd);
    }
    return modalResult_;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    templateId_ = templateId;
    if (parent != nullptr) {
        parent_ = parent;
    }
    return CreateFromTemplate(parent_ ? parent_->m_hWnd : nullptr) != nullptr;
}

void CDialog::EndDialog(INT_PTR result) {
    modalResult_ = result;
    endRequested_ = true;
    if (!modalRunning_ && m_hWnd != nullptr) {
        ::DestroyWindow(m_hWnd);  // a modeless dialog ends by going away
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate != FALSE);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    // The dialog manager's keyboard handling (Tab, Enter, Escape, mnemonics) for our own windows.
    if (m_hWnd != nullptr && IsInputMessage(msg->message) &&
        (msg->hwnd == m_hWnd || IsChild(m_hWnd, msg->hwnd))) {
        return IsDialogMessageA(m_hWnd, msg);
    }
    return FALSE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::OnUnhandledMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg != WM_COMMAND) {
        return CWnd::OnUnhandledMessage(msg, wParam, lParam, result);
    }
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (code == BN_CLICKED || lParam == 0) {
        if (id == IDOK) {
            OnOK();
            return true;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return true;
        }
    }
    // Commands that no window took go to the application (the standard help command, for instance).
    if (lParam == 0) {
        if (CWinApp* app = AfxGetApp(); app != nullptr && app->OnCommand(id)) {
            return true;
        }
    }
    return false;
}

void CDialog::OnWindowGone() {
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
    }
    endRequested_ = true;
}

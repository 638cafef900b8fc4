#include "ProgressDlg.h"

#include "MessageMap.h"
#include "RunState.h"
#include "resource.h"

CProgressDlg* progressDlg = nullptr;

CProgressDlg::CProgressDlg(CWnd* parent) : CDialog(IDD_PROGRESS, parent) {}

BOOL CProgressDlg::CreateHidden(CWnd* owner) {
    if (!Create(IDD_PROGRESS, owner)) {
        return FALSE;
    }
    CenterWindow(owner ? owner->m_hWnd : nullptr);
    ShowWindow(SW_HIDE);
    return TRUE;
}

void CProgressDlg::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_PROGRESS_STATUS, statusText);
    DDX_Control(exchange, IDC_PROGRESS_BAR, progressBar);
}

bool CProgressDlg::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    static const Binding<CProgressDlg> bindings[] = {
        OnCommand({IDC_PROGRESS_CANCEL}, &CProgressDlg::RequestStop),
    };
    return RunBindings(bindings, *this, msg, wParam, lParam, result) ||
           CDialog::OnWndMsg(msg, wParam, lParam, result);
}

// Enter must never close the window.
void CProgressDlg::OnOK() {}

// Escape and the close box ask for the stop like the button; the window stays.
void CProgressDlg::OnCancel() {
    RequestStop();
}

void CProgressDlg::RequestStop() {
    SetStatusText(kCancelProcessingText);
    TheRunState().stopRequested = true;
}

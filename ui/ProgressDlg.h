#pragma once
// The small modeless window of a batch: status line, progress bar and Cancel, which only asks the batch
// to stop. Enter does nothing and nothing closes it but its owner.

#include "Dialog.h"
#include "ProgressCtrl.h"
#include "Static.h"

inline constexpr char kCancelProcessingText[] = "Cancel processing...";

class CProgressDlg : public CDialog {
  public:
    explicit CProgressDlg(CWnd* parent = nullptr);

    // Modeless, owned by the main window, centred on it and hidden.
    BOOL CreateHidden(CWnd* owner);
    void SetStatusText(const std::string& text) { statusText.SetWindowText(text); }

    CStatic statusText;
    CProgressCtrl progressBar;

  protected:
    void DoDataExchange(CDataExchange* exchange) override;
    bool OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnOK() override;
    void OnCancel() override;

  private:
    void RequestStop();
};

// The one progress window, created hidden by the main window and deleted with it.
extern CProgressDlg* progressDlg;

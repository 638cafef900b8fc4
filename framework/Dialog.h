#pragma once
// Dialogs from templates: modal runs with our own message loop (so PreTranslateMessage, tooltips and
// image buttons see every message), and modeless windows.

#include <windows.h>

#include "DataExchange.h"
#include "Wnd.h"

class CDialog : public CWnd {
  public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog until EndDialog; the result EndDialog was given, or -1 when it could not start.
    virtual INT_PTR DoModal();
    // A modeless dialog, owned by parent (or the constructor's parent).
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    void EndDialog(INT_PTR result);

    virtual BOOL OnInitDialog();
    // Moves data between the controls and the members (save: from the controls).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    BOOL PreTranslateMessage(MSG* msg) override;

    bool IsModalRunning() const { return modalRunning_; }

  protected:
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK();
    virtual void OnCancel();
    bool OnUnhandledMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnWindowGone() override;

    UINT templateId_;
    CWnd* parent_;

  private:
    friend INT_PTR CALLBACK FrameworkDialogProc(HWND, UINT, WPARAM, LPARAM);
    HWND CreateFromTemplate(HWND owner);

    bool modalRunning_ = false;
    bool endRequested_ = false;
    INT_PTR modalResult_ = -1;
};

#pragma once
// One C++ object per window. The object is found from its window through a pointer kept in the window
// itself (dialog: DWLP_USER; control: the subclass reference data), never through a global map.

#include <windows.h>

#include <string>

class CWnd;
template <class T>
struct Binding;

// Sent by a parent to the child a notification came from, so the child handles its own notification.
struct ReflectedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result = 0;
    bool handled = false;
};

// Private message numbers of the framework, in the application range no system control answers.
inline constexpr UINT WM_FW_REFLECT = WM_APP + 0x3F00;       // lParam: ReflectedMessage*
inline constexpr UINT WM_FW_QUERY_OBJECT = WM_APP + 0x3F01;  // result: the CWnd* of the window

class CWnd {
  public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Our object behind a window of this thread, or nullptr for a window we do not wrap.
    static CWnd* FromHandle(HWND hwnd);

    // Wrapping an existing window: Attach only remembers the handle; SubclassWindow routes its messages
    // through this object until the window is destroyed or UnsubclassWindow is called.
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND Detach();
    bool SubclassWindow(HWND hwnd);
    bool SubclassDlgItem(UINT id, CWnd* parent);
    void UnsubclassWindow();

    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL DestroyWindow();

    // The message the current handler runs for, handed to the window's previous procedure.
    LRESULT Default();

    // Thin helpers over the window calls the program uses.
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, msg, wParam, lParam);
    }
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, msg, wParam, lParam);
    }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    // The nearest window, starting at this one, that is not a child window.
    HWND GetTopLevelParent() const;
    void SetWindowText(const std::string& text) { ::SetWindowTextA(m_hWnd, text.c_str()); }
    std::string GetWindowText() const;
    // At most maxChars characters, as a fixed buffer of maxChars + 1 would hold.
    std::string GetWindowText(size_t maxChars) const;
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    void ModifyStyle(DWORD remove, DWORD add);
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    // The window's rectangle in its parent's client coordinates.
    RECT GetRectInParent() const;
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void CenterWindow(HWND alternateOwner = nullptr);
    HMENU GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }
    HICON SetIcon(HICON icon, BOOL big);
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    int MessageBox(const std::string& text, const char* caption = nullptr, UINT type = MB_OK);

    // Runs one message through reflection, the message map and the framework's defaults. False when
    // nothing handled it, so the window's default procedure must.
    bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  protected:
    // The message map: derived classes run their binding table, then their base's.
    virtual bool OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Runs before a window is subclassed (attached by data exchange).
    virtual void PreSubclassWindow() {}
    // Messages no binding took: command fallbacks of dialogs and so on.
    virtual bool OnUnhandledMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The window is gone (WM_NCDESTROY); the handle has been cleared.
    virtual void OnWindowGone() {}

    // A handler that wants the default handling after all (dialogs: the dialog manager's).
    void SetMsgHandled(bool handled) { msgHandled_ = handled; }
    bool IsMsgHandled() const { return msgHandled_; }
    // For binding tables: leave the message to the default procedure.
    LRESULT PassToDefault(WPARAM, LPARAM) {
        SetMsgHandled(false);
        return 0;
    }

    // Runs the first binding of a table that matches the message (see MessageMap.h).
    template <class T, size_t N>
    static bool RunBindings(const Binding<T> (&bindings)[N], T& wnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result);

    bool subclassed_ = false;
    bool destroyOnDelete_ = false;  // the framework created the window, so the object's end destroys it

  private:
    friend LRESULT CALLBACK FrameworkSubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    friend INT_PTR CALLBACK FrameworkDialogProc(HWND, UINT, WPARAM, LPARAM);
    void WindowGone();

    bool msgHandled_ = true;
    struct CurrentMessage {
        UINT msg = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    } current_;
};

// Sends a notification back to the child it came from. True when the child handled it.
bool ReflectToChild(HWND child, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

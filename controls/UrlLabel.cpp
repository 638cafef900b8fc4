#include "UrlLabel.h"

#include "MessageMap.h"
#include "OpenLink.h"

namespace {
constexpr UINT_PTR kToolId = 1;
constexpr UINT kHoverPollMilliseconds = 100;
constexpr UINT kHandCursorResource = 106;
}  // namespace

CUrlLabel::~CUrlLabel() {
    if (m_hWnd != nullptr) {
        KillTimer(m_hWnd, hoverTimerId);
    }
    if (ownsHandCursor && handCursor != nullptr) {
        DestroyCursor(handCursor);
    }
}

bool CUrlLabel::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    static const Binding<CUrlLabel> bindings[] = {
        OnReflectedColor(&CUrlLabel::OnCtlColor),
        OnReflectedCommand(STN_CLICKED, &CUrlLabel::OnClicked),
        OnMessage(WM_SETCURSOR, &CUrlLabel::OnSetCursor),
        OnMessage(WM_MOUSEMOVE, &CUrlLabel::OnMouseMove),
        OnMessage(WM_TIMER, &CUrlLabel::OnTimer),
        OnMessage(WM_ERASEBKGND, &CUrlLabel::OnEraseBackground),
    };
    return RunBindings(bindings, *this, msg, wParam, lParam, result) ||
           CStatic::OnWndMsg(msg, wParam, lParam, result);
}

void CUrlLabel::PreSubclassWindow() {
    ModifyStyle(0, SS_NOTIFY);

    const std::string caption = GetWindowText();
    if (linkUrl.empty()) {
        linkUrl = caption;
    }
    if (caption.empty()) {
        SetWindowText(linkUrl);
    }

    HFONT font = GetFont();
    if (font == nullptr) {
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    if (font == nullptr) {
        font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    }
    LOGFONTA description{};
    GetObjectA(font, sizeof description, &description);
    plainFont.CreateFontIndirect(description);
    description.lfUnderline = TRUE;
    underlinedFont.CreateFontIndirect(description);

    FitToText();
    LoadHandCursor();
    SetUnderlineMode(-1);

    // The tool covers the client area as it is now; it is not moved when the label is resized later.
    if (linkToolTip.Create(this)) {
        linkToolTip.AddTool(this, linkUrl, GetClientRect(), kToolId);
    }
    CStatic::PreSubclassWindow();
}

void CUrlLabel::SetLinkUrl(const std::string& url) {
    linkUrl = url;
    if (m_hWnd != nullptr) {
        FitToText();
        if (linkToolTip.m_hWnd != nullptr) {
            linkToolTip.UpdateTipText(linkUrl, this, kToolId);
        }
    }
}

void CUrlLabel::SetUnderlineMode(int mode) {
    if (mode == underlineMode) {
        return;
    }
    if (m_hWnd != nullptr) {
        const HFONT font = mode == 1 ? underlinedFont.Get() : plainFont.Get();
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        Invalidate(TRUE);
    }
    underlineMode = mode;
}

void CUrlLabel::SetVisitedState(bool visited) {
    isVisited = visited;
    if (m_hWnd != nullptr) {
        Invalidate(TRUE);
    }
}

void CUrlLabel::FitToText() {
    if (m_hWnd == nullptr || !fitToText) {
        return;
    }
    RECT window = GetRectInParent();
    const RECT client = GetClientRect();

    const std::string text = GetWindowText();
    SIZE extent{};
    {
        CDC dc = CDC::ForClientArea(m_hWnd);
        const CSelection selected = dc.SelectObject(underlinedFont.Get());
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    }
    const int windowWidth = window.right - window.left;
    const int windowHeight = window.bottom - window.top;
    const int neededWidth = extent.cx + (windowWidth - (client.right - client.left));
    const int neededHeight = extent.cy + (windowHeight - (client.bottom - client.top));

    const DWORD style = GetStyle();
    if (style & SS_CENTERIMAGE) {
        const int shrink = (windowHeight - neededHeight) / 2;
        window.top += shrink;
        window.bottom -= shrink;
    } else {
        window.bottom = window.top + neededHeight;
    }
    // The alignment bits of a static's type: SS_CENTER (also part of SS_SIMPLE), then SS_RIGHT.
    if (style & 0x1) {
        const int shrink = (windowWidth - neededWidth) / 2;
        window.left += shrink;
        window.right -= shrink;
    } else if (style & 0x2) {
        window.left = window.right - neededWidth;
    } else {
        window.right = window.left + neededWidth;
    }
    SetWindowPos(m_hWnd, nullptr, window.left, window.top, window.right - window.left,
                 window.bottom - window.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CUrlLabel::LoadHandCursor() {
    if (handCursor != nullptr) {
        return;
    }
    char folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const std::string path = std::string(folder) + "\\winhlp32.exe";
        if (HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
            if (HCURSOR cursor = LoadCursorA(module, MAKEINTRESOURCEA(kHandCursorResource))) {
                handCursor = static_cast<HCURSOR>(CopyImage(cursor, IMAGE_CURSOR, 0, 0, 0));
                ownsHandCursor = handCursor != nullptr;
            }
            FreeLibrary(module);
        }
    }
    // Where that file has no hand cursor, the system's own.
    if (handCursor == nullptr) {
        handCursor = LoadCursor(nullptr, IDC_HAND);
    }
}

COLORREF CUrlLabel::CurrentTextColour() const {
    if (isHovered) {
        return hoverColour;
    }
    return isVisited ? visitedColour : linkColour;
}

HBRUSH CUrlLabel::OnCtlColor(HDC dc, UINT) {
    SetTextColor(dc, CurrentTextColour());
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

bool CUrlLabel::OnClicked() {
    isHovered = false;
    const INT_PTR result = OpenLink(linkUrl, SW_SHOW);
    isVisited = result > 32;
    if (result > 32) {
        SetVisitedState(true);
    } else {
        MessageBeep(MB_ICONEXCLAMATION);
        ShowOpenError(result, GetTopLevelParent());
    }
    return true;
}

LRESULT CUrlLabel::OnSetCursor(WPARAM, LPARAM) {
    if (handCursor != nullptr) {
        ::SetCursor(handCursor);
        return TRUE;
    }
    return FALSE;
}

LRESULT CUrlLabel::OnMouseMove(WPARAM, LPARAM) {
    if (!isHovered) {
        isHovered = true;
        Invalidate(TRUE);
        SetTimer(m_hWnd, hoverTimerId, kHoverPollMilliseconds, nullptr);
    }
    SetMsgHandled(false);
    return 0;
}

LRESULT CUrlLabel::OnTimer(WPARAM timerId, LPARAM) {
    if (timerId == hoverTimerId) {
        const DWORD position = GetMessagePos();
        POINT pointer{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
        ScreenToClient(m_hWnd, &pointer);
        RECT client = GetClientRect();
        if (!PtInRect(&client, pointer)) {
            isHovered = false;
            KillTimer(m_hWnd, hoverTimerId);
            if (underlineMode != 1) {
                SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(plainFont.Get()), TRUE);
            }
            client.bottom += 10;
            InvalidateRect(m_hWnd, &client, TRUE);
        }
    }
    SetMsgHandled(false);
    return 0;
}

LRESULT CUrlLabel::OnEraseBackground(WPARAM, LPARAM) {
    return TRUE;
}

BOOL CUrlLabel::DestroyWindow() {
    if (m_hWnd != nullptr) {
        KillTimer(m_hWnd, hoverTimerId);
    }
    return CStatic::DestroyWindow();
}

BOOL CUrlLabel::PreTranslateMessage(MSG* msg) {
    if (linkToolTip.m_hWnd != nullptr) {
        linkToolTip.RelayEvent(msg);
    }
    return CStatic::PreTranslateMessage(msg);
}

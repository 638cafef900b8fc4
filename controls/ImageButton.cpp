#include "ImageButton.h"

#include <commctrl.h>

#include "MessageMap.h"
#include "WinApp.h"

namespace {
// Button style bits the dialog manager changes when it moves the default push button.
constexpr UINT kStyleTypeMask = 0x1F;
constexpr UINT kForcedOff = 0x04 | 0x10;
constexpr UINT kOwnerDrawn = 0x0B;

int Centred(LONG start, LONG extent, int size) {
    return static_cast<int>(start + (extent - size) / 2);
}
}  // namespace

CImageButton::CImageButton() {
    ResetColors(FALSE);
}

CImageButton::~CImageButton() {
    bgSnapshotOldBitmap.Restore();
    if (icon != nullptr) {
        DestroyIcon(icon);
    }
}

bool CImageButton::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    static const Binding<CImageButton> bindings[] = {
        OnMessage(WM_MOUSEMOVE, &CImageButton::OnMouseMove),
        OnMessage(WM_MOUSELEAVE, &CImageButton::OnMouseLeave),
        OnMessage(WM_KILLFOCUS, &CImageButton::OnFocusOrModeLost),
        OnMessage(WM_CANCELMODE, &CImageButton::OnFocusOrModeLost),
        OnMessage(WM_ACTIVATE, &CImageButton::OnActivate),
        OnMessage(WM_ENABLE, &CImageButton::OnEnable),
        OnMessage(WM_GETDLGCODE, &CImageButton::OnGetDlgCode),
        OnMessage(BM_SETSTYLE, &CImageButton::OnSetStyle),
        OnMessage(BM_SETCHECK, &CImageButton::OnCheck),
        OnMessage(BM_GETCHECK, &CImageButton::OnCheck),
        OnMessage(WM_SYSCOLORCHANGE, &CImageButton::OnSysColorChange),
        OnMessage(WM_ERASEBKGND, &CImageButton::OnEraseBackground),
        OnReflectedColor(&CImageButton::OnCtlColor),
        OnReflectedCommand(BN_CLICKED, &CImageButton::OnClicked),
    };
    return RunBindings(bindings, *this, msg, wParam, lParam, result) ||
           CButton::OnWndMsg(msg, wParam, lParam, result);
}

int CImageButton::LoadIcons(UINT iconId, int width, int height) {
    if (icon != nullptr) {
        DestroyIcon(icon);
        icon = nullptr;
        iconWidth = iconHeight = 0;
    }
    icon = static_cast<HICON>(LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(iconId), IMAGE_ICON, width,
                                         height, LR_DEFAULTCOLOR));
    int result = 0;
    if (icon != nullptr) {
        ICONINFO info{};
        if (GetIconInfo(icon, &info)) {
            // The hot spot of an icon is its centre.
            iconWidth = static_cast<int>(info.xHotspot * 2);
            iconHeight = static_cast<int>(info.yHotspot * 2);
            CBitmap mask(info.hbmMask);
            CBitmap colour(info.hbmColor);
        } else {
            DestroyIcon(icon);
            icon = nullptr;
            result = 1;
        }
    }
    if (m_hWnd != nullptr) {
        Invalidate();
    }
    return result;
}

void CImageButton::CreateTipControl() {
    if (tipCtrl.m_hWnd == nullptr && m_hWnd != nullptr) {
        tipCtrl.Create(this, tipStyle);
        tipCtrl.Activate(FALSE);
        tipCtrl.SetMaxTipWidth(kMaxTipWidth);
    }
}

void CImageButton::SetTipText(const char* text, BOOL activate) {
    if (text == nullptr) {
        return;
    }
    CreateTipControl();
    if (tipCtrl.m_hWnd == nullptr) {
        return;
    }
    if (tipCtrl.GetToolCount() == 0) {
        tipCtrl.AddTool(this, text, GetClientRect(), kToolId);
    }
    tipCtrl.UpdateTipText(text, this, kToolId);
    tipCtrl.Activate(activate);
}

void CImageButton::DropSnapshot() {
    bgSnapshotOldBitmap.Restore();
    bgSnapshotBitmap.DeleteObject();
    bgSnapshotDC.DeleteDC();
}

void CImageButton::UseParentBackground(BOOL repaint) {
    useParentBg = TRUE;
    DropSnapshot();  // the next paint takes a fresh one
    if (repaint && m_hWnd != nullptr) {
        Invalidate();
    }
}

int CImageButton::SetIconPlacement(int placement, BOOL repaint) {
    if (placement < IconLeft || placement > IconTopLeft) {
        return 4;
    }
    iconPlacement = static_cast<unsigned char>(placement);
    if (repaint && m_hWnd != nullptr) {
        Invalidate();
    }
    return 0;
}

int CImageButton::ResetColors(BOOL repaint) {
    const ColorPair system{GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)};
    colors.fill(system);
    if (repaint && m_hWnd != nullptr) {
        Invalidate();
    }
    return 0;
}

BOOL CImageButton::PreTranslateMessage(MSG* msg) {
    CreateTipControl();
    if (tipCtrl.m_hWnd != nullptr) {
        tipCtrl.RelayEvent(msg);
    }
    if (msg->message == WM_LBUTTONDBLCLK) {
        msg->message = WM_LBUTTONDOWN;  // a double click acts as two clicks
    }
    return CButton::PreTranslateMessage(msg);
}

LRESULT CImageButton::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default();
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(m_hWnd, &point);
    HWND under = WindowFromPoint(point);
    if ((wParam & MK_LBUTTON) != 0 && !isHovering) {
        return result;  // a drag that enters the button does not light it
    }
    if (under == m_hWnd) {
        if (!isHovering) {
            isHovering = TRUE;
            Invalidate();
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
            _TrackMouseEvent(&track);
        }
    } else {
        LeaveHover();
    }
    return result;
}

LRESULT CImageButton::OnMouseLeave(WPARAM, LPARAM) {
    LeaveHover();
    return 0;
}

LRESULT CImageButton::OnFocusOrModeLost(WPARAM, LPARAM) {
    const LRESULT result = Default();
    LeaveHover();
    return result;
}

LRESULT CImageButton::OnActivate(WPARAM wParam, LPARAM) {
    const LRESULT result = Default();
    if (LOWORD(wParam) == WA_INACTIVE) {
        LeaveHover();
    }
    return result;
}

LRESULT CImageButton::OnEnable(WPARAM wParam, LPARAM) {
    const LRESULT result = Default();
    if (!wParam) {
        // A disabled button must not keep the keyboard focus.
        HWND parent = GetParent();
        HWND next = GetNextDlgTabItem(parent, m_hWnd, FALSE);
        ::SetFocus(next != nullptr && next != m_hWnd ? next : parent);
    }
    LeaveHover();
    return result;
}

LRESULT CImageButton::OnGetDlgCode(WPARAM, LPARAM) {
    return Default() | (isDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

LRESULT CImageButton::OnSetStyle(WPARAM wParam, LPARAM lParam) {
    const UINT type = static_cast<UINT>(wParam) & kStyleTypeMask;
    if (type == BS_DEFPUSHBUTTON) {
        isDefault = TRUE;
    } else if (type == BS_PUSHBUTTON) {
        isDefault = FALSE;
    }
    // Whatever push-button style the dialog asks for, the button stays owner-drawn.
    const UINT style = (static_cast<UINT>(wParam) & ~kForcedOff) | kOwnerDrawn;
    return DefSubclassProc(m_hWnd, BM_SETSTYLE, style, lParam);
}

LRESULT CImageButton::OnCheck(WPARAM, LPARAM) {
    return 0;
}

LRESULT CImageButton::OnSysColorChange(WPARAM, LPARAM) {
    const LRESULT result = Default();
    DropSnapshot();
    ResetColors(TRUE);
    return result;
}

LRESULT CImageButton::OnEraseBackground(WPARAM, LPARAM) {
    return TRUE;
}

HBRUSH CImageButton::OnCtlColor(HDC, UINT) {
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

bool CImageButton::OnClicked() {
    SetFocus();
    return false;  // the parent still runs its command
}

void CImageButton::LeaveHover() {
    if (isHovering) {
        isHovering = FALSE;
        Invalidate();
    }
}

const CImageButton::ColorPair& CImageButton::StateColors() const {
    if (isHovering || isPressed) {
        return colors[Hot];
    }
    return isFocused ? colors[Focused] : colors[Normal];
}

void CImageButton::DrawItem(DRAWITEMSTRUCT* item) {
    CDC dc = CDC::Use(item->hDC);
    isPressed = (item->itemState & ODS_SELECTED) != 0;
    isFocused = (item->itemState & ODS_FOCUS) != 0;
    isDisabled = (item->itemState & ODS_DISABLED) != 0;
    const RECT itemRect = item->rcItem;

    dc.SetBkMode(TRANSPARENT);
    if (useParentBg) {
        CopyParentBackground(dc);
    } else {
        PaintBackground(dc, itemRect);
    }
    PaintBorder(dc, itemRect);

    const std::string caption = GetWindowText();
    RECT captionRect = itemRect;
    if (icon != nullptr) {
        PaintIcon(dc, !caption.empty(), itemRect, captionRect);
    }
    if (!caption.empty()) {
        PaintCaption(dc, caption, captionRect);
    }
    // No focus rectangle: focus and default status are not shown.
}

void CImageButton::CopyParentBackground(CDC& dc) {
    HWND parent = GetParent();
    CDC parentDc = CDC::ForClientArea(parent);
    const RECT client = GetClientRect();
    const RECT inParent = GetRectInParent();
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (!bgSnapshotDC) {
        bgSnapshotDC.CreateCompatibleDC(parentDc);
        bgSnapshotBitmap.CreateCompatibleBitmap(parentDc, width, height);
        bgSnapshotOldBitmap = bgSnapshotDC.SelectObject(bgSnapshotBitmap);
        bgSnapshotDC.BitBlt(0, 0, width, height, parentDc, inParent.left, inParent.top);
    }
    dc.BitBlt(0, 0, width, height, bgSnapshotDC, 0, 0);
}

void CImageButton::PaintBackground(CDC& dc, const RECT& rect) {
    dc.FillSolidRect(rect, StateColors().background);
}

void CImageButton::PaintBorder(CDC& dc, const RECT& rect) {
    if (isPressed) {
        dc.Draw3dRect(rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    } else if (isHovering) {
        dc.Draw3dRect(rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    }
}

RECT CImageButton::ComputeImageRect(bool hasCaption, const RECT& item, RECT& caption, bool pressed, int width,
                                    int height) const {
    RECT image = item;
    const LONG itemWidth = item.right - item.left;
    const LONG itemHeight = item.bottom - item.top;
    const LONG buttonWidth = item.right - item.left;
    auto centreHorizontally = [&] { image.left = Centred(item.left, itemWidth, width); };
    auto centreVertically = [&] { image.top = Centred(item.top, itemHeight, height); };

    switch (iconPlacement) {
        case IconLeft:
            if (hasCaption) {
                image.left = item.left + hMargin;
                caption.left += hMargin + width;
                centreVertically();
            } else {
                centreHorizontally();
                centreVertically();
            }
            break;
        case IconAbove:
            if (hasCaption) {
                centreHorizontally();
                image.top = vMargin;
                caption.top += height;
            } else {
                centreHorizontally();
                centreVertically();
            }
            break;
        case IconRight:
            if (hasCaption) {
                caption.left = hMargin;
                caption.right = buttonWidth - hMargin - width;
                image.left = buttonWidth - hMargin - width;
                centreVertically();
            } else {
                centreHorizontally();
            }
            break;
        default:
            break;  // top-left corner: the item's own
    }
    image.right = image.left + width;
    image.bottom = image.top + height;
    if (pressed) {
        OffsetRect(&image, pressShift.x, pressShift.y);
    }
    return image;
}

void CImageButton::PaintIcon(CDC& dc, bool hasCaption, const RECT& item, RECT& caption) {
    const RECT image = ComputeImageRect(hasCaption, item, caption, isPressed, iconWidth, iconHeight);
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, image.left, image.top, iconWidth,
               iconHeight, DST_ICON | (isDisabled ? DSS_DISABLED : DSS_NORMAL));
}

void CImageButton::PaintCaption(CDC& dc, const std::string& caption, RECT& rect) {
    if (isPressed) {
        OffsetRect(&rect, pressShift.x, pressShift.y);
    }
    HFONT font = GetFont();
    CSelection fontSelection = dc.SelectObject(font);
    constexpr UINT kFormat = DT_WORDBREAK | DT_CENTER;
    RECT measured = rect;
    dc.DrawText(caption, measured, kFormat | DT_CALCRECT);
    const LONG width = measured.right - measured.left;
    const LONG height = measured.bottom - measured.top;
    measured.left = rect.left + (rect.right - rect.left - width) / 2;
    measured.top = rect.top + (rect.bottom - rect.top - height) / 2;
    measured.right = measured.left + width;
    measured.bottom = measured.top + height;

    dc.SetBkMode(TRANSPARENT);
    if (isDisabled) {
        RECT embossed = measured;
        OffsetRect(&embossed, 1, 1);
        dc.SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
        dc.DrawText(caption, embossed, kFormat);
        dc.SetTextColor(GetSysColor(COLOR_BTNSHADOW));
        dc.DrawText(caption, measured, kFormat);
    } else {
        const ColorPair& pair = StateColors();
        dc.SetTextColor(pair.text);
        dc.SetBkColor(pair.background);
        dc.DrawText(caption, measured, kFormat);
    }
}

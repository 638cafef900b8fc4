#pragma once
// A flat owner-drawn push button with an icon, a caption or both: no frame at rest, a raised frame
// while the pointer is over it, a sunken one while pressed. It can paint its parent's pixels behind
// itself so that it blends into a skinned dialog, and it carries its own tooltip.

#include <array>

#include "Button.h"
#include "Gdi.h"
#include "ToolTipCtrl.h"

class CImageButton : public CButton {
  public:
    enum IconPlacement : unsigned char { IconLeft = 0, IconAbove = 1, IconRight = 2, IconTopLeft = 3 };

    CImageButton();
    ~CImageButton() override;

    // 0 on success (also when the resource is missing: the button then has no icon); 1 when the
    // loaded icon's information cannot be read. Width and height 0: the resource's own size.
    int LoadIcons(UINT iconId, int width, int height);
    // Null text: nothing happens.
    void SetTipText(const char* text, BOOL activate);
    void UseParentBackground(BOOL repaint);
    // 0, or 4 for a placement above 3 (nothing changes then).
    int SetIconPlacement(int placement, BOOL repaint);
    int ResetColors(BOOL repaint);

    BOOL PreTranslateMessage(MSG* msg) override;

    // The button's state as it would draw it now.
    bool IsHovering() const { return isHovering; }
    bool IsDefault() const { return isDefault; }
    bool UsesParentBackground() const { return useParentBg; }
    SIZE IconSize() const { return {iconWidth, iconHeight}; }
    HWND TipWindow() const { return tipCtrl.m_hWnd; }
    std::string TipText() { return tipCtrl.m_hWnd ? tipCtrl.GetText(this, kToolId) : std::string(); }
    // The image rectangle for a placement; the caption rectangle may move (public for its tests).
    RECT ComputeImageRect(bool hasCaption, const RECT& item, RECT& caption, bool pressed, int width,
                          int height) const;

  protected:
    void DrawItem(DRAWITEMSTRUCT* item) override;
    void PreSubclassWindow() override { CButton::PreSubclassWindow(); }
    bool OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    virtual void PaintBackground(CDC& dc, const RECT& rect);
    virtual void PaintBorder(CDC& dc, const RECT& rect);
    virtual void PaintIcon(CDC& dc, bool hasCaption, const RECT& item, RECT& caption);
    virtual void PaintCaption(CDC& dc, const std::string& caption, RECT& rect);

  private:
    struct ColorPair {
        COLORREF background;
        COLORREF text;
    };
    enum ColorState { Hot = 0, Normal = 1, Focused = 2 };
    static constexpr UINT_PTR kToolId = 1;
    static constexpr int kMaxTipWidth = 400;

    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    LRESULT OnFocusOrModeLost(WPARAM, LPARAM);
    LRESULT OnActivate(WPARAM, LPARAM);
    LRESULT OnEnable(WPARAM, LPARAM);
    LRESULT OnGetDlgCode(WPARAM, LPARAM);
    LRESULT OnSetStyle(WPARAM, LPARAM);
    LRESULT OnCheck(WPARAM, LPARAM);
    LRESULT OnSysColorChange(WPARAM, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM);
    HBRUSH OnCtlColor(HDC, UINT);
    bool OnClicked();

    void CreateTipControl();
    void LeaveHover();
    void DropSnapshot();
    void CopyParentBackground(CDC& dc);
    const ColorPair& StateColors() const;

    int hMargin = 3;
    int vMargin = 3;
    POINT pressShift = {1, 1};
    BOOL isHovering = FALSE;
    BOOL useParentBg = FALSE;
    BOOL isPressed = FALSE;
    BOOL isFocused = FALSE;
    BOOL isDisabled = FALSE;
    BOOL isDefault = FALSE;
    unsigned char iconPlacement = IconLeft;
    std::array<ColorPair, 3> colors{};
    CToolTipCtrl tipCtrl;
    CDC bgSnapshotDC;
    CBitmap bgSnapshotBitmap;
    CSelection bgSnapshotOldBitmap;
    DWORD tipStyle = 0;
    HICON icon = nullptr;
    int iconWidth = 0;
    int iconHeight = 0;
};

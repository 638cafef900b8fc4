#pragma once
// A static text that acts as a web link: link colours and underline, a hand cursor, a tooltip with its
// address, a hover colour, and opening the address when clicked.

#include <windows.h>

#include <string>

#include "Gdi.h"
#include "Static.h"
#include "ToolTipCtrl.h"

class CUrlLabel : public CStatic {
  public:
    CUrlLabel() = default;
    ~CUrlLabel() override;

    void SetLinkUrl(const std::string& url);
    const std::string& GetLinkUrl() const { return linkUrl; }
    // 1: underlined; any other value: plain; -1 keeps the font the control came with until a change.
    void SetUnderlineMode(int mode);
    void SetVisitedState(bool visited);
    // Resizes the control around its text, keeping the side or centre its style aligns the text to.
    void FitToText();

    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    bool IsHovered() const { return isHovered; }
    bool IsVisited() const { return isVisited; }
    // The colour the text is drawn in now.
    COLORREF CurrentTextColour() const;
    HCURSOR GetHandCursor() const { return handCursor; }
    CToolTipCtrl& GetToolTip() { return linkToolTip; }

    static constexpr COLORREF kLinkColour = RGB(0, 0, 238);
    static constexpr COLORREF kVisitedColour = RGB(85, 26, 139);
    static constexpr COLORREF kHoverColour = RGB(255, 0, 0);

  protected:
    void PreSubclassWindow() override;
    bool OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    HBRUSH OnCtlColor(HDC dc, UINT controlType);
    bool OnClicked();
    LRESULT OnSetCursor(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnTimer(WPARAM timerId, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM);
    void LoadHandCursor();

    COLORREF linkColour = kLinkColour;
    COLORREF visitedColour = kVisitedColour;
    COLORREF hoverColour = kHoverColour;
    bool isHovered = false;
    bool isVisited = false;
    int underlineMode = -1;
    bool fitToText = true;
    std::string linkUrl;
    CFont underlinedFont;
    CFont plainFont;
    HCURSOR handCursor = nullptr;
    bool ownsHandCursor = false;  // a copy of our own, not the system's shared cursor
    CToolTipCtrl linkToolTip;
    UINT_PTR hoverTimerId = 100;
};

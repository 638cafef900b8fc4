#pragma once
// A static text drawn in a heavy Arial face of its own, on the button face colour.

#include <windows.h>

#include "Gdi.h"
#include "Static.h"

class CStyledLabel : public CStatic {
  public:
    CStyledLabel();
    ~CStyledLabel() override = default;

    HFONT GetLabelFont() const { return labelFont; }
    COLORREF GetTextColour() const { return textColour; }

  protected:
    void PreSubclassWindow() override;
    bool OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    HBRUSH OnCtlColor(HDC dc, UINT controlType);

    COLORREF textColour;
    CBrush backBrush;
    CFont labelFont;
};

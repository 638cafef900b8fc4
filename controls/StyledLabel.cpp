#include "StyledLabel.h"

#include "MessageMap.h"

namespace {
// Heavier than the 700 of an ordinary bold face.
constexpr LONG kLabelWeight = 956;
}  // namespace

CStyledLabel::CStyledLabel() : textColour(GetSysColor(COLOR_WINDOWTEXT)) {
    backBrush.CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    LOGFONTA description{};
    description.lfHeight = 14;
    description.lfWeight = kLabelWeight;
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(description.lfFaceName, "Arial", LF_FACESIZE);
    labelFont.CreateFontIndirect(description);
}

void CStyledLabel::PreSubclassWindow() {
    // Also the control's own font: a static that selects its font after asking for its colours (as
    // Wine's does) would otherwise draw in the dialog's font.
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(labelFont.Get()), FALSE);
    CStatic::PreSubclassWindow();
}

bool CStyledLabel::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    static const Binding<CStyledLabel> bindings[] = {
        OnReflectedColor(&CStyledLabel::OnCtlColor),
    };
    return RunBindings(bindings, *this, msg, wParam, lParam, result) ||
           CStatic::OnWndMsg(msg, wParam, lParam, result);
}

HBRUSH CStyledLabel::OnCtlColor(HDC dc, UINT controlType) {
    if (controlType != CTLCOLOR_STATIC) {
        return nullptr;
    }
    // Left selected: the static draws its text with this context right after.
    SelectObject(dc, labelFont);
    SetTextColor(dc, textColour);
    SetBkMode(dc, TRANSPARENT);
    return backBrush;
}

#pragma once
#include <span>
#include <string>
#include <string_view>

#include "Wnd.h"

class CComboBox : public CWnd {
  public:
    int AddString(const std::string& text) {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    // Every text of a list, in order.
    void AddStrings(std::span<const std::string_view> texts) {
        for (std::string_view text : texts) {
            AddString(std::string(text));
        }
    }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    // -1 or a position outside the list clears the selection.
    int SetCurSel(int index) {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    std::string GetLBText(int index) const {
        const auto length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
        if (length < 0) {
            return {};
        }
        std::string text(static_cast<size_t>(length) + 1, '\0');
        SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        return text;
    }
};

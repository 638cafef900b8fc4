#include "SettingsDialogDriver.h"

#include <windows.h>

// after windows.h, whose types it uses
#include <commctrl.h>

#include "UiTestSupport.h"

namespace settingsdlg {

ComboState ReadCombo(HWND combo) {
    ComboState state;
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        state.items.push_back(text);
    }
    state.selection = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    state.enabled = IsWindowEnabled(combo) != FALSE;
    return state;
}

HWND FindSettingsDialog() {
    for (HWND window : uitest::ThreadWindows("#32770")) {
        if (uitest::WindowText(window) == "Output Settings") {
            return window;
        }
    }
    return nullptr;
}

void Choose(HWND dialog, int comboId, int position) {
    HWND combo = GetDlgItem(dialog, comboId);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void PressKey(HWND control, UINT virtualKey) {
    SetFocus(control);
    SendMessageA(control, WM_KEYDOWN, virtualKey, 1);
    SendMessageA(control, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001));
}

void Click(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
}

}  // namespace settingsdlg

bool SettingsDialogFixture::WithSettingsDialog(int buttonId, const std::function<void(HWND)>& whileOpen) {
    uitest::WhenReady ready([] { return settingsdlg::FindSettingsDialog() != nullptr; },
                            [&] { whileOpen(settingsdlg::FindSettingsDialog()); });
    // A dialog the test left open would keep the run waiting for ever.
    const DWORD start = GetTickCount();
    uitest::WhenReady watchdog([&] { return ready.Done() && GetTickCount() - start > 10000; },
                               [] {
                                   ADD_FAILURE() << "the Output Settings dialog was left open";
                                   if (HWND settings = settingsdlg::FindSettingsDialog()) {
                                       PostMessageA(settings, WM_COMMAND, IDCANCEL, 0);
                                   }
                               });
    settingsdlg::Click(Item(buttonId));
    return ready.Done();
}

bool SettingsDialogFixture::EditSettings(const std::function<void(HWND)>& actions, int endButton) {
    return WithSettingsDialog(IDC_SETTINGS_PLAIN, [&](HWND settings) {
        actions(settings);
        settingsdlg::Click(GetDlgItem(settings, endButton));
    });
}

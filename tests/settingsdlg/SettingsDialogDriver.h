#pragma once
// Drives the Output Settings dialog as a user does: a Settings button of the real main window opens it,
// then picks in its combos, keys on its slider and clicks on its buttons, all inside its modal loop.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "MainDialogFixture.h"
#include "WinApp.h"

namespace settingsdlg {

struct ComboState {
    std::vector<std::string> items;
    int selection = -1;
    bool enabled = false;
    bool operator==(const ComboState&) const = default;
};
ComboState ReadCombo(HWND combo);

// The visible Output Settings dialog of this thread, or null.
HWND FindSettingsDialog();

// A pick from the drop-down list: the combo changes its selection and tells its parent.
void Choose(HWND dialog, int comboId, int position);
// A key pressed on a control that has the focus (Home, End, arrows on the slider).
void PressKey(HWND control, UINT virtualKey);
// A click on a button (push buttons, the check box).
void Click(HWND button);

}  // namespace settingsdlg

// The main window of MainDialogFixture as the application's main window, so that the settings dialog,
// which has no parent of its own, is owned by it as in the program.
class SettingsDialogFixture : public MainDialogFixture {
  protected:
    void SetUp() override {
        MainDialogFixture::SetUp();
        if (dialog) {
            app.m_pMainWnd = dialog.get();
        }
    }
    void TearDown() override {
        MainDialogFixture::TearDown();
        app.m_pMainWnd = nullptr;
    }

    // Presses the Settings button `buttonId` and runs `whileOpen` inside the dialog's modal loop; it must
    // end the dialog. False when the dialog never appeared.
    bool WithSettingsDialog(int buttonId, const std::function<void(HWND settings)>& whileOpen);
    // Opens the dialog with the plain Settings button, runs `actions`, then clicks `endButton`.
    bool EditSettings(const std::function<void(HWND settings)>& actions, int endButton = IDOK);

    CWinApp app;
};

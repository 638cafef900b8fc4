// Template 166 as the dialog shows it: controls, places, styles, texts, tab order, font and frame.
#include <windows.h>

// after windows.h, whose types it uses
#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>

#include "OutputSettingsDlg.h"
#include "SettingsDialogDriver.h"
#include "SettingsLists.h"

using namespace uitest;

namespace {

struct TemplateControl {
    int id;  // -1: none
    const char* className;
    RECT dialogUnits;  // x, y, width, height; for a combo the height is its opened list's
    DWORD styleBits;   // bits that must be set
    const char* text;
};

constexpr DWORD kDropList = CBS_DROPDOWNLIST | WS_TABSTOP;

// Every control, in template order, which is the tab order.
const TemplateControl kControls[] = {
    {-1, "Static", {12, 10, 43, 8}, 0, "Output format"},
    {1066, "ComboBox", {65, 8, 198, 97}, kDropList, ""},
    {-1, "Static", {12, 28, 43, 8}, 0, "Output quality"},
    {1067, "ComboBox", {65, 26, 198, 80}, kDropList, ""},
    {-1, "Static", {12, 46, 39, 8}, 0, "Video codec"},
    {1068, "ComboBox", {65, 44, 65, 41}, kDropList, ""},
    {-1, "Static", {149, 46, 39, 8}, 0, "Audio codec"},
    {1069, "ComboBox", {198, 44, 65, 41}, kDropList, ""},
    {-1, "Static", {12, 64, 35, 8}, 0, "Resolution"},
    {1070, "ComboBox", {65, 62, 65, 209}, kDropList, ""},
    {-1, "Static", {149, 64, 39, 8}, 0, "Frame rate"},
    {1071, "ComboBox", {198, 62, 65, 99}, kDropList, ""},
    {1072, "Button", {64, 113, 121, 10}, BS_AUTOCHECKBOX | WS_TABSTOP, "Add letter box to keep aspect ratio"},
    {-1, "Static", {12, 101, 25, 8}, 0, "Volume"},
    {1073, "msctls_trackbar32", {62, 101, 70, 9}, TBS_NOTICKS | WS_TABSTOP, ""},
    {1074, "Static", {149, 100, 38, 8}, 0, "+0db"},
    {-1, "Static", {7, 129, 263, 1}, SS_ETCHEDHORZ, ""},
    {IDOK, "Button", {173, 135, 35, 12}, WS_TABSTOP, "Ok"},
    {IDCANCEL, "Button", {220, 135, 35, 12}, WS_TABSTOP, "Cancel"},
    {-1, "Static", {12, 82, 29, 8}, 0, "TV mode"},
    {1077, "ComboBox", {65, 80, 65, 30}, kDropList, ""},
    {-1, "Static", {149, 82, 38, 8}, 0, "Aspect ratio"},
    {1078, "ComboBox", {198, 80, 65, 79}, kDropList, ""},
};

RECT ToPixels(HWND dialog, RECT units) {
    RECT rect = units;
    MapDialogRect(dialog, &rect);
    return {rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
}

RECT RectInDialog(HWND dialog, HWND item) {
    RECT rect{};
    GetWindowRect(item, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ExpectTemplate(HWND settings) {
    EXPECT_EQ(WindowText(settings), "Output Settings");
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(settings, GWL_STYLE));
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU),
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
    EXPECT_TRUE(GetWindowLongPtrA(settings, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

    LOGFONTA font{};
    ASSERT_TRUE(
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(settings, WM_GETFONT, 0, 0)), sizeof font, &font));
    EXPECT_STREQ(font.lfFaceName, "Arial");
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);

    RECT client{};
    GetClientRect(settings, &client);
    const RECT size = ToPixels(settings, {0, 0, 279, 151});
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);

    std::vector<HWND> children;
    for (HWND child = GetWindow(settings, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    ASSERT_EQ(children.size(), std::size(kControls));
    std::set<int> listHeightLoss;
    for (size_t i = 0; i < children.size(); ++i) {
        const TemplateControl& expected = kControls[i];
        HWND item = children[i];
        SCOPED_TRACE(testing::Message() << "control " << i << " id " << expected.id << " " << expected.text);
        EXPECT_EQ(static_cast<short>(GetDlgCtrlID(item)), expected.id);
        EXPECT_EQ(ClassName(item), expected.className);
        const DWORD itemStyle = static_cast<DWORD>(GetWindowLongPtrA(item, GWL_STYLE));
        EXPECT_EQ(itemStyle & expected.styleBits, expected.styleBits);
        if (ClassName(item) != "ComboBox") {
            EXPECT_EQ(WindowText(item), expected.text);
        }
        const RECT wanted = ToPixels(settings, expected.dialogUnits);
        const RECT actual = RectInDialog(settings, item);
        EXPECT_EQ(actual.left, wanted.left);
        EXPECT_EQ(actual.top, wanted.top);
        if (ClassName(item) == "ComboBox") {
            EXPECT_EQ(actual.right, wanted.right);
            EXPECT_EQ(itemStyle & CBS_SORT, 0u);
            // The template gives the opened list's height; Wine reports it less the selection field, the
            // same amount for every combo of one font.
            RECT dropped{};
            SendMessageA(item, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
            listHeightLoss.insert((wanted.bottom - wanted.top) - (dropped.bottom - dropped.top));
        } else if (expected.id == -1 && expected.styleBits == SS_ETCHEDHORZ) {
            // Wine draws an etched line 2 pixels longer than its template; its place and height hold.
            EXPECT_NEAR(actual.right, wanted.right, 2);
            EXPECT_EQ(actual.bottom, wanted.bottom);
        } else {
            EXPECT_EQ(actual.right, wanted.right);
            EXPECT_EQ(actual.bottom, wanted.bottom);
        }
    }
    EXPECT_EQ(listHeightLoss.size(), 1u);
    // Wine moves a combo's WS_VSCROLL to its list, which shows the bar once the items overflow it.
    COMBOBOXINFO quality{};
    quality.cbSize = sizeof quality;
    ASSERT_TRUE(GetComboBoxInfo(GetDlgItem(settings, 1067), &quality));
    EXPECT_TRUE(GetWindowLongPtrA(quality.hwndList, GWL_STYLE) & WS_VSCROLL);
    HWND slider = GetDlgItem(settings, 1073);
    EXPECT_EQ(GetWindowLongPtrA(slider, GWL_STYLE) & TBS_VERT, 0);
    EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), 40);
}

}  // namespace

TEST_F(SettingsDialogFixture, BothSettingsButtonsOpenTheTemplateOwnedByTheMainWindow) {
    for (int button : {IDC_SETTINGS, IDC_SETTINGS_PLAIN}) {
        SCOPED_TRACE(button);
        HWND owner = nullptr;
        bool mainEnabled = true;
        ASSERT_TRUE(WithSettingsDialog(button, [&](HWND settings) {
            owner = GetWindow(settings, GW_OWNER);
            mainEnabled = dialog->IsWindowEnabled() != FALSE;
            ExpectTemplate(settings);
            settingsdlg::Click(GetDlgItem(settings, IDCANCEL));
        }));
        EXPECT_EQ(owner, dialog->m_hWnd);
        EXPECT_FALSE(mainEnabled);  // modal: the main window waits
        EXPECT_TRUE(dialog->IsWindowEnabled());
        EXPECT_EQ(settingsdlg::FindSettingsDialog(), nullptr);
    }
}

TEST_F(SettingsDialogFixture, OpensWithTheFormatsInValueOrderAndTheFocusOnTheFirstTabStop) {
    TheSettings().outputFormat = static_cast<int>(OutputFormat::SvcdMpeg2);
    settingsdlg::ComboState formats;
    HWND focus = nullptr;
    HWND firstCombo = nullptr;
    ASSERT_TRUE(EditSettings(
        [&](HWND settings) {
            formats = settingsdlg::ReadCombo(GetDlgItem(settings, 1066));
            focus = GetFocus();
            firstCombo = GetDlgItem(settings, 1066);
        },
        IDCANCEL));
    EXPECT_EQ(formats.items,
              (std::vector<std::string>{
                  "AVI Format (*.avi)", "MPEG1 Format (*.mpg)", "MPEG2 Format (*.mpg)", "DivX Format (*.avi)",
                  "Xvid Format (*.avi)", "VCD compatible MPEG1 Format (*.mpg)",
                  "SVCD compatible MPEG2 Format (*.mpg)", "DVD compatible MPEG2 Format (*.vob)",
                  "WMV Format (*.wmv)", "ASF Format (*.ASF)"}));
    EXPECT_EQ(formats.selection, 6);
    EXPECT_TRUE(formats.enabled);
    EXPECT_EQ(focus, firstCombo);
}

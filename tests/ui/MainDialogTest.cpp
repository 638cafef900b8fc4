#include <windows.h>

// after windows.h, whose types it uses
#include <commctrl.h>
#include <gtest/gtest.h>

#include "MainDialogFixture.h"
#include "Menu.h"
#include "OutputFolderRules.h"
#include "ProgressDlg.h"
#include "RunState.h"
#include "SettingsLists.h"

using namespace uitest;

namespace {

struct TemplateControl {
    int id;
    const char* className;
    RECT dialogUnits;  // x, y, width, height
    DWORD styleBits;   // bits that must be set
    const char* text;
};

// The controls that have an identifier, in tab order.
const TemplateControl kMainControls[] = {
    {IDC_ADD, "Button", {15, 3, 51, 44}, BS_OWNERDRAW | WS_TABSTOP, "Add"},
    {IDC_CONVERT, "Button", {78, 3, 51, 44}, BS_OWNERDRAW | WS_TABSTOP, "Convert"},
    {IDC_SETTINGS, "Button", {141, 3, 51, 44}, BS_OWNERDRAW | WS_TABSTOP, "Settings"},
    {IDC_HELP_BUTTON, "Button", {217, 3, 51, 44}, BS_OWNERDRAW | WS_TABSTOP, "Help"},
    {IDC_SOURCE_LIST, "SysListView32", {15, 55, 384, 163}, LVS_REPORT | LVS_SINGLESEL | WS_TABSTOP, ""},
    {IDC_OUTPUT_FOLDER, "Edit", {78, 228, 263, 12}, ES_AUTOHSCROLL | WS_TABSTOP, nullptr},
    {IDC_CHANGE_FOLDER, "Button", {347, 227, 52, 13}, BS_CENTER | BS_VCENTER | WS_TABSTOP, "Change"},
    {IDC_SIDE_ADD, "Button", {405, 68, 18, 17}, BS_OWNERDRAW | WS_TABSTOP, ""},
    {IDC_SIDE_REMOVE, "Button", {405, 95, 18, 17}, BS_OWNERDRAW | WS_TABSTOP, ""},
    {IDC_SIDE_UP, "Button", {405, 122, 18, 17}, BS_OWNERDRAW | WS_TABSTOP, ""},
    {IDC_SIDE_DOWN, "Button", {405, 149, 18, 17}, BS_OWNERDRAW | WS_TABSTOP, ""},
    {IDC_OUTPUT_FORMAT, "ComboBox", {78, 247, 263, 222}, CBS_DROPDOWNLIST | WS_TABSTOP, nullptr},
    {IDC_ASPECT_RATIO, "ComboBox", {249, 267, 92, 60}, CBS_DROPDOWNLIST | WS_TABSTOP, nullptr},
    {IDC_TV_MODE, "ComboBox", {78, 267, 92, 55}, CBS_DROPDOWNLIST | WS_TABSTOP, nullptr},
    {IDC_SETTINGS_PLAIN, "Button", {347, 247, 52, 13}, BS_CENTER | WS_TABSTOP, "Settings"},
    {IDC_CONVERT_PLAIN, "Button", {347, 267, 52, 13}, WS_TABSTOP, "Convert"},
};

// Position and size are converted each on its own, as the dialog manager does.
RECT ToPixels(HWND dialog, RECT units) {
    RECT rect = units;
    MapDialogRect(dialog, &rect);
    return {rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
}

// A border asked for with WS_BORDER may be drawn as a client edge instead.
bool HasBorder(HWND item) {
    return (GetWindowLongPtrA(item, GWL_STYLE) & WS_BORDER) ||
           (GetWindowLongPtrA(item, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

}  // namespace

TEST_F(MainDialogFixture, TemplateControlsHaveTheirIdsPlacesStylesAndTexts) {
    EXPECT_EQ(WindowText(dialog->m_hWnd), "Corvane");
    const DWORD style = dialog->GetStyle();
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_POPUP),
              WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_POPUP);
    EXPECT_TRUE(GetWindowLongPtrA(dialog->m_hWnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    for (const TemplateControl& expected : kMainControls) {
        SCOPED_TRACE(expected.id);
        HWND item = Item(expected.id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(ClassName(item), expected.className);
        const DWORD itemStyle = static_cast<DWORD>(GetWindowLongPtrA(item, GWL_STYLE));
        // Image buttons may have become owner-drawn from push buttons; compare the other bits.
        EXPECT_EQ(itemStyle & expected.styleBits, expected.styleBits);
        if (expected.text != nullptr) {
            EXPECT_EQ(WindowText(item), expected.text);
        }
        RECT actual{};
        GetWindowRect(item, &actual);
        MapWindowPoints(nullptr, dialog->m_hWnd, reinterpret_cast<POINT*>(&actual), 2);
        const RECT wanted = ToPixels(dialog->m_hWnd, expected.dialogUnits);
        EXPECT_EQ(actual.left, wanted.left);
        EXPECT_EQ(actual.top, wanted.top);
        EXPECT_EQ(actual.right, wanted.right);
        if (std::string(expected.className) != "ComboBox") {  // a combo's height is its opened list's
            EXPECT_EQ(actual.bottom, wanted.bottom);
        }
        if (expected.id == IDC_SOURCE_LIST || expected.id == IDC_OUTPUT_FOLDER) {
            EXPECT_TRUE(HasBorder(item));
        }
    }
    // Tab order is template order.
    std::vector<int> order;
    for (HWND child = GetWindow(dialog->m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) != 0xFFFF && GetDlgCtrlID(child) != -1) {
            order.push_back(GetDlgCtrlID(child));
        }
    }
    std::vector<int> expectedOrder;
    for (const TemplateControl& expected : kMainControls) {
        expectedOrder.push_back(expected.id);
    }
    EXPECT_EQ(order, expectedOrder);
}

TEST_F(MainDialogFixture, CombosShowTheListsAndTheSettings) {
    ASSERT_EQ(dialog->formatCombo.GetCount(), static_cast<int>(lists::outputFormats.size()));
    for (int i = 0; i < dialog->formatCombo.GetCount(); ++i) {
        EXPECT_EQ(dialog->formatCombo.GetLBText(i), lists::outputFormats[static_cast<size_t>(i)]);
    }
    EXPECT_EQ(dialog->formatCombo.GetCurSel(), 0);
    ASSERT_EQ(dialog->tvModeCombo.GetCount(), 2);
    EXPECT_EQ(dialog->tvModeCombo.GetLBText(0), "NTSC");
    EXPECT_EQ(dialog->tvModeCombo.GetLBText(1), "PAL");
    // AVI: TV mode and aspect ratio disabled, the aspect combo showing the disc choice.
    EXPECT_FALSE(dialog->tvModeCombo.IsWindowEnabled());
    EXPECT_FALSE(dialog->aspectCombo.IsWindowEnabled());
    ASSERT_EQ(dialog->aspectCombo.GetCount(), static_cast<int>(lists::discAspect.size()));
    EXPECT_EQ(dialog->aspectCombo.GetCurSel(), TheSettings().dvdAspectRatio);
    EXPECT_EQ(dialog->outputFolderEdit.GetWindowText(), "C:\\output video\\");
}

TEST_F(MainDialogFixture, ListHasThreeColumnsAndFullRowSelection) {
    EXPECT_EQ(dialog->sourceListCtrl.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT));
    struct Column {
        const char* heading;
        int format;
        int width;
    };
    const Column expected[] = {
        {" Number", LVCFMT_LEFT, 90}, {"  File path", LVCFMT_LEFT, 360}, {"   Duration", LVCFMT_CENTER, 122}};
    for (int i = 0; i < 3; ++i) {
        char text[64] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        column.pszText = text;
        column.cchTextMax = sizeof text;
        ASSERT_TRUE(dialog->sourceListCtrl.SendMessage(LVM_GETCOLUMNA, static_cast<WPARAM>(i),
                                                       reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(text, expected[i].heading);
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, expected[i].format);
        EXPECT_EQ(column.cx, expected[i].width);
    }
}

TEST_F(MainDialogFixture, SystemMenuEndsWithTheAboutItemBelowASeparator) {
    CMenu menu = CMenu::Use(dialog->GetSystemMenu(FALSE));
    const int count = menu.GetMenuItemCount();
    ASSERT_GE(count, 2);
    EXPECT_EQ(menu.GetMenuItemID(count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    EXPECT_EQ(menu.GetMenuString(count - 1), "&About Corvane...");
    MENUITEMINFOA separator{};
    separator.cbSize = sizeof separator;
    separator.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(count - 2), TRUE, &separator));
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
    // Choosing it opens the About box; closing that leaves the main window open.
    std::string aboutCaption;
    WhenReady closeAbout(
        [] {
            for (HWND box : ThreadWindows("#32770")) {
                if (WindowText(box) == "About Corvane") {
                    return true;
                }
            }
            return false;
        },
        [&] {
            for (HWND box : ThreadWindows("#32770")) {
                if (WindowText(box) == "About Corvane") {
                    aboutCaption = WindowText(box);
                    PostMessageA(box, WM_COMMAND, IDOK, 0);
                }
            }
        });
    dialog->SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
    EXPECT_TRUE(closeAbout.Done());
    EXPECT_EQ(aboutCaption, "About Corvane");
    EXPECT_TRUE(IsWindow(dialog->m_hWnd));
}

TEST_F(MainDialogFixture, ImageButtonsGetTheirIconsAndTips) {
    struct Expected {
        CImageButton CConverterDlg::*button;
        int iconSize;
        const char* tip;
    };
    const Expected buttons[] = {
        {&CConverterDlg::convertButton, 48, "Start converting"},
        {&CConverterDlg::settingsButton, 48, "Settings..."},
        {&CConverterDlg::addButton, 48, "Add video files to the list"},
        {&CConverterDlg::helpButton, 48, "About,help,home page,tip of the day."},
        {&CConverterDlg::addSideButton, 16, "Add video files to the list"},
        {&CConverterDlg::removeButton, 16, "Remove the selected video file"},
        {&CConverterDlg::moveUpButton, 16, "Move the selected video file up"},
        {&CConverterDlg::moveDownButton, 16, "Move the selected video file down"},
        {&CConverterDlg::changeButton, 0, ""},
    };
    for (const Expected& expected : buttons) {
        CImageButton& button = (*dialog).*expected.button;
        SCOPED_TRACE(GetDlgCtrlID(button.m_hWnd));
        EXPECT_EQ(button.IconSize().cx, expected.iconSize);
        EXPECT_EQ(button.IconSize().cy, expected.iconSize);
        EXPECT_EQ(button.TipText(), expected.tip);
        EXPECT_EQ(button.UsesParentBackground(), expected.iconSize != 0);
    }
}

TEST_F(MainDialogFixture, ProgressWindowExistsHiddenOwnedByTheMainWindowAndGoesWithIt) {
    ASSERT_NE(progressDlg, nullptr);
    ASSERT_NE(progressDlg->m_hWnd, nullptr);
    EXPECT_FALSE(progressDlg->IsWindowVisible());
    EXPECT_EQ(GetWindow(progressDlg->m_hWnd, GW_OWNER), dialog->m_hWnd);
    EXPECT_EQ(WindowText(progressDlg->m_hWnd), "Corvane");
    dialog->DestroyWindow();
    dialog.reset();
    EXPECT_EQ(progressDlg, nullptr);
}

TEST_F(MainDialogFixture, ClosingTheWindowSavesTheSettingsWithoutTheTypedFolder) {
    dialog->outputFolderEdit.SetWindowText("D:\\typed but never converted\\");
    dialog->TakeBrowsedFolder("C:\\chosen");
    dialog->outputFolderEdit.SetWindowText("D:\\typed later\\");
    dialog->DestroyWindow();
    dialog.reset();
    const std::string ini = ReadFile(TestFolder() + "option.ini");
    EXPECT_NE(ini.find("Temporary folder=C:\\chosen\\"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("typed"), std::string::npos) << ini;
}

struct BrowsedFolderCase {
    std::string browsed;
    std::string shown;
};

class BrowsedFolderTest : public MainDialogFixture,
                          public ::testing::WithParamInterface<BrowsedFolderCase> {};

TEST_P(BrowsedFolderTest, ShowsTheFolderWithExactlyOneTrailingBackslash) {
    dialog->TakeBrowsedFolder(GetParam().browsed);
    EXPECT_EQ(dialog->outputFolderEdit.GetWindowText(), GetParam().shown);
    EXPECT_EQ(TheSettings().outputFolder, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Folders, BrowsedFolderTest,
                         ::testing::Values(BrowsedFolderCase{"C:\\videos", "C:\\videos\\"},
                                           BrowsedFolderCase{"D:\\", "D:\\"},
                                           BrowsedFolderCase{"C:\\a b\\c", "C:\\a b\\c\\"},
                                           BrowsedFolderCase{"C:\\" + std::string(250, 'x'),
                                                             "C:\\" + std::string(250, 'x') + "\\"}));

TEST_F(MainDialogFixture, AFolderTooLongIsRefusedWithAMessageAndNothingChanges) {
    const std::string tooLong = "C:\\" + std::string(252, 'y');  // 256 characters with the backslash
    std::string shownMessage;
    WhenReady answer(
        [&] {
            for (HWND box : ThreadWindows("#32770")) {
                if (box != dialog->m_hWnd && GetWindow(box, GW_OWNER) == dialog->m_hWnd) {
                    return true;
                }
            }
            return false;
        },
        [&] {
            for (HWND box : ThreadWindows("#32770")) {
                if (box != dialog->m_hWnd && GetWindow(box, GW_OWNER) == dialog->m_hWnd) {
                    shownMessage = MessageBoxText(box);
                    PostMessageA(box, WM_COMMAND, IDOK, 0);  // the user presses OK
                }
            }
        });
    dialog->TakeBrowsedFolder(tooLong);
    EXPECT_TRUE(answer.Done());
    EXPECT_NE(shownMessage.find("longer than 254 characters"), std::string::npos) << shownMessage;
    EXPECT_EQ(dialog->outputFolderEdit.GetWindowText(), "C:\\output video\\");
    EXPECT_EQ(TheSettings().outputFolder, "C:\\output video\\");
}

TEST(HelpMenuPosition, IsThePointerOrFivePixelsIntoTheClientArea) {
    struct Case {
        ScreenPoint cursor, clientTopLeft, expected;
    };
    const Case cases[] = {
        {{300, 200}, {40, 60}, {300, 200}},
        {{-1, -1}, {40, 60}, {45, 65}},
        {{-1, 7}, {40, 60}, {-1, 7}},
        {{0, 0}, {40, 60}, {0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HelpMenuPosition(c.cursor, c.clientTopLeft), c.expected);
    }
}

TEST_F(MainDialogFixture, HelpButtonOpensTheHelpMenuAtThePointer) {
    const RECT listRect = [&] {
        RECT r{};
        GetWindowRect(Item(IDC_SOURCE_LIST), &r);
        return r;
    }();
    const POINT pointer{listRect.left + 100, listRect.top + 80};
    SetCursorPos(pointer.x, pointer.y);
    RECT menuRect{};
    std::vector<std::string> items;
    WhenReady close([] { return !ThreadWindows("#32768").empty(); },
                    [&] {
                        HWND popup = ThreadWindows("#32768").front();
                        GetWindowRect(popup, &menuRect);
                        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
                        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                            char text[64] = {};
                            GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
                            items.push_back(text);
                        }
                        EndMenu();
                    });
    // The button's command, as a click or the keyboard gives it.
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_HELP_BUTTON, BN_CLICKED),
                        reinterpret_cast<LPARAM>(Item(IDC_HELP_BUTTON)));
    ASSERT_TRUE(close.Done());
    EXPECT_EQ(menuRect.left, pointer.x);
    EXPECT_EQ(menuRect.top, pointer.y);
    EXPECT_EQ(items, (std::vector<std::string>{"Content", "", "About", "Home page", "Tip of the Day..."}));
}

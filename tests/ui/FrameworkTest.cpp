#include <gtest/gtest.h>

#include "Gdi.h"
#include "MainDialogFixture.h"
#include "Menu.h"
#include "WinApp.h"

using namespace uitest;

// A window object finds itself from its handle, and forgets the handle when the window goes.
TEST_F(MainDialogFixture, ObjectsAreFoundFromTheirWindowsAndReleasedWithThem) {
    EXPECT_EQ(CWnd::FromHandle(dialog->m_hWnd), dialog.get());
    EXPECT_EQ(CWnd::FromHandle(dialog->addButton.m_hWnd), &dialog->addButton);
    EXPECT_EQ(CWnd::FromHandle(GetDlgItem(dialog->m_hWnd, IDC_CONVERT_PLAIN)), nullptr);  // not wrapped
    CImageButton& add = dialog->addButton;
    dialog->DestroyWindow();
    EXPECT_EQ(dialog->m_hWnd, nullptr);
    EXPECT_EQ(add.m_hWnd, nullptr);
}

TEST(Profile, AppProfileIsAnIniNamedAfterTheExecutableInTheWindowsFolder) {
    CWinApp app;
    app.SetUp(GetModuleHandleA(nullptr), "", SW_SHOW);
    EXPECT_EQ(app.m_pszProfileName, "corvane_ui_tests.INI");
    EXPECT_EQ(app.m_pszAppName, "corvane_ui_tests");
    ASSERT_TRUE(app.WriteProfileInt("Tip", "FilePos", 1234));
    ASSERT_TRUE(app.WriteProfileString("Tip", "TimeStamp", "Thu Dec 11 12:00:00 2025"));
    EXPECT_EQ(app.GetProfileInt("Tip", "FilePos", 0), 1234u);
    EXPECT_EQ(app.GetProfileString("Tip", "TimeStamp"), "Thu Dec 11 12:00:00 2025");
    EXPECT_EQ(app.GetProfileInt("Tip", "StartUp", 7), 7u);
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string file = std::string(windows) + "\\corvane_ui_tests.INI";
    EXPECT_NE(ReadFile(file).find("FilePos=1234"), std::string::npos);
    DeleteFileA(file.c_str());
}

TEST(Gdi, SelectionGuardsPutThePreviousObjectBack) {
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(memory, 8, 8));
    HGDIOBJ original = GetCurrentObject(memory, OBJ_BITMAP);
    {
        CSelection selected = memory.SelectObject(bitmap);
        EXPECT_EQ(GetCurrentObject(memory, OBJ_BITMAP), bitmap.Get());
        CSelection moved = std::move(selected);
        EXPECT_EQ(GetCurrentObject(memory, OBJ_BITMAP), bitmap.Get());
    }
    EXPECT_EQ(GetCurrentObject(memory, OBJ_BITMAP), original);
    CBrush brush;
    ASSERT_TRUE(brush.CreateSolidBrush(RGB(1, 2, 3)));
    HBRUSH handle = brush.Get();
    CBrush other = std::move(brush);
    EXPECT_EQ(other.Get(), handle);
    EXPECT_EQ(brush.Get(), nullptr);
}

TEST(Strings, TableHoldsTheTexts) {
    EXPECT_EQ(AfxLoadString(101), "&About Corvane...");
    EXPECT_EQ(AfxLoadString(102), "Tips file does not exist in the prescribed directory");
    EXPECT_EQ(AfxLoadString(103), "Trouble reading the tips file");
    EXPECT_EQ(AfxLoadString(104), "Did you know...");
}

TEST(Resources, SkinIsThereWithItsSizeAndIconsHaveTheirImages) {
    HRSRC skin = FindResourceA(nullptr, "KESTREL_SKIN", "SKINMAGIC");
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(SizeofResource(nullptr, skin), 32777u);
    struct Icon {
        int id;
        int firstSize;
    };
    for (Icon icon : {Icon{128, 32}, Icon{145, 16}, Icon{146, 16}, Icon{147, 16}, Icon{148, 16},
                      Icon{150, 48}, Icon{160, 48}, Icon{162, 48}, Icon{165, 48}}) {
        SCOPED_TRACE(icon.id);
        HICON loaded = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon.id), IMAGE_ICON, 0, 0, 0));
        ASSERT_NE(loaded, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(loaded, &info));
        EXPECT_EQ(static_cast<int>(info.xHotspot * 2), icon.firstSize);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(loaded);
    }
    CMenu list;
    ASSERT_TRUE(list.LoadMenu(144));
    CMenu popup = CMenu::Use(list.GetSubMenu(0));
    const std::vector<std::pair<UINT, std::string>> expected = {{32775, "Add video files to list"},
                                                                {32776, "Remove video file from list"},
                                                                {32777, "Move up"},
                                                                {32778, "Move down"}};
    ASSERT_EQ(popup.GetMenuItemCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(popup.GetMenuItemID(i), expected[static_cast<size_t>(i)].first);
        EXPECT_EQ(popup.GetMenuString(i), expected[static_cast<size_t>(i)].second);
    }
}

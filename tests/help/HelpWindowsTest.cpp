// The About box, its link labels and the Tip of the Day, as real windows under Wine.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "AboutDlg.h"
#include "HelpFile.h"
#include "MessagePump.h"
#include "OptionFile.h"
#include "TipDlg.h"
#include "UiTestSupport.h"
#include "Win32Profile.h"
#include "WinApp.h"
#include "help_resource.h"
#include "resource.h"

using namespace uitest;

namespace {

CWinApp& TheApp() {
    static CWinApp app;
    static const bool setUp = [] {
        app.SetUp(GetModuleHandleA(nullptr), "", SW_SHOWNORMAL);
        return true;
    }();
    (void)setUp;
    return app;
}

bool HasPixelOf(const Capture& capture, COLORREF colour) {
    for (int y = 0; y < capture.Height(); ++y) {
        for (int x = 0; x < capture.Width(); ++x) {
            if (capture.At(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

// The About box created modeless, so a test can look at it while it runs.
class AboutBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TheApp();
        about = std::make_unique<CAboutDlg>();
        ASSERT_TRUE(about->Create(IDD_ABOUTBOX));
        SetWindowPos(about->m_hWnd, HWND_TOP, 60, 60, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        PumpFor(150);
    }
    void TearDown() override {
        if (about && about->m_hWnd) {
            about->DestroyWindow();
        }
        about.reset();
    }
    void Click(CUrlLabel& link) {
        about->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(link.m_hWnd), STN_CLICKED),
                           reinterpret_cast<LPARAM>(link.m_hWnd));
    }
    std::unique_ptr<CAboutDlg> about;
};

TEST_F(AboutBoxTest, LinksTakeTheCompanionLibrarysAddressesAsTooltips) {
    EXPECT_EQ(about->homePageLink.GetLinkUrl(), "https://www.corvane.example.com/");
    EXPECT_EQ(about->supportLink.GetLinkUrl(), "https://www.corvane.example.com/support/");
    EXPECT_EQ(about->homePageLink.GetToolTip().GetText(&about->homePageLink, 1),
              "https://www.corvane.example.com/");
    EXPECT_EQ(about->supportLink.GetToolTip().GetText(&about->supportLink, 1),
              "https://www.corvane.example.com/support/");
    // Captions stay: the address is only shown on hovering.
    EXPECT_EQ(about->homePageLink.GetWindowText(), "Home page");
    EXPECT_NE(about->homePageLink.GetHandCursor(), nullptr);
}

TEST_F(AboutBoxTest, TitleShowsTheVersionText) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "corvane-about-version";
    std::filesystem::create_directories(folder);
    const std::string programFolder = folder.string() + "\\";
    Win32Profile profile;
    ConversionSettings settings;
    struct Case {
        const char* versionFile;  // nullptr: no version.ini
        const char* title;
    };
    const Case cases[] = {{nullptr, "Corvane 1.00"},
                          {"[General]\r\nVersion=2.5 beta\r\n", "Corvane 2.5 beta"}};
    for (const Case& c : cases) {
        std::filesystem::remove(folder / "version.ini");
        if (c.versionFile) {
            std::ofstream(folder / "version.ini", std::ios::binary) << c.versionFile;
        }
        LoadOptions(profile, programFolder, settings);
        CAboutDlg box;
        ASSERT_TRUE(box.Create(IDD_ABOUTBOX));
        EXPECT_EQ(box.titleLabel.GetWindowText(), c.title);
        box.DestroyWindow();
    }
    EXPECT_EQ(AboutTitle(std::string(100, 'v')).size(), 63u);
    std::filesystem::remove_all(folder);
}

TEST_F(AboutBoxTest, LinkColoursFollowHoverAndTheLatestClick) {
    CUrlLabel& link = about->homePageLink;
    const auto Shows = [&](COLORREF colour) {
        link.Invalidate(TRUE);
        return HasPixelOf(Capture(link.m_hWnd), colour);
    };
    EXPECT_EQ(link.CurrentTextColour(), CUrlLabel::kLinkColour);
    EXPECT_TRUE(Shows(CUrlLabel::kLinkColour));

    // Hovering turns it red; with the pointer away the polling ends it within about 100 ms.
    SetCursorPos(1, 1);
    link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(link.IsHovered());
    EXPECT_TRUE(Shows(CUrlLabel::kHoverColour));
    EXPECT_TRUE(PumpUntil([&] { return !link.IsHovered(); }, 1000));
    EXPECT_TRUE(Shows(CUrlLabel::kLinkColour));

    // A successful open: visited. The shell runs the program the address names.
    link.SetLinkUrl(TestFolder() + "link_command_recorder.exe");
    Click(link);
    EXPECT_TRUE(link.IsVisited());
    EXPECT_TRUE(Shows(CUrlLabel::kVisitedColour));

    // A failed one afterwards clears it again and explains why.
    link.SetLinkUrl("corvane-no-such-page.htm");
    std::string boxText;
    WhenReady answer([] { return !ThreadWindows("#32770").empty() && ThreadWindows("#32770").size() > 1; },
                     [&] {
                         for (HWND box : ThreadWindows("#32770")) {
                             if (box != about->m_hWnd) {
                                 boxText = MessageBoxText(box);
                                 PostMessageA(box, WM_COMMAND, IDOK, 0);
                             }
                         }
                     });
    Click(link);
    EXPECT_TRUE(answer.Done());
    EXPECT_EQ(boxText.rfind("Unable to open hyperlink:", 0), 0u) << boxText;
    EXPECT_FALSE(link.IsVisited());
    EXPECT_TRUE(Shows(CUrlLabel::kLinkColour));
}

TEST_F(AboutBoxTest, FitToTextKeepsASimpleStaticOnItsCentre) {
    // The template's rectangle of the "Home page" label, in pixels.
    RECT templateRect{85, 34, 85 + 38, 34 + 8};
    MapDialogRect(about->m_hWnd, &templateRect);
    const RECT fitted = about->homePageLink.GetRectInParent();
    const int templateCentre = (templateRect.left + templateRect.right) / 2;
    const int fittedCentre = (fitted.left + fitted.right) / 2;
    EXPECT_LE(std::abs(fittedCentre - templateCentre), 1);
    EXPECT_EQ(fitted.top, templateRect.top);

    // Its width is that of its text in the font it was measured in (the underlined one).
    const std::string text = about->homePageLink.GetWindowText();
    HDC dc = GetDC(about->homePageLink.m_hWnd);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(about->homePageLink.SendMessage(WM_GETFONT)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(about->homePageLink.m_hWnd, dc);
    // Both sides move by half the difference, truncated: an odd difference leaves one pixel more.
    EXPECT_GE(fitted.right - fitted.left, extent.cx);
    EXPECT_LE(fitted.right - fitted.left, extent.cx + 1);
}

TEST_F(AboutBoxTest, TheTitleIsDrawnInItsOwnHeavyFont) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HGDIOBJ>(about->titleLabel.SendMessage(WM_GETFONT)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "Arial");
    EXPECT_EQ(font.lfWeight, 956);
    EXPECT_EQ(font.lfHeight, 14);
}

TEST(HelpFile, TheTopicLiesInTheProgramFolderWhateverFolderIsCurrent) {
    TheApp();
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    SetCurrentDirectoryA("C:\\");
    const auto path = HelpTopicPath(GetProgramFolder());
    SetCurrentDirectoryA(current);
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, TestFolder() + "help.chm::/overview/overview.htm");
    EXPECT_FALSE(HelpTopicPath("C:\\" + std::string(230, 'f') + "\\").has_value());
}

TEST(HelpFile, HtmlHelpIsAskedToDisplayTheTopic) {
    // A recording hhctrl.ocx lies beside this program, where the loader looks first; Wine prefers its
    // own unless told otherwise for this program.
    HKEY overrides = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER,
                              "Software\\Wine\\AppDefaults\\corvane_help_window_tests.exe\\DllOverrides", 0,
                              nullptr, 0, KEY_SET_VALUE, nullptr, &overrides, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(overrides, "hhctrl.ocx", 0, REG_SZ, reinterpret_cast<const BYTE*>("native"), 7);
    RegCloseKey(overrides);
    ShowHelpTopic(TestFolder() + "help.chm::/overview/overview.htm");
    HMODULE recorder = GetModuleHandleA("hhctrl.ocx");
    ASSERT_NE(recorder, nullptr);
    using Recorded = int (*)(const char**, UINT*);
    const auto recorded =
        reinterpret_cast<Recorded>(reinterpret_cast<void*>(GetProcAddress(recorder, "RecordedHtmlHelpCall")));
    ASSERT_NE(recorded, nullptr) << "the system's hhctrl.ocx was loaded, not the recorder";
    const char* file = nullptr;
    UINT command = 0;
    EXPECT_EQ(recorded(&file, &command), 1);
    EXPECT_EQ(std::string(file), TestFolder() + "help.chm::/overview/overview.htm");
    EXPECT_EQ(command, 0u);  // display the topic
}

// The Tip of the Day with its profile and tips.txt beside this test program.
class TipDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TheApp();
        WritePrivateProfileStringA(kTipSection, nullptr, nullptr, TheApp().m_pszProfileName.c_str());
        DeleteFileA(TipsFilePath().c_str());
    }
    void TearDown() override {
        WritePrivateProfileStringA(kTipSection, nullptr, nullptr, TheApp().m_pszProfileName.c_str());
        DeleteFileA(TipsFilePath().c_str());
    }
    static void WriteTips(const std::string& content) {
        std::ofstream(TipsFilePath(), std::ios::binary) << content;
    }
    static std::string Stored(const char* key) {
        return TheApp().GetProfileString(kTipSection, key, "(none)");
    }
    static std::string NextShowing() { return CTipDlg().tipText; }

    // Runs the dialog modally; act runs once it is up, with its window.
    static void RunModal(CTipDlg& tip, const std::function<void(HWND)>& act) {
        HWND shown = nullptr;
        WhenReady ready(
            [&] {
                for (HWND window : ThreadWindows("#32770")) {
                    if (WindowText(window) == "Tip of the Day") {
                        shown = window;
                    }
                }
                return shown != nullptr;
            },
            [&] { act(shown); });
        tip.DoModal();
        EXPECT_TRUE(ready.Done());
    }
};

TEST_F(TipDialogTest, ShowingsWalkTheExampleFileInACircle) {
    WriteTips("First tip\r\n; a comment\r\n\r\n  indented\r\nSecond tip\r\n");
    EXPECT_EQ(NextShowing(), "First tip\n");
    EXPECT_EQ(NextShowing(), "Second tip\n");
    EXPECT_EQ(NextShowing(), "First tip\n");
    EXPECT_EQ(NextShowing(), "Second tip\n");
}

TEST_F(TipDialogTest, ANewCreationTimeRestartsAtTheFirstTip) {
    WriteTips("First tip\r\nSecond tip\r\nThird tip\r\n");
    EXPECT_EQ(NextShowing(), "First tip\n");
    EXPECT_EQ(NextShowing(), "Second tip\n");
    TheApp().WriteProfileString(kTipSection, kTipTimeStampKey, "Mon Jan  1 00:00:00 2001");
    EXPECT_EQ(NextShowing(), "First tip\n");
    EXPECT_NE(Stored(kTipTimeStampKey), "Mon Jan  1 00:00:00 2001");
}

TEST_F(TipDialogTest, StartUpChangesOnlyWithClose) {
    WriteTips("First tip\r\n");
    struct Step {
        int checked;
        UINT command;
        const char* stored;
    };
    const Step steps[] = {
        {BST_UNCHECKED, IDOK, "1"},      // cleared and closed: no tips at start-up
        {BST_CHECKED, IDOK, "0"},        // ticked again
        {BST_UNCHECKED, IDCANCEL, "0"},  // Escape keeps the stored choice
    };
    for (const Step& step : steps) {
        CTipDlg tip;
        RunModal(tip, [&](HWND window) {
            SendDlgItemMessageA(window, IDC_TIP_STARTUP, BM_SETCHECK, step.checked, 0);
            PostMessageA(window, WM_COMMAND, step.command, 0);
        });
        EXPECT_EQ(Stored(kTipStartUpKey), step.stored) << step.command;
    }
    EXPECT_EQ(CTipDlg().showOnStartup, 1);  // stored 0: shown at start-up
}

TEST_F(TipDialogTest, WithoutTheFileTheDialogSaysSoAndCannotGoOn) {
    CTipDlg tip;
    EXPECT_EQ(tip.tipText, "Tips file does not exist in the prescribed directory");
    bool nextEnabled = true;
    RunModal(tip, [&](HWND window) {
        nextEnabled = IsWindowEnabled(GetDlgItem(window, IDC_NEXT_TIP));
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(nextEnabled);
    EXPECT_EQ(Stored(kTipFilePosKey), "(none)");
}

TEST_F(TipDialogTest, AFileWithoutTipsEndsTheReadingWithAText) {
    WriteTips("; only a comment\r\n\r\n   indented\r\n");
    CTipDlg tip;
    EXPECT_EQ(tip.tipText, "The tips file holds no tips.");
}

TEST_F(TipDialogTest, ALongLineIsShownInPieces) {
    WriteTips(std::string(999, 'a') + std::string(10, 'b') + "\r\n");
    EXPECT_EQ(NextShowing(), std::string(999, 'a'));
    EXPECT_EQ(NextShowing(), std::string(10, 'b') + "\n");
}

TEST_F(TipDialogTest, NextTipAndThePaintedPanel) {
    WriteTips("First tip\r\nSecond tip\r\n");
    CTipDlg tip;
    COLORREF panelCorner = 0;
    COLORREF bulbCentre = 0;
    std::string afterNext;
    RunModal(tip, [&](HWND window) {
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_NEXT_TIP, BN_CLICKED), 0);
        afterNext = tip.tipText;
        UpdateWindow(window);
        RECT panel{};
        GetWindowRect(GetDlgItem(window, IDC_TIP_PANEL), &panel);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&panel), 2);
        HDC dc = GetDC(window);
        panelCorner = GetPixel(dc, panel.right - 3, panel.top + 3);  // white panel, right of the heading
        bulbCentre = GetPixel(dc, panel.left + 20, panel.top + 12);  // the yellow glass of the bulb
        ReleaseDC(window, dc);
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(afterNext, "Second tip\n");
    EXPECT_EQ(panelCorner, RGB(255, 255, 255));
    EXPECT_EQ(bulbCentre, RGB(255, 255, 0));
}

}  // namespace

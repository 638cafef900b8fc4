#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "CommandLineInfo.h"
#include "ConverterApp.h"
#include "UiTestSupport.h"
#include "Wnd.h"

using namespace uitest;

namespace {

const char* const kOptionKeys[] = {
    "Letterbox",        "Temporary folder", "Output format",   "TV mode",         "MPEG aspect ratio",
    "DVD aspect ratio", "AVI quality",      "MPEG1 quality",   "MPEG2 quality",   "SVCD quality",
    "DVD quality",      "WMV quality",      "AVI video codec", "ASF video codec", "AVI audio codec",
    "Divx audio codec", "Xvid audio codec", "DVD audio codec", "WMV audio codec", "ASF audio codec",
    "AVI resolution",   "MPEG resolution",  "AVI frame rate",  "MPEG frame rate", "Volume",
};

std::string SkinLog() {
    HMODULE skin = GetModuleHandleA("SkinMagic.dll");
    if (skin == nullptr) {
        return "(not loaded)";
    }
    using LogFn = const char* (*)();
    auto log = reinterpret_cast<LogFn>(reinterpret_cast<void*>(GetProcAddress(skin, "SkinMagicCallLog")));
    return log ? log() : "(no log)";
}

HWND MainWindow() {
    for (HWND hwnd : ThreadWindows("#32770")) {
        if (WindowText(hwnd) == "Corvane" && GetDlgItem(hwnd, 1006) != nullptr) {
            return hwnd;
        }
    }
    return nullptr;
}

std::vector<HWND> FindTipWindow() {
    std::vector<HWND> found;
    for (HWND hwnd : ThreadWindows("#32770")) {
        if (WindowText(hwnd) == "Tip of the Day") {
            found.push_back(hwnd);
        }
    }
    return found;
}

// The keys of the "Destinate" section, in file order.
std::vector<std::string> OptionKeys(const std::string& ini) {
    std::vector<std::string> keys;
    std::istringstream lines(ini);
    std::string line;
    bool inSection = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty() && line.front() == '[') {
            inSection = line == "[Destinate]";
        } else if (inSection && line.find('=') != std::string::npos) {
            keys.push_back(line.substr(0, line.find('=')));
        }
    }
    return keys;
}

struct Ending {
    const char* name;
    std::function<void(HWND)> act;
};

class StartupTest : public ::testing::TestWithParam<Ending> {};

}  // namespace

TEST_P(StartupTest, MainWindowRunsAfterTheSkinAndItsEndSavesEveryKeyThenShutsTheSkinDown) {
    const std::string folder = TestFolder();
    DeleteFileA((folder + "option.ini").c_str());
    DeleteFileA((folder + "regsvr32-calls.txt").c_str());
    const std::string logBefore = SkinLog() == "(not loaded)" ? "" : SkinLog();

    CConverterApp app;
    // Tips are on by default: the Tip of the Day comes first, on its own; the user closes it.
    bool tipCameBeforeTheMainWindow = false;
    WhenReady closeTip([] { return !FindTipWindow().empty(); },
                       [&] {
                           tipCameBeforeTheMainWindow = MainWindow() == nullptr;
                           PostMessageA(FindTipWindow().front(), WM_COMMAND, IDCANCEL, 0);
                       });
    std::string logWhileShown;
    bool mainWindowWasAppWindow = false;
    WhenReady end([] { return MainWindow() != nullptr; },
                  [&] {
                      HWND main = MainWindow();
                      logWhileShown = SkinLog().substr(logBefore.size());
                      mainWindowWasAppWindow = app.m_pMainWnd != nullptr && app.m_pMainWnd->m_hWnd == main;
                      GetParam().act(main);
                  });
    const int result = AfxWinMain(GetModuleHandleA(nullptr), "", SW_SHOWNORMAL);

    ASSERT_TRUE(closeTip.Done());
    EXPECT_TRUE(tipCameBeforeTheMainWindow);
    ASSERT_TRUE(end.Done());
    EXPECT_EQ(logWhileShown, "init;load:KESTREL_SKIN/SKINMAGIC:ok;dialog:Dialog:ok;");
    EXPECT_TRUE(mainWindowWasAppWindow);
    EXPECT_EQ(SkinLog().substr(logBefore.size()), logWhileShown + "exit;");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(MainWindow(), nullptr);

    const std::vector<std::string> expectedKeys(std::begin(kOptionKeys), std::end(kOptionKeys));
    EXPECT_EQ(OptionKeys(ReadFile(folder + "option.ini")), expectedKeys);

    // The registration tool runs on its own; give it a moment.
    const bool registered = PumpUntil(
        [&] {
            return ReadFile(folder + "regsvr32-calls.txt").find("MoviePlayer.ocx /s") != std::string::npos;
        },
        8000);
    EXPECT_TRUE(registered) << ReadFile(folder + "regsvr32-calls.txt");
}

INSTANTIATE_TEST_SUITE_P(
    Endings, StartupTest,
    ::testing::Values(Ending{"Escape",
                             [](HWND main) {
                                 HWND focus = GetFocus();
                                 HWND target = focus && IsChild(main, focus) ? focus : GetDlgItem(main, 1002);
                                 PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 1);
                             }},
                      Ending{"CloseBox", [](HWND main) { PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
                      Ending{"OkCommand", [](HWND main) { PostMessageA(main, WM_COMMAND, IDOK, 0); }}),
    [](const ::testing::TestParamInfo<Ending>& info) { return std::string(info.param.name); });

TEST(CommandLineInfo, OnlyTheOleSwitchesClearTheSplashFlag) {
    struct Case {
        const char* word;
        bool isFlag;
        bool showSplash;
    };
    const Case cases[] = {
        {"Embedding", true, false}, {"embedding", true, false}, {"Automation", true, false},
        {"Embedding", false, true}, {"Unregister", true, true}, {"movie.mov", false, true},
        {"x", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        CCommandLineInfo info;
        info.ParseParam(c.word, c.isFlag, true);
        EXPECT_EQ(info.m_bShowSplash, c.showSplash);
    }
}

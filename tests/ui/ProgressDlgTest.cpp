#include <gtest/gtest.h>

#include <functional>

#include "ProgressDlg.h"
#include "RunState.h"
#include "UiTestSupport.h"
#include "resource.h"

using namespace uitest;

namespace {

class ProgressDlgTest : public ::testing::Test {
  public:
    void SetUp() override {
        TheRunState().stopRequested = false;
        ASSERT_TRUE(dialog.CreateHidden(nullptr));
        dialog.SetStatusText("Total time:00:01:00;Elapsed time:00:00:45;Finished 75.0%");
        dialog.ShowWindow(SW_SHOW);
        SetForegroundWindow(dialog.m_hWnd);
        PumpFor(100);
    }
    std::string Status() const { return WindowText(dialog.GetDlgItem(IDC_PROGRESS_STATUS)); }
    // A key press as the user's keyboard queues it, handled by the program's own pump.
    void PressKey(HWND target, WPARAM key) {
        PostMessageA(target, WM_KEYDOWN, key, 1);
        PostMessageA(target, WM_KEYUP, key, 0xC0000001);
        PumpFor(150);
    }

    CProgressDlg dialog;
};

}  // namespace

TEST_F(ProgressDlgTest, TemplateHasTheStatusLineBarAndCancel) {
    EXPECT_EQ(WindowText(dialog.m_hWnd), "Corvane");
    EXPECT_EQ(ClassName(dialog.GetDlgItem(IDC_PROGRESS_BAR)), "msctls_progress32");
    EXPECT_EQ(WindowText(dialog.GetDlgItem(IDC_PROGRESS_CANCEL)), "Cancel");
    dialog.progressBar.SetRange(0, 1000);
    dialog.progressBar.SetPos(750);
    EXPECT_EQ(dialog.progressBar.GetPos(), 750);
}

TEST_F(ProgressDlgTest, CancelEscapeAndCloseBoxAskForTheStopAndTheWindowStays) {
    struct Action {
        const char* name;
        std::function<void(ProgressDlgTest&)> run;
    };
    const Action actions[] = {
        {"Cancel button",
         [](ProgressDlgTest& t) { SendMessageA(t.dialog.GetDlgItem(IDC_PROGRESS_CANCEL), BM_CLICK, 0, 0); }},
        {"Escape",
         [](ProgressDlgTest& t) { t.PressKey(t.dialog.GetDlgItem(IDC_PROGRESS_CANCEL), VK_ESCAPE); }},
        {"close box",
         [](ProgressDlgTest& t) {
             t.dialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
             PumpFor(150);  // the close box's cancel command arrives through the queue
         }},
    };
    for (const Action& action : actions) {
        SCOPED_TRACE(action.name);
        TheRunState().stopRequested = false;
        dialog.SetStatusText("Finished 10.0%");
        action.run(*this);
        EXPECT_EQ(Status(), "Cancel processing...");
        EXPECT_TRUE(TheRunState().stopRequested);
        EXPECT_TRUE(IsWindow(dialog.m_hWnd));
        EXPECT_TRUE(dialog.IsWindowVisible());
    }
}

TEST_F(ProgressDlgTest, EnterChangesNothing) {
    SetFocus(dialog.m_hWnd);  // Enter on the focused Cancel button would press that button
    PressKey(dialog.m_hWnd, VK_RETURN);
    dialog.SendMessage(WM_COMMAND, IDOK);
    EXPECT_EQ(Status(), "Total time:00:01:00;Elapsed time:00:00:45;Finished 75.0%");
    EXPECT_FALSE(TheRunState().stopRequested);
    EXPECT_TRUE(dialog.IsWindowVisible());
}

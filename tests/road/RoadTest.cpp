// The whole road of a conversion through the real main window, with the scripted encoder.
#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <fstream>

#include "CommandLine.h"
#include "OutputNaming.h"
#include "RoadFixture.h"
#include "SettingsLists.h"
#include "WinApp.h"

namespace {

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

TEST_F(RoadTest, ThreeFilesWithTheSecondFailingGiveTwoRowsAndOneMessage) {
    AddClips({"a_d60_w640_h480_r25.mov", "b_fail.mov", "c_d360000_w320_h240_r15.mov"});
    EXPECT_EQ(Column(0), (std::vector<std::string>{"          1", "          2"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{clips + "a_d60_w640_h480_r25.mov", clips + "c_d360000_w320_h240_r15.mov"}));
    EXPECT_EQ(Column(2), (std::vector<std::string>{"00:01:00", "100:00:00"}));
    EXPECT_EQ(person->MessagesSeen(), (std::vector<std::string>{"Load file " + clips + "b_fail.mov failed."}));
    EXPECT_EQ(TheSourceList().rowCount(), 2);
    EXPECT_DOUBLE_EQ(TheSourceList().totalSeconds(), 360060.0);
    EXPECT_EQ(TheSourceList().Slot(1), (SourceInfo{360000.0, 320, 240, 15.0}));
    // Every probe is a probe-mode run for the main window, with the source and its target name.
    const std::vector<std::string> calls = EncoderCalls();
    ASSERT_EQ(calls.size(), 3u);
    const std::string tail = " 1 " + std::to_string(reinterpret_cast<INT_PTR>(dialog->m_hWnd));
    for (const std::string& call : calls) {
        EXPECT_EQ(call.substr(call.size() - tail.size()), tail) << call;
    }
    // The output folder box is only taken when a conversion starts: probes name targets in the stored folder.
    EXPECT_EQ(calls[1].rfind("\"" + clips + "b_fail.mov\" -o \"C:\\output video\\b_fail.avi\"", 0), 0u) << calls[1];
}

TEST_F(RoadTest, CancellingTheFileDialogAddsNothing) {
    person->WillCancelFileDialog();
    Press(IDC_ADD);
    EXPECT_TRUE(person->AllDone());
    EXPECT_EQ(dialog->sourceListCtrl.GetItemCount(), 0);
    EXPECT_TRUE(EncoderCalls().empty());
}

TEST_F(RoadTest, RemovingARowRenumbersAndKeepsTheFactsWithTheirRows) {
    AddClips({"a_d10_w640_h480.mov", "b_d20_w320_h240.mov", "c_d30_w720_h576.mov", "d_d40_w160_h120.mov"});
    SelectRow(1);
    Press(IDC_SIDE_REMOVE);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"          1", "          2", "          3"}));
    EXPECT_EQ(Column(2), (std::vector<std::string>{"00:00:10", "00:00:30", "00:00:40"}));
    EXPECT_EQ(dialog->sourceListCtrl.GetSelectedItem(), 1);  // the row that took the removed one's place
    EXPECT_DOUBLE_EQ(TheSourceList().totalSeconds(), 80.0);
    EXPECT_EQ(TheSourceList().Slot(1).width, 720);

    SelectRow(2);
    Press(IDC_SIDE_REMOVE);  // the last row: nothing is selected after it
    EXPECT_EQ(dialog->sourceListCtrl.GetSelectedItem(), -1);
    EXPECT_EQ(TheSourceList().rowCount(), 2);
}

TEST_F(RoadTest, MovesFollowTheRowsAndConversionUsesTheMovedRowsFacts) {
    AddClips({"a_d2_w640_h480_r25.mov", "b_d2_w320_h240_r15.mov"});
    Press(IDC_SIDE_UP);
    EXPECT_EQ(person->MessagesSeen(), (std::vector<std::string>{"No item was selected!"}));
    EXPECT_EQ(person->CaptionsSeen().back(), "Warning");

    SelectRow(0);
    Press(IDC_SIDE_UP);  // already first: only the focus moves
    EXPECT_EQ(Column(1)[0], clips + "a_d2_w640_h480_r25.mov");

    Press(IDC_SIDE_DOWN);
    EXPECT_EQ(Column(1), (std::vector<std::string>{clips + "b_d2_w320_h240_r15.mov", clips + "a_d2_w640_h480_r25.mov"}));
    EXPECT_EQ(Column(0), (std::vector<std::string>{"          1", "          2"}));
    EXPECT_EQ(dialog->sourceListCtrl.GetSelectedItem(), 1);
    EXPECT_EQ(TheSourceList().Slot(0), (SourceInfo{2.0, 320, 240, 15.0}));
    EXPECT_EQ(TheSourceList().Slot(1), (SourceInfo{2.0, 640, 480, 25.0}));

    // 624 x 352 with the letter box: the 4:3 sources are pillarboxed; the rates are each row's own.
    TheSettings().aviResolution = 16;
    Convert();
    const std::vector<std::string> calls = EncoderCalls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_NE(calls[2].find("b_d2_w320_h240_r15.mov\""), std::string::npos);
    EXPECT_NE(calls[2].find(" -ofps 15.000000 -vf scale=-3:352,harddup,expand=624:352 "), std::string::npos) << calls[2];
    EXPECT_NE(calls[3].find(" -ofps 25.000000 -vf scale=-3:352,harddup,expand=624:352 "), std::string::npos) << calls[3];
}

TEST_F(RoadTest, ProgressShowsTheWholeBatchWithTheExampleTimes) {
    // 60 s, then a file the encoder follows for 30 of its 60 s; 45 s of work by the clock.
    AddClips({"a_d60_s1.mov", "b_d60_p30_s1.mov"});
    static std::uint32_t now;
    now = 100000;
    batchClock = [] {
        const std::uint32_t t = now;
        now = 145000;  // every reading after the batch's start is 45 s later
        return t;
    };
    person->WillAnswer("Mission accomplished! Total Time:00:00:45", IDOK);
    Convert();
    EXPECT_TRUE(person->AllDone());
    EXPECT_EQ(uitest::WindowText(progressDlg->statusText.m_hWnd), "Total time:00:01:00;Elapsed time:00:00:45;Finished 75.0%");
    EXPECT_EQ(progressDlg->progressBar.GetPos(), 750);
    EXPECT_FALSE(progressDlg->IsWindowVisible());
    EXPECT_TRUE(dialog->IsWindowEnabled());
}

TEST_F(RoadTest, StopAnsweredNoGoesOnAndYesEndsTheBatchDeletingOnlyTheUnfinishedFile) {
    AddClips({"a_d2.mov", "b_d400_s10.mov", "c_d2.mov"});
    // While the second file converts: Cancel, answer No; Cancel again, answer Yes.
    const auto secondFileRuns = [] { return TheRunState().currentIndex == 1 && TheRunState().lastPosition >= 20; };
    person->WillDo(secondFileRuns, [] { SendMessageA(progressDlg->m_hWnd, WM_COMMAND, IDCANCEL, 0); });
    person->WillAnswer("Do you really want to stop?", IDNO);
    person->WillDo([] { return TheRunState().currentIndex == 1 && TheRunState().lastPosition >= 60; },
                   [] { SendMessageA(progressDlg->m_hWnd, WM_COMMAND, 1034, 0); });
    person->WillAnswer("Do you really want to stop?", IDYES);
    Convert();
    EXPECT_TRUE(person->AllDone());
    EXPECT_EQ(person->MessagesSeen(),
              (std::vector<std::string>{"Do you really want to stop?", "Do you really want to stop?"}));
    EXPECT_EQ(person->CaptionsSeen().back(), AfxGetAppName());
    EXPECT_TRUE(Exists(output + "a_d2.avi"));
    EXPECT_FALSE(Exists(output + "b_d400_s10.avi"));
    EXPECT_FALSE(Exists(output + "c_d2.avi"));
    EXPECT_EQ(EncoderCalls().size(), 5u);  // three probes, two conversions
    EXPECT_TRUE(dialog->IsWindowEnabled());
    EXPECT_FALSE(progressDlg->IsWindowVisible());
}

TEST_F(RoadTest, CancelAfterTheLastReportOfAFileStopsWithoutAQuestion) {
    AddClips({"a_d3_e800.mov", "b_d2.mov"});  // the encoder lingers 0.8 s after its last report
    person->WillDo([] { return TheRunState().currentIndex == 0 && TheRunState().lastPosition == 3; },
                   [] { SendMessageA(progressDlg->m_hWnd, WM_COMMAND, IDCANCEL, 0); });
    Convert();
    EXPECT_TRUE(person->MessagesSeen().empty());
    EXPECT_FALSE(Exists(output + "a_d3_e800.avi"));
    EXPECT_FALSE(Exists(output + "b_d2.avi"));
    EXPECT_EQ(EncoderCalls().size(), 3u);
}

TEST_F(RoadTest, EmptyListSaysSoAndStartsNothing) {
    Convert();
    EXPECT_EQ(person->MessagesSeen(), (std::vector<std::string>{"No file in the list"}));
    EXPECT_TRUE(EncoderCalls().empty());
    EXPECT_FALSE(Exists(output));
}

TEST_F(RoadTest, AFolderSeveralLevelsDeepIsCreatedAndTaken) {
    AddClips({"a_d1.mov"});
    const std::string deep = output + "one\\two\\three\\";
    SetOutputFolder(deep);
    Convert();
    EXPECT_TRUE(Exists(deep + "a_d1.avi"));
    EXPECT_EQ(TheSettings().outputFolder, deep);
    EXPECT_EQ(person->MessagesSeen().back().rfind("Mission accomplished! Total Time:", 0), 0u);
}

TEST_F(RoadTest, AFolderThatCannotBeCreatedIsReportedAndNothingRuns) {
    AddClips({"a_d1.mov"});
    SetOutputFolder("Q:\\nowhere\\videos\\");
    Convert();
    EXPECT_EQ(person->MessagesSeen().back(), "Fail to create tmp folder Q:\\nowhere\\videos\\");
    EXPECT_EQ(EncoderCalls().size(), 1u);  // only the probe
    EXPECT_TRUE(dialog->IsWindowEnabled());
}

TEST_F(RoadTest, LaterRunsWriteAndReplaceTheUnderscoreNames) {
    AddClips({"a_d1.mov"});
    Convert();
    ASSERT_TRUE(Exists(output + "a_d1.avi"));
    std::ofstream(output + "a_d1.avi", std::ios::app) << "first run, kept";
    const auto firstSize = std::filesystem::file_size(output + "a_d1.avi");
    Convert();
    Convert();
    EXPECT_EQ(std::filesystem::file_size(output + "a_d1.avi"), firstSize);  // untouched
    EXPECT_TRUE(Exists(output + "a_d1_mov.avi"));
    const std::vector<std::string> calls = EncoderCalls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_NE(calls[3].find("-o \"" + output + "a_d1_mov.avi\""), std::string::npos);
}

TEST_F(RoadTest, AFileThatGivesNoOutputIsNamedInsteadOfSuccess) {
    AddClips({"a_d1.mov", "b_d1_noout.mov"});
    Convert();
    const std::string last = person->MessagesSeen().back();
    EXPECT_EQ(last.find("Mission accomplished"), std::string::npos) << last;
    EXPECT_NE(last.find("1 of 2 files could not be converted."), std::string::npos) << last;
    EXPECT_NE(last.find(clips + "b_d1_noout.mov"), std::string::npos) << last;
}

TEST_F(RoadTest, EveryFormatStartsTheEncoderWithItsArgumentString) {
    AddClips({"a_d1_w640_h480_r25.mov"});
    for (int format = 0; format < kOutputFormatCount; ++format) {
        if (std::filesystem::exists(output)) {  // each run takes the first name (the folder itself is current)
            for (const auto& entry : std::filesystem::directory_iterator(output)) {
                std::filesystem::remove(entry.path());
            }
        }
        TheSettings().outputFormat = format;
        TheSettings().tvMode = format % 2;
        Convert();
        const std::string call = EncoderCalls().back();
        // What the core gives for this row's facts, target size and bars.
        const PictureSize size = SelectTargetSize(TheSettings());
        const Borders borders = ComputeBorders(TheSettings(), size, 640, 480);
        CommandLineRequest request;
        request.sourcePath = clips + "a_d1_w640_h480_r25.mov";
        request.targetPath = output + "a_d1_w640_h480_r25." + std::string(OutputExtension(format));
        request.targetWidth = size.width;
        request.targetHeight = size.height;
        request.padWidth = borders.padWidth;
        request.padHeight = borders.padHeight;
        request.sourceFrameRate = 25.0;
        request.windowHandle = reinterpret_cast<INT_PTR>(dialog->m_hWnd);
        EXPECT_EQ(call, BuildCommandLine(TheSettings(), request).arguments) << lists::outputFormats[format];
    }
}

}  // namespace

#include "ProgressReport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(FormatHms, PrintsHoursMinutesSeconds) {
    EXPECT_EQ(FormatHms(0), "00:00:00");
    EXPECT_EQ(FormatHms(3661), "01:01:01");
    EXPECT_EQ(FormatHms(59), "00:00:59");
    EXPECT_EQ(FormatHms(100 * 3600), "100:00:00");
}

TEST(ComputeProgress, GivesTheBatchShareAndTheEstimatedTotal) {
    // 30 s into the second file; the first lasted 60 s; 120 s in all; 45 s of work so far.
    const auto view = ComputeProgress(30.0, 60.0, 120.0, 45000);
    ASSERT_TRUE(view.has_value());
    EXPECT_EQ(view->perMille, 750);
    EXPECT_EQ(view->text, "Total time:00:01:00;Elapsed time:00:00:45;Finished 75.0%");
}

TEST(ComputeProgress, EdgesOfTheRange) {
    const auto start = ComputeProgress(0.0, 0.0, 90.5, 1500);
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->text, "Total time:00:01:30;Elapsed time:00:00:01;Finished 0.0%");

    const auto end = ComputeProgress(120.0, 0.0, 120.0, 60000);
    ASSERT_TRUE(end.has_value());
    EXPECT_EQ(end->perMille, 1000);
    EXPECT_EQ(end->text, "Total time:00:01:00;Elapsed time:00:01:00;Finished 100.0%");

    EXPECT_FALSE(ComputeProgress(121.0, 0.0, 120.0, 60000).has_value());
    EXPECT_FALSE(ComputeProgress(5.0, 0.0, 0.0, 60000).has_value());

    const auto fraction = ComputeProgress(1.0, 0.0, 3.0, 1000);  // 333.33 per mille
    ASSERT_TRUE(fraction.has_value());
    EXPECT_EQ(fraction->perMille, 333);
    EXPECT_NE(fraction->text.find("Finished 33.3%"), std::string::npos);
}

// A scripted user and window around ReportProgress.
struct Scene {
    RunState state;
    std::vector<bool> answers;  // successive answers to the stop question
    int questions = 0;
    int pumps = 0;
    std::vector<ProgressView> shown;
    std::uint32_t now = 0;

    ProgressHooks Hooks() {
        return {[this] { ++pumps; },
                [this] {
                    const bool yes = answers.at(static_cast<size_t>(questions));
                    ++questions;
                    return yes;
                },
                [this](const ProgressView& view) { shown.push_back(view); }, [this] { return now; }};
    }
};

TEST(ReportProgress, SamePositionTwiceChangesNothingTheSecondTime) {
    Scene scene;
    scene.state.startTick = 1000;
    scene.now = 46000;
    scene.state.convertedSeconds = 60.0;
    EXPECT_EQ(ReportProgress(scene.state, 120.0, 30.0, scene.Hooks()), 0);
    EXPECT_EQ(ReportProgress(scene.state, 120.0, 30.0, scene.Hooks()), 0);
    ASSERT_EQ(scene.shown.size(), 1u);
    EXPECT_EQ(scene.shown[0].text, "Total time:00:01:00;Elapsed time:00:00:45;Finished 75.0%");
    EXPECT_DOUBLE_EQ(scene.state.lastPosition, 30.0);
}

TEST(ReportProgress, StopQuestionNoThenYes) {
    Scene scene;
    scene.answers = {false, true};
    scene.state.stopRequested = true;
    EXPECT_EQ(ReportProgress(scene.state, 100.0, 1.0, scene.Hooks()), 0);
    EXPECT_FALSE(scene.state.stopRequested);  // No clears the request
    EXPECT_EQ(scene.shown.size(), 1u);        // and the batch goes on showing its progress

    EXPECT_EQ(ReportProgress(scene.state, 100.0, 2.0, scene.Hooks()), 0);
    EXPECT_EQ(scene.questions, 1);  // no new Cancel: no new question

    scene.state.stopRequested = true;  // Cancel pressed again
    EXPECT_EQ(ReportProgress(scene.state, 100.0, 3.0, scene.Hooks()), 1);
    EXPECT_TRUE(scene.state.stopRequested);  // Yes keeps it for the batch to see
    EXPECT_EQ(scene.questions, 2);
    EXPECT_EQ(scene.shown.size(), 2u);
}

TEST(ReportProgress, EveryHundredthReportPumpsOneMoreMessage) {
    Scene scene;
    for (int i = 0; i < 100; ++i) {
        ReportProgress(scene.state, 1000.0, static_cast<double>(i), scene.Hooks());
    }
    EXPECT_EQ(scene.pumps, 100 * 2 + 1);
    EXPECT_EQ(scene.state.progressCalls, 0);
}

TEST(ReportProgress, UnknownBatchLengthShowsNothing) {
    Scene scene;
    EXPECT_EQ(ReportProgress(scene.state, 0.0, 5.0, scene.Hooks()), 0);
    EXPECT_TRUE(scene.shown.empty());
}

TEST(ReportProgress, ElapsedTimeSurvivesTheTickCounterWrapping) {
    Scene scene;
    scene.state.startTick = 0xFFFFFFFFu - 999;  // one second before the wrap
    scene.now = 9000;                            // ten seconds later
    ReportProgress(scene.state, 100.0, 5.0, scene.Hooks());
    ASSERT_EQ(scene.shown.size(), 1u);
    EXPECT_NE(scene.shown[0].text.find("Elapsed time:00:00:10;"), std::string::npos) << scene.shown[0].text;
}

}  // namespace

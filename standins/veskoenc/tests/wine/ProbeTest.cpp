// Probe mode as Corvane runs it: the four facts, or a failure Corvane recognises.

#include <gtest/gtest.h>

#include <cmath>

#include "CommandLine.h"
#include "EncoderHarness.h"
#include "EncoderInterface.h"
#include "TestClips.h"

namespace {

std::string ProbeArguments(const EncoderHarness& harness, const std::string& source) {
    CommandLineRequest request;
    request.sourcePath = source;
    request.targetPath = ClipFolder() + "probe target.avi";
    request.mode = EncoderMode::Probe;
    request.windowHandle = harness.WindowHandle();
    return BuildCommandLine(ConversionSettings{}, request).arguments;
}

class ProbeFactsOfClip : public testing::TestWithParam<Clip> {};

TEST_P(ProbeFactsOfClip, AreSentInOrderThenTheEncoderExits) {
    const Clip& clip = GetParam();
    EncoderHarness harness;
    const HarnessRun run = harness.Run(ProbeArguments(harness, ClipPath(clip)), {}, 30000);
    ASSERT_TRUE(run.ended) << clip.name;
    ASSERT_EQ(run.notifications.size(), 4u) << clip.name;
    EXPECT_EQ(run.notifications[0].code, NOTIFY_DURATION);
    // Whole frames: 2 s at 29.97 fps are 60 frames, 2.002 s, which round up to 3.
    const double frames = std::ceil(clip.seconds * clip.framesPerSecond - 1e-6);
    EXPECT_EQ(run.notifications[0].value,
              static_cast<std::int32_t>(std::ceil(frames / clip.framesPerSecond)));
    EXPECT_EQ(run.notifications[1].code, NOTIFY_WIDTH);
    EXPECT_EQ(run.notifications[1].value, clip.width);
    EXPECT_EQ(run.notifications[2].code, NOTIFY_HEIGHT);
    EXPECT_EQ(run.notifications[2].value, clip.height);
    EXPECT_EQ(run.notifications[3].code, NOTIFY_FRAME_RATE);
    EXPECT_EQ(run.notifications[3].value,
              static_cast<std::int32_t>(std::llround(clip.framesPerSecond * 1e7)));
}

INSTANTIATE_TEST_SUITE_P(Clips, ProbeFactsOfClip, testing::Values(kPal640, kHd720, kSmall320, kPal576),
                         [](const testing::TestParamInfo<Clip>& info) {
                             return std::to_string(info.param.width);
                         });

struct BrokenSource {
    const char* what;
    std::string (*path)();
};

class ProbeOfBrokenSource : public testing::TestWithParam<BrokenSource> {};

TEST_P(ProbeOfBrokenSource, ReportsAFailedDurationAndNothingElse) {
    const std::string path = GetParam().path();
    const long long sizeBefore = FileSize(path);
    EncoderHarness harness;
    const HarnessRun run = harness.Run(ProbeArguments(harness, path), {}, 30000);
    ASSERT_TRUE(run.ended) << GetParam().what;
    ASSERT_EQ(run.notifications.size(), 1u) << GetParam().what;
    EXPECT_EQ(run.notifications[0].code, NOTIFY_DURATION);
    EXPECT_EQ(run.notifications[0].value, 0);
    EXPECT_EQ(FileSize(path), sizeBefore) << "the source is never touched";
}

INSTANTIATE_TEST_SUITE_P(Sources, ProbeOfBrokenSource,
                         testing::Values(BrokenSource{"missing", MissingPath},
                                         BrokenSource{"empty", EmptyFilePath},
                                         BrokenSource{"text", TextFilePath},
                                         BrokenSource{"no_video", AudioOnlyPath},
                                         BrokenSource{"truncated", TruncatedPath}),
                         [](const testing::TestParamInfo<BrokenSource>& info) { return info.param.what; });

TEST(Encoder, AMalformedArgumentStringSendsNothing) {
    EncoderHarness harness;
    std::string truncated = "\"";
    truncated += ClipPath(kPal640);
    truncated += "\" -o";
    const HarnessRun run = harness.Run(truncated, {}, 30000);
    ASSERT_TRUE(run.ended);
    EXPECT_TRUE(run.notifications.empty());
}

}  // namespace

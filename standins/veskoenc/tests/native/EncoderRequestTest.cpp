#include <gtest/gtest.h>

#include "ArgumentQuoting.h"
#include "EncoderRequest.h"

namespace {

TEST(EncoderRequest, TheWorkedExampleOfCorvane) {
    const auto parsed = ParseEncoderRequest(SplitWindowsArguments(
        R"("C:\in\a.mov" -o "C:\output video\a.avi" -oac mp3lame -ovc lavc -lameopts vbr=3:br=128:mode=3 )"
        R"(-lavcopts vcodec=mpeg4:vbitrate=1000:vhq:vqmin=1:vqmax=31:autoaspect=1 -ffourcc DX50 -of lavf )"
        R"(-lavfopts i_certify_that_my_video_stream_does_not_use_b_frames:format=avi -sws 2 )"
        R"(-af volume=+0db:0:channels=2 -ofps 25.000000 -endpos 9:0:0 0 1234)"));
    ASSERT_TRUE(parsed.request) << parsed.error;
    const EncoderRequest& r = *parsed.request;
    EXPECT_EQ(r.sourcePath, R"(C:\in\a.mov)");
    EXPECT_EQ(r.targetPath, R"(C:\output video\a.avi)");
    EXPECT_EQ(r.mode, EncoderMode::Convert);
    EXPECT_EQ(r.windowHandle, 1234);
    ASSERT_EQ(r.options.size(), 11u);
    EXPECT_EQ(r.options[0], (EncoderOption{"oac", "mp3lame"}));
    EXPECT_EQ(r.options[9], (EncoderOption{"ofps", "25.000000"}));
    EXPECT_EQ(r.options[10], (EncoderOption{"endpos", "9:0:0"}));
}

TEST(EncoderRequest, ProbeModeAndANegativeHandle) {
    const auto parsed =
        ParseEncoderRequest(SplitWindowsArguments(R"("a.mov" -o "b.avi" -endpos 9:0:0 1 -66042)"));
    ASSERT_TRUE(parsed.request) << parsed.error;
    EXPECT_EQ(parsed.request->mode, EncoderMode::Probe);
    EXPECT_EQ(parsed.request->windowHandle, -66042);
}

TEST(EncoderRequest, AnOptionWithoutValueAndNegativeValues) {
    const auto parsed = ParseEncoderRequest(
        SplitWindowsArguments(R"("a.mov" -o "b.avi" -nosound -vf scale=-3:240 -zoom -2 0 1)"));
    ASSERT_TRUE(parsed.request) << parsed.error;
    const std::vector<EncoderOption> expected = {{"nosound", ""}, {"vf", "scale=-3:240"}, {"zoom", "-2"}};
    EXPECT_EQ(parsed.request->options, expected);
}

struct BadRow {
    const char* line;
    const char* why;
};

class MalformedRequest : public testing::TestWithParam<BadRow> {};

TEST_P(MalformedRequest, IsRefusedWithAReason) {
    const auto parsed = ParseEncoderRequest(SplitWindowsArguments(GetParam().line));
    EXPECT_FALSE(parsed.request) << GetParam().why;
    EXPECT_FALSE(parsed.error.empty());
}

const BadRow kBadRows[] = {
    {"", "nothing at all"},
    {R"("a.mov" -o "b.avi" 0)", "too few words"},
    {R"("a.mov" -o "b.avi" -endpos 9:0:0 2 1234)", "mode out of range"},
    {R"("a.mov" -o "b.avi" -endpos 9:0:0 0 0x1234)", "handle not decimal"},
    {R"("a.mov" "b.avi" -endpos 9:0:0 0 1234)", "stray word"},
    {R"("a.mov" -endpos 9:0:0 -ofps 25 0 1234)", "no target in a conversion"},
    {R"(-o "b.avi" -endpos 9:0:0 0 1234)", "no source"},
};

INSTANTIATE_TEST_SUITE_P(Lines, MalformedRequest, testing::ValuesIn(kBadRows));

}  // namespace

#include <gtest/gtest.h>

#include "HelperProtocol.h"

namespace {

TEST(HelperProtocol, FramesSurviveAnyChunking) {
    const std::vector<std::string> run = {"ffmpeg", "-i", "file:/a b/c.mov", "", "-vf", "scale=-2:240"};
    const std::string stream = EncodeFrame(FrameType::Hello, "token") + EncodeRun(run) +
                               EncodeFrame(FrameType::Output, std::string(70000, 'x')) +
                               EncodeExitStatus(-1) + EncodeFrame(FrameType::Stop, "");
    FrameReader reader;
    std::vector<Frame> frames;
    for (size_t i = 0; i < stream.size(); i += 7) {
        reader.Feed(std::string_view(stream).substr(i, 7));
        while (auto frame = reader.Next()) {
            frames.push_back(*frame);
        }
    }
    ASSERT_EQ(frames.size(), 5u);
    EXPECT_EQ(frames[0], (Frame{FrameType::Hello, "token"}));
    EXPECT_EQ(frames[1].type, FrameType::Run);
    EXPECT_EQ(DecodeRun(frames[1].payload), run);
    EXPECT_EQ(frames[2].payload.size(), 70000u);
    EXPECT_EQ(frames[3].type, FrameType::Exited);
    EXPECT_EQ(DecodeExitStatus(frames[3].payload), -1);
    EXPECT_EQ(DecodeExitStatus(EncodeExitStatus(143).substr(5)), 143);
    EXPECT_EQ(frames[4], (Frame{FrameType::Stop, ""}));
    EXPECT_FALSE(reader.Broken());
}

TEST(HelperProtocol, GarbageAndHugeFramesBreakTheStream) {
    FrameReader garbage;
    garbage.Feed("GET / HTTP/1.1\r\n");
    EXPECT_FALSE(garbage.Next());
    EXPECT_TRUE(garbage.Broken());

    FrameReader huge;
    huge.Feed(std::string("O\xff\xff\xff\x7f", 5));
    EXPECT_FALSE(huge.Next());
    EXPECT_TRUE(huge.Broken());
}

}  // namespace

#include <gtest/gtest.h>

#include "ProgressTracking.h"

namespace {

TEST(ProgressParser, CompletesABlockAtEachProgressLineWhateverTheChunks) {
    ProgressParser parser;
    EXPECT_FALSE(parser.Feed("frame=10\nout_time_us=N/A\nprogress=con"));
    const auto first = parser.Feed("tinue\nframe=20\nout_time_us=1500000\n");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->outTimeMicroseconds, 0);
    EXPECT_FALSE(first->ended);
    const auto second =
        parser.Feed("out_time_ms=2999999\nprogress=continue\r\nout_time_us=3040000\nprogress=end\n");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->outTimeMicroseconds, 3040000);
    EXPECT_TRUE(second->ended);
}

TEST(ProgressThrottle, EveryNewSecondAndAHeartbeatButNoRepeats) {
    ProgressThrottle throttle(500);
    EXPECT_EQ(throttle.Due(0, 0), 0);               // the first report
    EXPECT_EQ(throttle.Due(100, 0), std::nullopt);  // same second, too soon
    EXPECT_EQ(throttle.Due(200, 1), 1);             // a new second at once
    EXPECT_EQ(throttle.Due(250, 3), 3);             // seconds skipped by FFmpeg are not invented
    EXPECT_EQ(throttle.Due(400, 3), std::nullopt);
    EXPECT_EQ(throttle.Due(750, 3), 3);             // heartbeat
    EXPECT_EQ(throttle.Due(800, 2), std::nullopt);  // never backwards
    EXPECT_EQ(throttle.Due(1300, 2), 3);
}

TEST(OutputTail, KeepsTheLastLines) {
    OutputTail tail(2);
    tail.Feed("one\ntwo\nthr");
    tail.Feed("ee\nfour");
    EXPECT_EQ(tail.Text(), "two\nthree\nfour");
}

}  // namespace

#include <gtest/gtest.h>

#include "ProbeFacts.h"

namespace {

struct ProbeRow {
    const char* meaning;
    const char* output;
    std::optional<ProbeFacts> facts;
};

class ProbeOutput : public testing::TestWithParam<ProbeRow> {};

TEST_P(ProbeOutput, GivesTheFourFacts) {
    EXPECT_EQ(ParseProbeFacts(GetParam().output), GetParam().facts) << GetParam().meaning;
}

const ProbeRow kProbeRows[] = {
    {"PAL clip", "width=720\nheight=576\nr_frame_rate=25/1\navg_frame_rate=25/1\nduration=3.000000\n",
     ProbeFacts{3, 720, 576, 250000000}},
    {"NTSC rate, duration rounded up",
     "width=1280\nheight=720\nr_frame_rate=30000/1001\navg_frame_rate=30000/1001\nduration=2.002000\n",
     ProbeFacts{3, 1280, 720, 299700300}},
    {"a short clip never reports 0",
     "width=320\nheight=240\nr_frame_rate=15/1\navg_frame_rate=15/1\nduration=0.066667\n",
     ProbeFacts{1, 320, 240, 150000000}},
    {"average rate unknown: the base rate",
     "width=320\r\nheight=240\r\nr_frame_rate=24/1\r\navg_frame_rate=0/0\r\nduration=10.5\r\n",
     ProbeFacts{11, 320, 240, 240000000}},
    {"a rate too high for 32 bits is capped",
     "width=8\nheight=8\nr_frame_rate=1000/1\navg_frame_rate=1000/1\nduration=1\n",
     ProbeFacts{1, 8, 8, 2147483647}},
    {"no video stream", "duration=3.000000\n", std::nullopt},
    {"unknown duration", "width=640\nheight=480\nr_frame_rate=25/1\navg_frame_rate=25/1\nduration=N/A\n",
     std::nullopt},
    {"zero size", "width=0\nheight=0\nr_frame_rate=25/1\navg_frame_rate=25/1\nduration=3\n", std::nullopt},
    {"no rate", "width=640\nheight=480\nr_frame_rate=0/0\navg_frame_rate=0/0\nduration=3\n", std::nullopt},
    {"nothing", "", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Outputs, ProbeOutput, testing::ValuesIn(kProbeRows));

}  // namespace

#include "PictureGeometry.h"

#include <gtest/gtest.h>

namespace {

ConversionSettings Settings(OutputFormat format, int tvMode = 0, int aviResolution = 0, int mpegResolution = 0) {
    ConversionSettings s;
    s.outputFormat = static_cast<int>(format);
    s.tvMode = tvMode;
    s.aviResolution = aviResolution;
    s.mpegResolution = mpegResolution;
    return s;
}

struct SizeCase {
    ConversionSettings settings;
    PictureSize expected;
};

class TargetSize : public testing::TestWithParam<SizeCase> {};

TEST_P(TargetSize, FollowsTheFormatsSizeSetting) {
    EXPECT_EQ(SelectTargetSize(GetParam().settings), GetParam().expected)
        << "format " << GetParam().settings.outputFormat;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, TargetSize,
    testing::Values(SizeCase{Settings(OutputFormat::Avi, 0, 0, 5), {0, 0}},
                    SizeCase{Settings(OutputFormat::Avi, 0, 13), {480, 272}},
                    SizeCase{Settings(OutputFormat::DivX, 0, 16), {624, 352}},
                    SizeCase{Settings(OutputFormat::Wmv, 0, 19), {720, 576}},
                    SizeCase{Settings(OutputFormat::Asf, 0, 1), {80, 60}},
                    SizeCase{Settings(OutputFormat::Mpeg1, 0, 13, 13), {480, 480}},
                    SizeCase{Settings(OutputFormat::Mpeg2, 0, 0, 17), {720, 576}},
                    SizeCase{Settings(OutputFormat::Avi, 0, 20), {0, 0}},
                    SizeCase{Settings(OutputFormat::Mpeg2, 0, 0, 18), {0, 0}},
                    SizeCase{Settings(OutputFormat::Mpeg2, 0, 0, -1), {0, 0}},
                    // The disc formats ignore both size settings.
                    SizeCase{Settings(OutputFormat::VcdMpeg1, 0, 17, 17), {352, 240}},
                    SizeCase{Settings(OutputFormat::VcdMpeg1, 1), {352, 288}},
                    SizeCase{Settings(OutputFormat::SvcdMpeg2, 0), {480, 480}},
                    SizeCase{Settings(OutputFormat::SvcdMpeg2, 5), {480, 576}},
                    SizeCase{Settings(OutputFormat::DvdMpeg2, 0, 3, 3), {720, 480}},
                    SizeCase{Settings(OutputFormat::DvdMpeg2, 1), {720, 576}}));

struct BorderCase {
    const char* name;
    PictureSize target;
    int sourceWidth, sourceHeight;
    int letterbox;
    Borders expected;
};

class BorderMath : public testing::TestWithParam<BorderCase> {};

TEST_P(BorderMath, ComparesShapes) {
    ConversionSettings s;
    s.letterbox = GetParam().letterbox;
    EXPECT_EQ(ComputeBorders(s, GetParam().target, GetParam().sourceWidth, GetParam().sourceHeight),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BorderMath,
    testing::Values(BorderCase{"LetterboxIntoPalDvd", {720, 576}, 640, 480, 1, {-48, 36}},
                    BorderCase{"PillarboxInto624x352", {624, 352}, 320, 240, 1, {155, -116}},
                    BorderCase{"SameShape", {720, 576}, 720, 576, 1, {0, 0}},
                    BorderCase{"LetterboxOffStretches", {720, 576}, 640, 480, 0, {0, 0}},
                    BorderCase{"OriginalSizeNeverPads", {0, 0}, 640, 480, 1, {0, 0}},
                    BorderCase{"UnknownSourceSize", {720, 576}, 0, 0, 1, {0, 0}},
                    BorderCase{"UnknownSourceHeight", {720, 576}, 640, 0, 1, {0, 0}},
                    BorderCase{"HugeSourceDoesNotOverflow", {720, 576}, 2000000000, 1000000000, 1, {-432, 216}}),
    [](const testing::TestParamInfo<BorderCase>& info) { return std::string(info.param.name); });

}  // namespace

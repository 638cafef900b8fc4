#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CommandLineRequest Request(double sourceRate = 25.0) {
    CommandLineRequest r;
    r.sourcePath = "C:\\in\\a.mov";
    r.targetPath = "C:\\output video\\a.avi";
    r.sourceFrameRate = sourceRate;
    r.mode = EncoderMode::Convert;
    r.windowHandle = 1234;
    return r;
}

ConversionSettings WithFormat(OutputFormat format) {
    ConversionSettings s;
    s.outputFormat = static_cast<int>(format);
    return s;
}

std::string Arguments(const ConversionSettings& s, const CommandLineRequest& r = Request()) {
    return BuildCommandLine(s, r).arguments;
}

TEST(CommandLine, DefaultSettingsGiveTheDocumentedStringByteForByte) {
    const EncoderCommandLine line = BuildCommandLine(ConversionSettings{}, Request());
    EXPECT_EQ(line.arguments,
              "\"C:\\in\\a.mov\" -o \"C:\\output video\\a.avi\" -oac mp3lame -ovc lavc -lameopts vbr=3:br=128:mode=3"
              " -lavcopts vcodec=mpeg4:vbitrate=1000:vhq:vqmin=1:vqmax=31:autoaspect=1 -ffourcc DX50 -of lavf"
              " -lavfopts i_certify_that_my_video_stream_does_not_use_b_frames:format=avi -sws 2"
              " -af volume=+0db:0:channels=2 -ofps 25.000000 -endpos 9:0:0 0 1234");
    EXPECT_EQ(line.videoBitrate, 1000);
    EXPECT_EQ(line.audioBitrate, 128);
}

// Every format with its non-default choices: the codec pairs and containers that set it apart.
struct FormatCase {
    const char* name;
    ConversionSettings settings;
    std::vector<std::string> fragments;
};

ConversionSettings Tweak(OutputFormat format, void (*change)(ConversionSettings&)) {
    ConversionSettings s = WithFormat(format);
    change(s);
    return s;
}

class CommandLineFormats : public testing::TestWithParam<FormatCase> {};

TEST_P(CommandLineFormats, CarryTheirDistinctiveFragments) {
    const std::string arguments = Arguments(GetParam().settings);
    for (const std::string& fragment : GetParam().fragments) {
        EXPECT_NE(arguments.find(fragment), std::string::npos) << "missing: " << fragment << "\nin: " << arguments;
    }
    EXPECT_EQ(arguments.rfind(" -endpos 9:0:0 0 1234"), arguments.size() - 21) << arguments;
}

INSTANTIATE_TEST_SUITE_P(
    AllFormats, CommandLineFormats,
    testing::Values(
        FormatCase{"AviXvidMp3", Tweak(OutputFormat::Avi, [](ConversionSettings& s) { s.aviVideoCodec = 1; }),
                   {" -oac mp3lame -ovc xvid -lameopts vbr=3:br=128:mode=3 -xvidencopts bitrate=1000:autoaspect=1"
                    " -of lavf",
                    " -af volume=+0db:0:channels=2 -ofps"}},
        FormatCase{"AviDivxAc3", Tweak(OutputFormat::Avi, [](ConversionSettings& s) { s.aviAudioCodec = 1; }),
                   {" -oac lavc -ovc lavc -lavcopts acodec=ac3:abitrate=128:vcodec=mpeg4:vbitrate=1000:vhq:vqmin=1"
                    ":vqmax=31:autoaspect=1 -ffourcc DX50",
                    " -sws 2 -af volume=+0db:0:channels=6:lavcresample=44100 -srate 44100 -ofps"}},
        FormatCase{"Mpeg1", WithFormat(OutputFormat::Mpeg1),
                   {"\"C:\\output video\\a.avi\" -af volume=+0db:0:channels=2:lavcresample=44100 -srate 44100 -oac"
                    " lavc -ovc lavc -lavcopts vcodec=mpeg1video:keyint=18:vrc_buf_size=327:vrc_minrate=1000"
                    ":vbitrate=1000:vrc_maxrate=1000:acodec=mp2:abitrate=192:autoaspect=1:aspect=16/9 -of lavf"
                    " -lavfopts format=mpg:i_certify_that_my_video_stream_does_not_use_b_frames -ofps 25.000000"}},
        FormatCase{"Mpeg2", WithFormat(OutputFormat::Mpeg2),
                   {" -oac lavc -ovc lavc -lavcopts vcodec=mpeg2video:keyint=18:vrc_buf_size=1835:vrc_maxrate=9400"
                    ":vbitrate=2000:acodec=mp2:abitrate=160:autoaspect=1:aspect=16/9 -of lavf -lavfopts format=mpg"
                    ":i_certify_that_my_video_stream_does_not_use_b_frames -af volume=+0db:0:channels=2"
                    ":lavcresample=44100 -srate 44100 -ofps 25.000000"}},
        FormatCase{"DivXAc3", Tweak(OutputFormat::DivX, [](ConversionSettings& s) {
                       s.aviVideoCodec = 1;  // not DivX's: it always uses the DivX codec
                       s.divxAudioCodec = 1;
                   }),
                   {" -oac lavc -ovc lavc -lavcopts acodec=ac3:abitrate=128:vcodec=mpeg4", " -ffourcc DX50"}},
        FormatCase{"XvidAc3", Tweak(OutputFormat::Xvid, [](ConversionSettings& s) { s.xvidAudioCodec = 1; }),
                   {" -oac lavc -ovc xvid -lavcopts acodec=ac3:abitrate=128 -xvidencopts bitrate=1000:autoaspect=1"
                    " -of lavf -lavfopts i_certify_that_my_video_stream_does_not_use_b_frames:format=avi"}},
        FormatCase{"VcdPal", Tweak(OutputFormat::VcdMpeg1, [](ConversionSettings& s) { s.tvMode = 1; }),
                   {" -oac lavc -ovc lavc -of mpeg -lavcopts vcodec=mpeg1video:keyint=15:vrc_buf_size=327"
                    ":vrc_minrate=1000:vbitrate=1000:vrc_maxrate=1000:acodec=mp2:abitrate=192:autoaspect=1"
                    ":aspect=16/9 -mpegopts format=xvcd -af volume=+0db:0:channels=2:lavcresample=44100"
                    " -srate 44100 -ofps 25.000000"}},
        FormatCase{"VcdNtsc", WithFormat(OutputFormat::VcdMpeg1), {"keyint=18", " -ofps 24000/1001"}},
        FormatCase{"SvcdNtsc", WithFormat(OutputFormat::SvcdMpeg2),
                   {" -oac lavc -ovc lavc -of mpeg -lavcopts vcodec=mpeg2video:keyint=18:vrc_buf_size=917"
                    ":vrc_minrate=600:vrc_maxrate=2500:vbitrate=2500:acodec=mp2:abitrate=224:autoaspect=1"
                    ":aspect=16/9 -mpegopts format=xsvcd -af volume=+0db:0:channels=2:lavcresample=44100"
                    " -srate 44100 -ofps 30000/1001"}},
        FormatCase{"DvdPal", Tweak(OutputFormat::DvdMpeg2, [](ConversionSettings& s) { s.tvMode = 1; }),
                   {" -oac lavc -ovc lavc -of mpeg -lavcopts vcodec=mpeg2video:keyint=15:vrc_buf_size=1835"
                    ":vrc_maxrate=9400:vbitrate=5000:acodec=ac3:abitrate=224:autoaspect=1:aspect=16/9"
                    " -mpegopts format=dvd -af volume=+0db:0:lavcresample=48000 -srate 48000 -ofps 25.000000"}},
        FormatCase{"DvdMp2FourThree", Tweak(OutputFormat::DvdMpeg2, [](ConversionSettings& s) {
                       s.dvdAudioCodec = 1;
                       s.dvdAspectRatio = 0;
                   }),
                   {"keyint=18", ":acodec=mp2:abitrate=224:autoaspect=1:aspect=4/3", " -ofps 30000/1001"}},
        FormatCase{"Wmv", WithFormat(OutputFormat::Wmv),
                   {" -oac lavc -ovc lavc -lavcopts vcodec=wmv2:acodec=wmav2:vqscale=16:abitrate=128:autoaspect=1"
                    " -of lavf -lavfopts i_certify_that_my_video_stream_does_not_use_b_frames:format=wmv -sws 2"
                    " -af volume=+0db:0:channels=2 -srate 44100 -ofps 1000.000000"}},
        FormatCase{"WmvWma1Lowest", Tweak(OutputFormat::Wmv, [](ConversionSettings& s) {
                       s.wmvAudioCodec = 0;
                       s.wmvQuality = 0;
                   }),
                   {"vcodec=wmv2:acodec=wmav1:vqscale=29:abitrate=64:"}},
        FormatCase{"AsfDefault", WithFormat(OutputFormat::Asf),
                   {"vcodec=wmv2:acodec=wmav2:vqscale=16:abitrate=128:autoaspect=1",
                    ":format=asf -sws 2 -af volume=+0db:0:channels=2 -srate 44100 -ofps 1000.000000"}},
        FormatCase{"AsfMsmpeg4", Tweak(OutputFormat::Asf, [](ConversionSettings& s) {
                       s.asfVideoCodec = 0;
                       s.asfAudioCodec = 0;
                       s.wmvAudioCodec = 1;  // WMV's own choice must not leak into ASF
                   }),
                   {"vcodec=msmpeg4:acodec=wmav1:"}},
        FormatCase{"AsfMsmpeg4v2", Tweak(OutputFormat::Asf, [](ConversionSettings& s) { s.asfVideoCodec = 1; }),
                   {"vcodec=msmpeg4v2:acodec=wmav2:"}}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

TEST(CommandLine, SvcdMaximumRateLiesHalfwayToTheFormatCeiling) {
    const int expected[] = {1650, 1850, 2050, 2250, 2500};
    for (int quality = 0; quality < 5; ++quality) {
        ConversionSettings s = WithFormat(OutputFormat::SvcdMpeg2);
        s.svcdQuality = quality;
        const std::string fragment = "vrc_maxrate=" + std::to_string(expected[quality]) + ":";
        EXPECT_NE(Arguments(s).find(fragment), std::string::npos) << "quality " << quality;
    }
}

TEST(CommandLine, WindowsMediaQuantiserFollowsTheQuality) {
    const int expected[] = {29, 26, 24, 21, 19, 16, 14, 11, 9};
    for (int quality = 0; quality < 9; ++quality) {
        ConversionSettings s = WithFormat(OutputFormat::Wmv);
        s.wmvQuality = quality;
        EXPECT_NE(Arguments(s).find(":vqscale=" + std::to_string(expected[quality]) + ":"), std::string::npos)
            << "quality " << quality;
    }
}

struct RateCase {
    OutputFormat format;
    int rateSetting;
    double sourceRate;
    const char* part;
};

class CommandLineFrameRate : public testing::TestWithParam<RateCase> {};

TEST_P(CommandLineFrameRate, SnapsAndPrintsTheOutputRate) {
    const RateCase& c = GetParam();
    ConversionSettings s = WithFormat(c.format);
    s.aviFrameRate = c.rateSetting;
    s.mpegFrameRate = c.rateSetting;
    EXPECT_EQ(FrameRatePart(OutputFrameRate(s, c.sourceRate)), c.part)
        << "format " << s.outputFormat << " setting " << c.rateSetting << " source " << c.sourceRate;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, CommandLineFrameRate,
    testing::Values(
        // AVI family, "Original": raised to 14.985, capped above 60, used as it is in between.
        RateCase{OutputFormat::Avi, 0, 12.0, " -ofps 15000/1001"},
        RateCase{OutputFormat::Avi, 0, 14.985, " -ofps 15000/1001"},
        RateCase{OutputFormat::Avi, 0, 23.976, " -ofps 24000/1001"},
        RateCase{OutputFormat::Avi, 0, 29.97, " -ofps 30000/1001"},
        RateCase{OutputFormat::Avi, 0, 60.0, " -ofps 60.000000"},
        RateCase{OutputFormat::Avi, 0, 60.01, " -ofps 30.000000"},
        RateCase{OutputFormat::DivX, 0, 75.0, " -ofps 30.000000"},
        RateCase{OutputFormat::Xvid, 0, 0.0, " -ofps 15000/1001"},
        RateCase{OutputFormat::Avi, 2, 25.0, " -ofps 20.000000"},
        RateCase{OutputFormat::Avi, 7, 25.0, " -ofps 30.000000"},
        RateCase{OutputFormat::Avi, 42, 25.0, " -ofps 30.000000"},
        RateCase{OutputFormat::Avi, -1, 25.0, " -ofps 30.000000"},
        // MPEG, "Original": snapped to the nearest standard rate below.
        RateCase{OutputFormat::Mpeg1, 0, 23.99, " -ofps 24000/1001"},
        RateCase{OutputFormat::Mpeg1, 0, 24.0, " -ofps 24.000000"},
        RateCase{OutputFormat::Mpeg1, 0, 24.99, " -ofps 24.000000"},
        RateCase{OutputFormat::Mpeg1, 0, 25.0, " -ofps 25.000000"},
        RateCase{OutputFormat::Mpeg1, 0, 27.5, " -ofps 25.000000"},
        RateCase{OutputFormat::Mpeg2, 0, 28.0, " -ofps 30000/1001"},
        RateCase{OutputFormat::Mpeg2, 0, 29.99, " -ofps 30000/1001"},
        RateCase{OutputFormat::Mpeg2, 0, 30.0, " -ofps 30.000000"},
        RateCase{OutputFormat::Mpeg2, 0, 120.0, " -ofps 30.000000"},
        RateCase{OutputFormat::Mpeg2, 4, 25.0, " -ofps 30000/1001"},
        RateCase{OutputFormat::Mpeg2, 9, 25.0, " -ofps 30.000000"},
        // Windows Media keep the source timing on a millisecond clock.
        RateCase{OutputFormat::Wmv, 3, 25.0, " -ofps 1000.000000"},
        RateCase{OutputFormat::Asf, 0, 12.0, " -ofps 1000.000000"}));

struct PictureCase {
    const char* name;
    int targetWidth, targetHeight, padWidth, padHeight;
    const char* expectedTail;
};

class CommandLinePicture : public testing::TestWithParam<PictureCase> {};

TEST_P(CommandLinePicture, ChoosesScaleLetterboxOrPillarbox) {
    const PictureCase& c = GetParam();
    CommandLineRequest r = Request();
    r.targetWidth = c.targetWidth;
    r.targetHeight = c.targetHeight;
    r.padWidth = c.padWidth;
    r.padHeight = c.padHeight;
    const std::string arguments = Arguments(ConversionSettings{}, r);
    const std::string tail = std::string(" -ofps 25.000000") + c.expectedTail + " -endpos 9:0:0 0 1234";
    EXPECT_EQ(arguments.substr(arguments.size() - tail.size()), tail);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CommandLinePicture,
    testing::Values(PictureCase{"SourceSize", 0, 0, 0, 0, ""},
                    PictureCase{"Stretch", 720, 576, 0, 0, " -vf scale=720:576,harddup"},
                    PictureCase{"Letterbox", 720, 576, -48, 36, " -vf scale=720:-3,harddup,expand=720:576"},
                    PictureCase{"Pillarbox", 624, 352, 155, -116, " -vf scale=-3:352,harddup,expand=624:352"},
                    PictureCase{"PillarboxWinsOverLetterbox", 640, 480, 1, 1,
                                " -vf scale=-3:480,harddup,expand=640:480"},
                    PictureCase{"OnlyOneSideSet", 640, 0, 0, 0, ""}),
    [](const testing::TestParamInfo<PictureCase>& info) { return std::string(info.param.name); });

TEST(CommandLine, VolumeTextCarriesTheGainWithItsSign) {
    EXPECT_EQ(VolumeText(0), "-20db:0");
    EXPECT_EQ(VolumeText(19), "-1db:0");
    EXPECT_EQ(VolumeText(20), "+0db:0");
    EXPECT_EQ(VolumeText(40), "+20db:0");
}

TEST(CommandLine, ProbeModeAndNegativeHandleEndTheString) {
    CommandLineRequest r = Request();
    r.mode = EncoderMode::Probe;
    r.windowHandle = -42;
    const std::string arguments = Arguments(ConversionSettings{}, r);
    EXPECT_EQ(arguments.substr(arguments.size() - 20), " -endpos 9:0:0 1 -42");
}

TEST(CommandLine, DvdQualityAndMpeg2QualityDifferOnlyInAudio) {
    ConversionSettings dvd = WithFormat(OutputFormat::DvdMpeg2);
    dvd.dvdQuality = 0;
    ConversionSettings mpeg2 = WithFormat(OutputFormat::Mpeg2);
    mpeg2.mpeg2Quality = 0;
    const EncoderCommandLine a = BuildCommandLine(dvd, Request());
    const EncoderCommandLine b = BuildCommandLine(mpeg2, Request());
    EXPECT_EQ(a.videoBitrate, 800);
    EXPECT_EQ(b.videoBitrate, 800);
    EXPECT_EQ(a.audioBitrate, 112);
    EXPECT_EQ(b.audioBitrate, 96);
}

// A hand-edited option.ini can hold anything; the string must still be one the encoder understands.
TEST(CommandLine, OutOfRangeValuesStillGiveAWellFormedString) {
    ConversionSettings s;
    s.aviQuality = 99;
    EXPECT_NE(Arguments(s).find("br=224:mode=3 -lavcopts vcodec=mpeg4:vbitrate=2500:"), std::string::npos);
    s.aviQuality = -3;
    EXPECT_NE(Arguments(s).find("br=64:mode=3 -lavcopts vcodec=mpeg4:vbitrate=384:"), std::string::npos);

    ConversionSettings mpeg = WithFormat(OutputFormat::Mpeg2);
    mpeg.mpegAspectRatio = 7;
    mpeg.mpeg2Quality = 6;
    EXPECT_NE(Arguments(mpeg).find(":vbitrate=5000:acodec=mp2:abitrate=224:autoaspect=1:aspect=2.21/1 "),
              std::string::npos);

    ConversionSettings wmv = WithFormat(OutputFormat::Wmv);
    wmv.wmvQuality = 40;
    EXPECT_NE(Arguments(wmv).find(":vqscale=9:abitrate=224:"), std::string::npos);

    ConversionSettings unknown = WithFormat(OutputFormat::Avi);
    unknown.outputFormat = 12;
    EXPECT_EQ(Arguments(unknown), Arguments(ConversionSettings{}));
}

}  // namespace

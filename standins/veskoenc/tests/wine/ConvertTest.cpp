// Convert mode as Corvane runs it: every format, checked in ffprobe; progress; stop; broken sources.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "CommandLine.h"
#include "EncoderHarness.h"
#include "EncoderInterface.h"
#include "OutputNaming.h"
#include "PictureGeometry.h"
#include "Platform.h"
#include "TestClips.h"
#include "WinText.h"

namespace {

struct Conversion {
    std::string target;
    std::string arguments;
};

// The target and argument string as Corvane's batch makes them for one source.
Conversion Prepare(const EncoderHarness& harness, ConversionSettings settings, const Clip& clip,
                   const std::string& outputFolder) {
    settings.outputFolder = outputFolder;
    const std::string source = ClipPath(clip);
    const auto target =
        MakeOutputPath(settings, source, [](const std::string& p) { return FileSize(p) >= 0; }).value_or("");
    const PictureSize size = SelectTargetSize(settings);
    const Borders borders = ComputeBorders(settings, size, clip.width, clip.height);
    CommandLineRequest request;
    request.sourcePath = source;
    request.targetPath = target;
    request.targetWidth = size.width;
    request.targetHeight = size.height;
    request.padWidth = borders.padWidth;
    request.padHeight = borders.padHeight;
    request.sourceFrameRate = clip.framesPerSecond;
    request.mode = EncoderMode::Convert;
    request.windowHandle = harness.WindowHandle();
    return {target, BuildCommandLine(settings, request).arguments};
}

double Rational(const std::string& text) {
    const size_t slash = text.find('/');
    if (slash == std::string::npos) {
        return std::atof(text.c_str());
    }
    const double den = std::atof(text.c_str() + slash + 1);
    return den == 0 ? 0 : std::atof(text.substr(0, slash).c_str()) / den;
}

std::string Get(const std::map<std::string, std::string>* section, const char* key) {
    if (section == nullptr) {
        return "<no stream>";
    }
    const auto it = section->find(key);
    return it == section->end() ? "<none>" : it->second;
}

struct FormatCase {
    const char* name;
    std::function<void(ConversionSettings&)> choose;
    Clip clip;
    const char* container;   // ffprobe's format_name
    const char* videoCodec;  // ffprobe's codec_name
    const char* videoTag;    // codec_tag_string, or "" when not checked
    int width;
    int height;
    double framesPerSecond;
    const char* audioCodec;  // "" for no audio stream
    int channels;
    int sampleRate;
};

void Use(ConversionSettings& s, OutputFormat f) {
    s.outputFormat = static_cast<std::int32_t>(f);
}

const FormatCase kFormatCases[] = {
    {"AVI DivX MP3", [](ConversionSettings& s) { Use(s, OutputFormat::Avi); }, kPal640, "avi", "mpeg4",
     "DX50", 640, 480, 25, "mp3", 1, 44100},
    {"AVI Xvid AC3",
     [](ConversionSettings& s) {
         Use(s, OutputFormat::Avi);
         s.aviVideoCodec = 1;
         s.aviAudioCodec = 1;
     },
     kPal576, "avi", "mpeg4", "XVID", 720, 576, 25, "ac3", 2, 44100},
    {"MPEG1 letterboxed to 640x480",
     [](ConversionSettings& s) {
         Use(s, OutputFormat::Mpeg1);
         s.mpegResolution = 15;
     },
     kHd720, "mpeg", "mpeg1video", "", 640, 480, 30000.0 / 1001, "mp2", 2, 44100},
    {"MPEG2 from 15 fps without sound", [](ConversionSettings& s) { Use(s, OutputFormat::Mpeg2); }, kSmall320,
     "mpeg", "mpeg2video", "", 320, 240, 24000.0 / 1001, "", 0, 0},
    {"DivX pillarboxed to 624x352",
     [](ConversionSettings& s) {
         Use(s, OutputFormat::DivX);
         s.aviResolution = 16;
     },
     kSmall320, "avi", "mpeg4", "DX50", 624, 352, 15, "", 0, 0},
    {"Xvid scaled to 320x240",
     [](ConversionSettings& s) {
         Use(s, OutputFormat::Xvid);
         s.aviResolution = 10;
     },
     kPal640, "avi", "mpeg4", "XVID", 320, 240, 25, "mp3", 1, 44100},
    {"VCD PAL letterboxed",
     [](ConversionSettings& s) {
         Use(s, OutputFormat::VcdMpeg1);
         s.tvMode = 1;
     },
     kPal640, "mpeg", "mpeg1video", "", 352, 288, 25, "mp2", 2, 44100},
    {"SVCD NTSC letterboxed, mono made stereo",
     [](ConversionSettings& s) { Use(s, OutputFormat::SvcdMpeg2); }, kHd720, "mpeg", "mpeg2video", "", 480,
     480, 30000.0 / 1001, "mp2", 2, 44100},
    {"DVD PAL AC3",
     [](ConversionSettings& s) {
         Use(s, OutputFormat::DvdMpeg2);
         s.tvMode = 1;
     },
     kPal576, "mpeg", "mpeg2video", "", 720, 576, 25, "ac3", 2, 48000},
    {"DVD NTSC pillarboxed",
     [](ConversionSettings& s) {
         Use(s, OutputFormat::DvdMpeg2);
         s.dvdAudioCodec = 1;
     },
     kSmall320, "mpeg", "mpeg2video", "", 720, 480, 30000.0 / 1001, "", 0, 0},
    {"WMV keeps mono and the source timing", [](ConversionSettings& s) { Use(s, OutputFormat::Wmv); }, kHd720,
     "asf", "wmv2", "WMV2", 1280, 720, 30000.0 / 1001, "wmav2", 1, 44100},
    {"ASF MPEG-4 v3 with WMA 1",
     [](ConversionSettings& s) {
         Use(s, OutputFormat::Asf);
         s.asfVideoCodec = 0;
         s.asfAudioCodec = 0;
         s.aviResolution = 17;
     },
     kPal640, "asf", "msmpeg4v3", "", 640, 480, 25, "wmav1", 2, 44100},
};

class ConvertFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(ConvertFormat, WritesAFileFfprobeRecognises) {
    const FormatCase& c = GetParam();
    EncoderHarness harness;
    ConversionSettings settings;
    c.choose(settings);
    const Conversion conversion = Prepare(harness, settings, c.clip, NewOutputFolder(c.name));
    const long long sourceSize = FileSize(ClipPath(c.clip));
    const HarnessRun run = harness.Run(conversion.arguments);
    ASSERT_TRUE(run.ended) << c.name;
    EXPECT_EQ(FileSize(ClipPath(c.clip)), sourceSize) << "the source is never touched";

    const FileFacts facts = ProbeFile(conversion.target);
    ASSERT_FALSE(facts.format.empty()) << c.name << ": ffprobe cannot open " << conversion.target;
    EXPECT_EQ(facts.format.at("format_name"), c.container) << c.name;
    EXPECT_NEAR(std::atof(facts.format.at("duration").c_str()), c.clip.seconds, 0.5) << c.name;

    const auto* video = facts.Stream("video");
    ASSERT_NE(video, nullptr) << c.name;
    EXPECT_EQ(Get(video, "codec_name"), c.videoCodec) << c.name;
    if (*c.videoTag != '\0') {
        EXPECT_EQ(Get(video, "codec_tag_string"), c.videoTag) << c.name;
    }
    EXPECT_EQ(Get(video, "width"), std::to_string(c.width)) << c.name;
    EXPECT_EQ(Get(video, "height"), std::to_string(c.height)) << c.name;
    EXPECT_NEAR(Rational(Get(video, "avg_frame_rate")), c.framesPerSecond, 0.02) << c.name;

    const auto* audio = facts.Stream("audio");
    if (*c.audioCodec == '\0') {
        EXPECT_EQ(audio, nullptr) << c.name;
    } else {
        ASSERT_NE(audio, nullptr) << c.name;
        EXPECT_EQ(Get(audio, "codec_name"), c.audioCodec) << c.name;
        EXPECT_EQ(Get(audio, "channels"), std::to_string(c.channels)) << c.name;
        EXPECT_EQ(Get(audio, "sample_rate"), std::to_string(c.sampleRate)) << c.name;
    }

    // Progress: whole seconds, never backwards, up to the end, and not a flood.
    const std::vector<std::int32_t> positions = run.ValuesOf(NOTIFY_PROGRESS);
    ASSERT_FALSE(positions.empty()) << c.name;
    for (size_t i = 1; i < positions.size(); ++i) {
        EXPECT_LE(positions[i - 1], positions[i]) << c.name;
    }
    EXPECT_GE(positions.back(), static_cast<std::int32_t>(c.clip.seconds) - 1) << c.name;
    EXPECT_LE(positions.size(), static_cast<size_t>(run.wallMs / 250 + c.clip.seconds + 3)) << c.name;
    EXPECT_EQ(run.notifications.size(), positions.size()) << c.name << ": only progress in a conversion";
}

INSTANTIATE_TEST_SUITE_P(Formats, ConvertFormat, testing::ValuesIn(kFormatCases),
                         [](const testing::TestParamInfo<FormatCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p) {
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             }
                             return name;
                         });

TEST(ConvertStop, AStopReplyEndsTheRunPromptlyAndDeletesNothing) {
    EncoderHarness harness;
    ConversionSettings settings;
    Use(settings, OutputFormat::DvdMpeg2);
    settings.tvMode = 1;
    const Conversion conversion = Prepare(harness, settings, kLong, NewOutputFolder("stop"));
    const HarnessRun run = harness.Run(conversion.arguments, [](unsigned code, std::int32_t value) {
        return code == NOTIFY_PROGRESS && value >= 1 ? kReplyStop : kReplyContinue;
    });
    ASSERT_TRUE(run.ended);
    ASSERT_GE(run.stopRepliedAtMs, 0) << "no progress of 1 s or more arrived";
    EXPECT_LE(run.wallMs - run.stopRepliedAtMs, 1000) << "the encoder went on after the stop reply";
    EXPECT_EQ(run.notifications.back().atMs, run.stopRepliedAtMs) << "nothing is sent after the stop";
    const std::vector<std::int32_t> positions = run.ValuesOf(NOTIFY_PROGRESS);
    EXPECT_LT(positions.back(), 30) << "stopped long before the end of the 40 s clip";
    EXPECT_GE(FileSize(conversion.target), 0) << "the unfinished file is Corvane's to delete";
}

TEST(ConvertHeld, TheConversionPausesWhileTheReplyIsPending) {
    EncoderHarness harness;
    ConversionSettings settings;
    Use(settings, OutputFormat::DvdMpeg2);
    settings.tvMode = 1;
    const Conversion conversion = Prepare(harness, settings, kLong, NewOutputFolder("held"));
    std::int32_t heldAt = -1;
    const HarnessRun run = harness.Run(conversion.arguments, [&heldAt](unsigned code, std::int32_t value) {
        if (code == NOTIFY_PROGRESS && value >= 1 && heldAt < 0) {
            heldAt = value;
            Sleep(2000);  // as long as a user reading the stop question
        }
        return kReplyContinue;
    });
    ASSERT_TRUE(run.ended);
    ASSERT_GE(heldAt, 1);
    const std::vector<std::int32_t> positions = run.ValuesOf(NOTIFY_PROGRESS);
    const auto held = std::find(positions.begin(), positions.end(), heldAt);
    ASSERT_NE(held, positions.end());
    ASSERT_NE(held + 1, positions.end());
    // Unheld, FFmpeg converts this clip at many times its speed and would be at its end after 2 s.
    EXPECT_LT(*(held + 1), heldAt + 15) << "FFmpeg went on while the reply was pending";
    EXPECT_GE(positions.back(), 39) << "the conversion went on to the end afterwards";
}

TEST(ConvertKilled, TheHelperAndFfmpegEndWithTheEncoder) {
    EncoderHarness harness;
    ConversionSettings settings;
    Use(settings, OutputFormat::DvdMpeg2);
    settings.tvMode = 1;
    const Conversion conversion = Prepare(harness, settings, kLong, NewOutputFolder("killed"));
    const HarnessRun run = harness.Run(conversion.arguments, [](unsigned code, std::int32_t value) {
        return code == NOTIFY_PROGRESS && value >= 1 ? kKillEncoder : kReplyContinue;
    });
    ASSERT_TRUE(run.killed) << run.notifications.size() << " notifications in " << run.wallMs << " ms";
    // The helper notices the closed connection and kills FFmpeg, so the output stops growing.
    Sleep(1500);
    const long long sizeAfterKill = FileSize(conversion.target);
    Sleep(1000);
    EXPECT_EQ(FileSize(conversion.target), sizeAfterKill);
    const FileFacts facts = ProbeFile(conversion.target);
    const auto duration = facts.format.find("duration");
    const double reached = duration == facts.format.end() ? 0.0 : std::atof(duration->second.c_str());
    EXPECT_LT(reached, 30.0) << "FFmpeg did not go on to the end of the 40 s clip";
}

TEST(ConvertBroken, ATruncatedSourceEndsCleanlyWithoutOutput) {
    EncoderHarness harness;
    const std::string folder = NewOutputFolder("broken");
    CommandLineRequest request;
    request.sourcePath = TruncatedPath();
    request.targetPath = folder + "cut in half.avi";
    request.sourceFrameRate = 25;
    request.windowHandle = harness.WindowHandle();
    const long long sourceSize = FileSize(TruncatedPath());
    const HarnessRun run = harness.Run(BuildCommandLine(ConversionSettings{}, request).arguments, {}, 30000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(FileSize(TruncatedPath()), sourceSize);
    EXPECT_EQ(FileSize(request.targetPath), -1);
    for (const std::int32_t position : run.ValuesOf(NOTIFY_PROGRESS)) {
        EXPECT_EQ(position, 0);
    }
}

TEST(ConvertExisting, AnExistingTargetIsNeverOverwritten) {
    EncoderHarness harness;
    const std::string folder = NewOutputFolder("existing");
    CommandLineRequest request;
    request.sourcePath = ClipPath(kPal640);
    request.targetPath = folder + "earlier output.avi";
    request.sourceFrameRate = 25;
    request.windowHandle = harness.WindowHandle();
    std::FILE* f = _wfopen(Wide(request.targetPath).c_str(), L"wb");
    ASSERT_NE(f, nullptr);
    std::fputs("earlier output", f);
    std::fclose(f);
    const HarnessRun run = harness.Run(BuildCommandLine(ConversionSettings{}, request).arguments, {}, 30000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(FileSize(request.targetPath), 14);
}

}  // namespace

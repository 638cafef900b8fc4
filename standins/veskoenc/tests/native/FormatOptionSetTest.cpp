// Each output format's whole option set, exactly as Corvane's BuildCommandLine writes it, and the whole
// FFmpeg run it becomes.

#include <gtest/gtest.h>

#include <functional>

#include "CommandLine.h"
#include "FfmpegArgs.h"
#include "PictureGeometry.h"

namespace {

struct FormatRow {
    const char* name;
    std::function<void(ConversionSettings&)> choose;
    int sourceWidth;
    int sourceHeight;
    double sourceRate;
    const char* expected;  // FFmpeg options between the input and the progress options
};

const char kCommonStart[] =
    "-hide_banner -nostats -loglevel warning -n -i file:/in/a.mov -map 0:v:0 -map 0:a:0? ";
const char kCommonEnd[] = " -progress pipe:1 -stats_period 0.25";

void Format(ConversionSettings& s, OutputFormat f) {
    s.outputFormat = static_cast<std::int32_t>(f);
}

const FormatRow kFormatRows[] = {
    {"AVI, DivX video, MP3", [](ConversionSettings& s) { Format(s, OutputFormat::Avi); }, 640, 480, 25.0,
     "-c:v mpeg4 -b:v 1000k -mbd bits -qmin 1 -qmax 31 -vtag DX50 -sws_flags bicubic -r 25 "
     "-c:a libmp3lame -abr 1 -b:a 128k -ac 1 -t 32400 -f avi"},
    {"AVI, Xvid video, AC3",
     [](ConversionSettings& s) {
         Format(s, OutputFormat::Avi);
         s.aviVideoCodec = 1;
         s.aviAudioCodec = 1;
     },
     640, 480, 25.0,
     "-c:v libxvid -bf 2 -b:v 1000k -vtag XVID -sws_flags bicubic -r 25 -c:a ac3 -b:a 128k "
     "-af aformat=channel_layouts=mono|stereo|2.1|3.0|3.1|4.0|quad|4.1|5.0|5.1|6.0 -ar 44100 -t 32400 -f "
     "avi"},
    {"MPEG1", [](ConversionSettings& s) { Format(s, OutputFormat::Mpeg1); }, 640, 480, 25.0,
     "-c:v mpeg1video -g 18 -bufsize 327k -minrate 1000k -b:v 1000k -maxrate 1000k -aspect 16:9 -r 25 "
     "-c:a mp2 -b:a 192k -ac 2 -ar 44100 -t 32400 -f mpeg"},
    {"MPEG2 at 4:3, 30 fps, 10 dB quieter",
     [](ConversionSettings& s) {
         Format(s, OutputFormat::Mpeg2);
         s.mpegAspectRatio = 1;
         s.volume = 10;
     },
     1280, 720, 30000.0 / 1001,
     "-c:v mpeg2video -g 18 -bufsize 1835k -maxrate 9400k -b:v 2000k -aspect 4:3 -r 30000/1001 "
     "-c:a mp2 -b:a 160k -af volume=-10dB -ac 2 -ar 44100 -t 32400 -f mpeg"},
    {"DivX, MP3", [](ConversionSettings& s) { Format(s, OutputFormat::DivX); }, 320, 240, 15.0,
     "-c:v mpeg4 -b:v 1000k -mbd bits -qmin 1 -qmax 31 -vtag DX50 -sws_flags bicubic -r 15 "
     "-c:a libmp3lame -abr 1 -b:a 128k -ac 1 -t 32400 -f avi"},
    {"Xvid, MP3, 320 x 240 stretched",
     [](ConversionSettings& s) {
         Format(s, OutputFormat::Xvid);
         s.aviResolution = 10;
         s.letterbox = 0;
     },
     640, 480, 25.0,
     "-c:v libxvid -bf 2 -b:v 1000k -vtag XVID -sws_flags bicubic -vf scale=320:240 -fps_mode cfr -r 25 "
     "-c:a libmp3lame -abr 1 -b:a 128k -ac 1 -t 32400 -f avi"},
    {"VCD, NTSC, pillarbox", [](ConversionSettings& s) { Format(s, OutputFormat::VcdMpeg1); }, 640, 480, 25.0,
     "-c:v mpeg1video -g 18 -bufsize 327k -minrate 1000k -b:v 1000k -maxrate 1000k -aspect 16:9 "
     "-vf scale=-2:240,pad=352:240:-1:-1 -fps_mode cfr -r 24000/1001 -c:a mp2 -b:a 192k -ac 2 -ar 44100 "
     "-t 32400 -f vcd -packetsize 2324 -muxrate 1411200"},
    {"SVCD, PAL, letterbox",
     [](ConversionSettings& s) {
         Format(s, OutputFormat::SvcdMpeg2);
         s.tvMode = 1;
     },
     640, 480, 25.0,
     "-c:v mpeg2video -g 15 -bufsize 917k -minrate 600k -maxrate 2500k -b:v 2500k -aspect 16:9 "
     "-vf scale=480:-2,pad=480:576:-1:-1 -fps_mode cfr -r 25 -c:a mp2 -b:a 224k -ac 2 -ar 44100 "
     "-t 32400 -f svcd -packetsize 2324"},
    {"DVD, PAL, AC3, plain scale",
     [](ConversionSettings& s) {
         Format(s, OutputFormat::DvdMpeg2);
         s.tvMode = 1;
     },
     720, 576, 25.0,
     "-c:v mpeg2video -g 15 -bufsize 1835k -maxrate 9400k -b:v 5000k -aspect 16:9 -vf scale=720:576 "
     "-fps_mode cfr -r 25 -c:a ac3 -b:a 224k -ar 48000 -t 32400 -f dvd -packetsize 2048 -muxrate 10080000"},
    {"DVD, NTSC, MP2 at 4:3",
     [](ConversionSettings& s) {
         Format(s, OutputFormat::DvdMpeg2);
         s.dvdAudioCodec = 1;
         s.dvdAspectRatio = 0;
         s.dvdQuality = 0;
     },
     640, 480, 25.0,
     "-c:v mpeg2video -g 18 -bufsize 1835k -maxrate 9400k -b:v 800k -aspect 4:3 "
     "-vf scale=-2:480,pad=720:480:-1:-1 -fps_mode cfr -r 30000/1001 -c:a mp2 -b:a 112k -ar 48000 "
     "-t 32400 -f dvd -packetsize 2048 -muxrate 10080000"},
    {"WMV, pillarbox to 624 x 352",
     [](ConversionSettings& s) {
         Format(s, OutputFormat::Wmv);
         s.aviResolution = 16;
     },
     320, 240, 15.0,
     "-c:v wmv2 -q:v 16 -sws_flags bicubic -vf scale=-2:352,pad=624:352:-1:-1 -fps_mode cfr "
     "-c:a wmav2 -b:a 128k -af aformat=channel_layouts=mono|stereo -ar 44100 -t 32400 -f asf"},
    {"ASF, MPEG-4 v3, WMA 1, 10 dB louder",
     [](ConversionSettings& s) {
         Format(s, OutputFormat::Asf);
         s.asfVideoCodec = 0;
         s.asfAudioCodec = 0;
         s.wmvQuality = 0;
         s.volume = 30;
     },
     640, 480, 25.0,
     "-c:v msmpeg4 -q:v 29 -sws_flags bicubic -c:a wmav1 -b:a 64k "
     "-af volume=10dB,aformat=channel_layouts=mono|stereo -ar 44100 -t 32400 -f asf"},
};

class FormatOptionSet : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatOptionSet, BecomesTheWholeFfmpegRun) {
    const FormatRow& row = GetParam();
    ConversionSettings settings;
    row.choose(settings);
    const PictureSize target = SelectTargetSize(settings);
    const Borders borders = ComputeBorders(settings, target, row.sourceWidth, row.sourceHeight);
    CommandLineRequest request;
    request.sourcePath = "C:\\in\\a.mov";
    request.targetPath = "C:\\output video\\a.out";
    request.targetWidth = target.width;
    request.targetHeight = target.height;
    request.padWidth = borders.padWidth;
    request.padHeight = borders.padHeight;
    request.sourceFrameRate = row.sourceRate;
    request.windowHandle = 1234;
    const std::string line = BuildCommandLine(settings, request).arguments;

    const ParsedRequest parsed = ParseEncoderRequest(SplitWindowsArguments(line));
    ASSERT_TRUE(parsed.request) << parsed.error;
    EXPECT_EQ(parsed.request->sourcePath, "C:\\in\\a.mov");
    EXPECT_EQ(parsed.request->targetPath, "C:\\output video\\a.out");
    EXPECT_EQ(parsed.request->mode, EncoderMode::Convert);
    EXPECT_EQ(parsed.request->windowHandle, 1234);

    const FfmpegRun run = TranslateConversion(parsed.request->options, "/in/a.mov", "/out/a.out");
    EXPECT_TRUE(run.ignored.empty()) << row.name << ": " << run.ignored.front();
    ASSERT_FALSE(run.arguments.empty());
    EXPECT_EQ(run.arguments.back(), "file:/out/a.out");
    EXPECT_EQ(PairsOf(run.arguments), PairsOf(std::string(kCommonStart) + row.expected + kCommonEnd))
        << row.name << "\n  from: " << line << "\n  got:  " << JoinWindowsArguments(run.arguments);
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatOptionSet, testing::ValuesIn(kFormatRows));

}  // namespace

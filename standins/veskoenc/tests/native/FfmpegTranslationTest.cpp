// One row per meaning of an MEncoder option: what FFmpeg is asked to do instead.

#include <gtest/gtest.h>

#include "FfmpegArgs.h"
#include "FfmpegTranslation.h"

namespace {

struct MeaningRow {
    const char* meaning;
    const char* options;              // MEncoder words
    const char* expected;             // FFmpeg options that must be present with these values
    std::vector<const char*> absent;  // FFmpeg options that must not appear
};

class TranslationMeaning : public testing::TestWithParam<MeaningRow> {};

TEST_P(TranslationMeaning, GivesTheFfmpegOptions) {
    const MeaningRow& row = GetParam();
    const FfmpegRun run = TranslateOptionWords(row.options);
    ASSERT_FALSE(run.arguments.empty());
    const OptionPairs actual = PairsOf(run.arguments);
    for (const auto& [option, value] : PairsOf(row.expected)) {
        const auto range = actual.equal_range(option);
        bool found = false;
        for (auto it = range.first; it != range.second; ++it) {
            found = found || it->second == value;
        }
        EXPECT_TRUE(found) << row.meaning << ": " << option << " " << value << " (have "
                           << ValueOf(actual, option) << ")";
    }
    for (const char* option : row.absent) {
        EXPECT_EQ(actual.count(option), 0u)
            << row.meaning << ": " << option << " = " << ValueOf(actual, option);
    }
    EXPECT_TRUE(run.ignored.empty()) << row.meaning << ": " << run.ignored.front();
}

const MeaningRow kMeaningRows[] = {
    {"LAME ABR in mono",
     "-oac mp3lame -lameopts vbr=3:br=128:mode=3",
     "-c:a libmp3lame -abr 1 -b:a 128k -ac 1",
     {"-q:a"}},
    {"LAME joint stereo CBR",
     "-oac mp3lame -lameopts cbr:br=192:mode=1",
     "-c:a libmp3lame -b:a 192k -ac 2",
     {"-abr"}},
    {"lavc video bit rate in kbit/s",
     "-ovc lavc -lavcopts vcodec=mpeg4:vbitrate=1000",
     "-c:v mpeg4 -b:v 1000k",
     {}},
    {"lavc video bit rate above 16000 is bit/s",
     "-ovc lavc -lavcopts vbitrate=800000",
     "-c:v mpeg4 -b:v 800000",
     {}},
    {"GOP length", "-ovc lavc -lavcopts vcodec=mpeg1video:keyint=18", "-c:v mpeg1video -g 18", {}},
    {"rate control buffer and bounds",
     "-ovc lavc -lavcopts vrc_buf_size=917:vrc_minrate=600:vrc_maxrate=2500",
     "-bufsize 917k -minrate 600k -maxrate 2500k",
     {}},
    {"fixed quantiser", "-ovc lavc -lavcopts vcodec=wmv2:vqscale=16", "-c:v wmv2 -q:v 16", {"-b:v"}},
    {"macroblock decision and quantiser bounds",
     "-ovc lavc -lavcopts vhq:vqmin=1:vqmax=31",
     "-mbd bits -qmin 1 -qmax 31",
     {}},
    {"display aspect as a ratio", "-ovc lavc -lavcopts aspect=16/9:autoaspect=1", "-aspect 16:9", {"-vf"}},
    {"display aspect with a decimal side", "-ovc lavc -lavcopts aspect=2.21/1", "-aspect 2.21", {"-vf"}},
    {"autoaspect keeps the filtered picture's aspect",
     "-ovc lavc -lavcopts autoaspect=1",
     "",
     {"-aspect", "-vf"}},
    {"no aspect at all: square pixels", "-ovc lavc -lavcopts vbitrate=500", "-vf setsar=1", {"-aspect"}},
    {"lavc audio codec and bit rate",
     "-oac lavc -lavcopts acodec=ac3:abitrate=192",
     "-c:a ac3 -b:a 192k",
     {}},
    {"lavc audio defaults to MP2", "-oac lavc -lavcopts abitrate=224", "-c:a mp2 -b:a 224k", {}},
    {"video options do not leak into the audio side",
     "-oac lavc -ovc xvid -lavcopts acodec=wmav2:abitrate=64",
     "-c:a wmav2 -b:a 64k -c:v libxvid",
     {"-g"}},
    {"Xvid with its own defaults",
     "-ovc xvid -xvidencopts bitrate=1000:autoaspect=1",
     "-c:v libxvid -b:v 1000k -bf 2 -vtag XVID",
     {"-aspect"}},
    {"fourcc of the video stream", "-ovc lavc -ffourcc DX50", "-vtag DX50", {}},
    {"lavf AVI, the B-frame gate dropped",
     "-of lavf -lavfopts i_certify_that_my_video_stream_does_not_use_b_frames:format=avi",
     "-f avi",
     {}},
    {"lavf mpg is an MPEG-1 system stream",
     "-of lavf -lavfopts format=mpg:i_certify_that_my_video_stream_does_not_use_b_frames",
     "-f mpeg",
     {"-packetsize"}},
    {"lavf wmv is ASF", "-of lavf -lavfopts format=wmv", "-f asf", {}},
    {"lavf asf", "-of lavf -lavfopts format=asf", "-f asf", {}},
    {"VCD program stream", "-of mpeg -mpegopts format=xvcd", "-f vcd -packetsize 2324 -muxrate 1411200", {}},
    {"SVCD program stream", "-of mpeg -mpegopts format=xsvcd", "-f svcd -packetsize 2324", {"-muxrate"}},
    {"DVD program stream", "-of mpeg -mpegopts format=dvd", "-f dvd -packetsize 2048 -muxrate 10080000", {}},
    {"bicubic scaling", "-sws 2", "-sws_flags bicubic", {}},
    {"pillarbox: height given, width from the shape, centred pad",
     "-vf scale=-3:352,harddup,expand=624:352",
     "-vf scale=-2:352,pad=624:352:-1:-1,setsar=1 -fps_mode cfr",
     {}},
    {"letterbox: width given",
     "-vf scale=720:-3,harddup,expand=720:576",
     "-vf scale=720:-2,pad=720:576:-1:-1,setsar=1 -fps_mode cfr",
     {}},
    {"plain scale", "-vf scale=320:240,harddup", "-vf scale=320:240,setsar=1 -fps_mode cfr", {}},
    {"NTSC output rate", "-ofps 30000/1001", "-r 30000/1001", {}},
    {"decimal output rate", "-ofps 25.000000", "-r 25", {}},
    {"a millisecond timeline keeps the source timing", "-ofps 1000.000000", "", {"-r", "-fps_mode"}},
    {"gain in dB", "-af volume=-20db:0", "-af volume=-20dB", {}},
    {"no gain, no filter", "-af volume=+0db:0", "", {"-af"}},
    {"sample rate", "-oac lavc -srate 48000", "-ar 48000", {}},
    {"stop after nine hours", "-endpos 9:0:0", "-t 32400", {}},
    {"stop after seconds", "-endpos 90.5", "-t 90.5", {}},
};

INSTANTIATE_TEST_SUITE_P(Meanings, TranslationMeaning, testing::ValuesIn(kMeaningRows));

TEST(Translation, PathsGoThroughTheFileProtocolAsSingleWords) {
    const auto run = TranslateConversion({}, "/clips/a b;$(x)\"q\".mov", "/out/-o pipe:1.avi");
    ASSERT_GE(run.arguments.size(), 2u);
    EXPECT_EQ(ValueOf(PairsOf(run.arguments), "-i"), "file:/clips/a b;$(x)\"q\".mov");
    EXPECT_EQ(run.arguments.back(), "file:/out/-o pipe:1.avi");
}

TEST(Translation, NeverOverwritesAndReportsProgressOnStandardOutput) {
    const OptionPairs pairs = PairsOf(TranslateConversion({}, "/a.mov", "/b.avi").arguments);
    EXPECT_EQ(pairs.count("-n"), 1u);
    EXPECT_EQ(pairs.count("-y"), 0u);
    EXPECT_EQ(ValueOf(pairs, "-progress"), "pipe:1");
    EXPECT_EQ(ValueOf(pairs, "-stats_period"), kProgressPeriod);
}

TEST(Translation, UnknownOptionsAreIgnoredWithALogLine) {
    const FfmpegRun run = TranslateOptionWords(
        "-ovc lavc -lavcopts vcodec=mpeg4:turbo:vbitrate=900 -quiet -zoom 2 -vf eq2=1.2");
    ASSERT_FALSE(run.arguments.empty());
    const OptionPairs pairs = PairsOf(run.arguments);
    EXPECT_EQ(ValueOf(pairs, "-b:v"), "900k");
    ASSERT_EQ(run.ignored.size(), 4u);
    EXPECT_EQ(run.ignored[0], "ignored -quiet");
    EXPECT_EQ(run.ignored[1], "ignored -zoom 2");
    EXPECT_EQ(run.ignored[2], "ignored -vf eq2=1.2");
    EXPECT_EQ(run.ignored[3], "ignored -lavcopts turbo");
}

TEST(Translation, BadValuesAreIgnoredWithALogLine) {
    const FfmpegRun run = TranslateOptionWords(
        "-ovc lavc -lavcopts vbitrate=fast:keyint=x -ofps abc -sws 99 -endpos soon -vf scale=a:b -af "
        "volume=loud");
    ASSERT_FALSE(run.arguments.empty());
    const OptionPairs pairs = PairsOf(run.arguments);
    for (const char* option : {"-b:v", "-g", "-r", "-sws_flags", "-t"}) {
        EXPECT_EQ(pairs.count(option), 0u) << option;
    }
    EXPECT_EQ(run.ignored.size(), 7u);
}

struct ChannelRow {
    const char* meaning;
    const char* options;
    const char* channelsOption;  // -ac value, or "<absent>"
    const char* layouts;         // aformat's layouts in -af, or "" for none
};

class AudioFilterReading : public testing::TestWithParam<ChannelRow> {};

TEST_P(AudioFilterReading, ChannelsAndRateAsTheFormatExpects) {
    const ChannelRow& row = GetParam();
    const OptionPairs pairs = PairsOf(TranslateOptionWords(row.options).arguments);
    EXPECT_EQ(ValueOf(pairs, "-ac"), row.channelsOption) << row.meaning;
    const std::string af = ValueOf(pairs, "-af");
    if (*row.layouts == '\0') {
        EXPECT_EQ(af.find("aformat"), std::string::npos) << row.meaning << ": " << af;
    } else {
        EXPECT_NE(af.find(std::string("aformat=channel_layouts=") + row.layouts), std::string::npos)
            << row.meaning << ": " << af;
    }
}

const ChannelRow kChannelRows[] = {
    {"MPEG system stream: exactly stereo",
     "-oac lavc -of lavf -lavfopts format=mpg -af volume=+0db:0:channels=2:lavcresample=44100", "2", ""},
    {"VCD: exactly stereo",
     "-oac lavc -of mpeg -mpegopts format=xvcd -af volume=+0db:0:channels=2:lavcresample=44100", "2", ""},
    {"AC3 in AVI: up to six, none invented",
     "-oac lavc -lavcopts acodec=ac3 -of lavf -lavfopts format=avi -af "
     "volume=+0db:0:channels=6:lavcresample=44100",
     "<absent>", "mono|stereo|2.1|3.0|3.1|4.0|quad|4.1|5.0|5.1|6.0"},
    {"WMA in ASF: up to two", "-oac lavc -of lavf -lavfopts format=asf -af volume=+0db:0:channels=2",
     "<absent>", "mono|stereo"},
    {"MP3 in AVI: LAME's mono wins",
     "-oac mp3lame -lameopts vbr=3:br=128:mode=3 -of lavf -lavfopts format=avi -af volume=+0db:0:channels=2",
     "1", ""},
    {"DVD: the source's channels",
     "-oac lavc -of mpeg -mpegopts format=dvd -af volume=+0db:0:lavcresample=48000", "<absent>", ""},
};

INSTANTIATE_TEST_SUITE_P(Channels, AudioFilterReading, testing::ValuesIn(kChannelRows));

TEST(AudioFilterReading, SwallowedResampleStillSetsTheRateAndSrateWins) {
    EXPECT_EQ(
        ValueOf(PairsOf(TranslateOptionWords("-oac lavc -af volume=+3db:0:lavcresample=32000").arguments),
                "-ar"),
        "32000");
    const OptionPairs both = PairsOf(
        TranslateOptionWords("-oac lavc -af volume=+3db:0:lavcresample=32000 -srate 48000").arguments);
    EXPECT_EQ(ValueOf(both, "-ar"), "48000");
    EXPECT_EQ(ValueOf(both, "-af"), "volume=3dB");
}

TEST(ProbeRun, AsksFfprobeForTheFourFactsOfTheFirstVideoStream) {
    const std::vector<std::string> args = ProbeArguments("/clips/a b.mov");
    const OptionPairs pairs = PairsOf(args);
    EXPECT_EQ(ValueOf(pairs, "-select_streams"), "v:0");
    EXPECT_EQ(ValueOf(pairs, "-show_entries"),
              "format=duration:stream=width,height,avg_frame_rate,r_frame_rate");
    EXPECT_EQ(ValueOf(pairs, "-of"), "default=noprint_wrappers=1");
    EXPECT_EQ(args.back(), "file:/clips/a b.mov");
}

}  // namespace

// What a user sets in the Output Settings dialog reaches the next conversion's argument string.
#include <gtest/gtest.h>

#include "CommandLine.h"
#include "SettingsDialogDriver.h"

namespace {

struct Pick {
    int control;  // a combo, or the volume slider (1073) with a key
    int value;    // the position, or the key
};

struct FormatCase {
    OutputFormat format;
    std::vector<Pick> picks;
    const char* options;  // the string between the file names and the tail
};

// From the default settings, each format chosen in the dialog with a few changes of its own.
const FormatCase kCases[] = {
    {OutputFormat::Avi,
     {{1067, 8}, {1068, 1}, {1069, 1}, {1071, 5}, {1073, VK_END}},
     " -oac lavc -ovc xvid -lavcopts acodec=ac3:abitrate=224 -xvidencopts bitrate=2500:autoaspect=1"
     " -of lavf -lavfopts i_certify_that_my_video_stream_does_not_use_b_frames:format=avi -sws 2"
     " -af volume=+20db:0:channels=6:lavcresample=44100 -srate 44100 -ofps 25.000000"},
    {OutputFormat::Mpeg1,
     {{1067, 0}, {1078, 3}, {1071, 1}},
     " -af volume=+0db:0:channels=2:lavcresample=44100 -srate 44100 -oac lavc -ovc lavc"
     " -lavcopts vcodec=mpeg1video:keyint=18:vrc_buf_size=327:vrc_minrate=512:vbitrate=512:vrc_maxrate=512"
     ":acodec=mp2:abitrate=96:autoaspect=1:aspect=2.21/1"
     " -of lavf -lavfopts format=mpg:i_certify_that_my_video_stream_does_not_use_b_frames -ofps 24000/1001"},
    {OutputFormat::Mpeg2,
     {{1067, 5}, {1078, 0}, {1071, 4}, {1073, VK_HOME}},
     " -oac lavc -ovc lavc -lavcopts vcodec=mpeg2video:keyint=18:vrc_buf_size=1835:vrc_maxrate=9400"
     ":vbitrate=5000:acodec=mp2:abitrate=224:autoaspect=1:aspect=1/1"
     " -of lavf -lavfopts format=mpg:i_certify_that_my_video_stream_does_not_use_b_frames"
     " -af volume=-20db:0:channels=2:lavcresample=44100 -srate 44100 -ofps 30000/1001"},
    {OutputFormat::DivX,
     {{1067, 0}, {1069, 1}, {1071, 7}},
     " -oac lavc -ovc lavc -lavcopts acodec=ac3:abitrate=64:vcodec=mpeg4:vbitrate=384:vhq:vqmin=1:vqmax=31"
     ":autoaspect=1 -ffourcc DX50"
     " -of lavf -lavfopts i_certify_that_my_video_stream_does_not_use_b_frames:format=avi -sws 2"
     " -af volume=+0db:0:channels=6:lavcresample=44100 -srate 44100 -ofps 30.000000"},
    {OutputFormat::Xvid,
     {{1067, 2}, {1071, 2}},
     " -oac mp3lame -ovc xvid -lameopts vbr=3:br=96:mode=3 -xvidencopts bitrate=640:autoaspect=1"
     " -of lavf -lavfopts i_certify_that_my_video_stream_does_not_use_b_frames:format=avi -sws 2"
     " -af volume=+0db:0:channels=2 -ofps 20.000000"},
    {OutputFormat::VcdMpeg1,
     {{1067, 4}, {1077, 1}, {1078, 1}},
     " -oac lavc -ovc lavc -of mpeg -lavcopts vcodec=mpeg1video:keyint=15:vrc_buf_size=327:vrc_minrate=1152"
     ":vbitrate=1152:vrc_maxrate=1152:acodec=mp2:abitrate=192:autoaspect=1:aspect=16/9 -mpegopts format=xvcd"
     " -af volume=+0db:0:channels=2:lavcresample=44100 -srate 44100 -ofps 25.000000"},
    {OutputFormat::SvcdMpeg2,
     {{1067, 1}, {1078, 0}},
     " -oac lavc -ovc lavc -of mpeg -lavcopts vcodec=mpeg2video:keyint=18:vrc_buf_size=917:vrc_minrate=600"
     ":vrc_maxrate=1850:vbitrate=1200:acodec=mp2:abitrate=192:autoaspect=1:aspect=4/3 -mpegopts format=xsvcd"
     " -af volume=+0db:0:channels=2:lavcresample=44100 -srate 44100 -ofps 30000/1001"},
    {OutputFormat::DvdMpeg2,
     {{1067, 0}, {1069, 1}, {1077, 1}},
     " -oac lavc -ovc lavc -of mpeg -lavcopts vcodec=mpeg2video:keyint=15:vrc_buf_size=1835:vrc_maxrate=9400"
     ":vbitrate=800:acodec=mp2:abitrate=112:autoaspect=1:aspect=16/9 -mpegopts format=dvd"
     " -af volume=+0db:0:lavcresample=48000 -srate 48000 -ofps 25.000000"},
    {OutputFormat::Wmv,
     {{1067, 8}, {1069, 0}},
     " -oac lavc -ovc lavc -lavcopts vcodec=wmv2:acodec=wmav1:vqscale=9:abitrate=224:autoaspect=1"
     " -of lavf -lavfopts i_certify_that_my_video_stream_does_not_use_b_frames:format=wmv -sws 2"
     " -af volume=+0db:0:channels=2 -srate 44100 -ofps 1000.000000"},
    {OutputFormat::Asf,
     {{1067, 1}, {1068, 1}, {1069, 0}},
     " -oac lavc -ovc lavc -lavcopts vcodec=msmpeg4v2:acodec=wmav1:vqscale=26:abitrate=64:autoaspect=1"
     " -of lavf -lavfopts i_certify_that_my_video_stream_does_not_use_b_frames:format=asf -sws 2"
     " -af volume=+0db:0:channels=2 -srate 44100 -ofps 1000.000000"},
};

}  // namespace

TEST_F(SettingsDialogFixture, OneArgumentStringPerFormatAfterAChangeInTheDialog) {
    CommandLineRequest request;
    request.sourcePath = "C:\\in\\a.mov";
    request.targetPath = "C:\\out\\a";
    request.sourceFrameRate = 25.0;
    request.windowHandle = 1234;
    for (const FormatCase& c : kCases) {
        SCOPED_TRACE(static_cast<int>(c.format));
        TheSettings() = ConversionSettings{};
        ASSERT_TRUE(EditSettings([&](HWND settings) {
            settingsdlg::Choose(settings, 1066, static_cast<int>(c.format));
            for (const Pick& pick : c.picks) {
                if (pick.control == 1073) {
                    settingsdlg::PressKey(GetDlgItem(settings, pick.control), static_cast<UINT>(pick.value));
                } else {
                    settingsdlg::Choose(settings, pick.control, pick.value);
                }
            }
        }));
        const std::string expected =
            std::string("\"C:\\in\\a.mov\" -o \"C:\\out\\a\"") + c.options + " -endpos 9:0:0 0 1234";
        EXPECT_EQ(BuildCommandLine(TheSettings(), request).arguments, expected);
    }
}

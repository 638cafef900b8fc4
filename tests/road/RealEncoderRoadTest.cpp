// The road with the real encoder and FFmpeg: clips made with FFmpeg, added through the file dialog,
// converted, stopped, and the files left behind opened with ffprobe.
#include <windows.h>

#include <filesystem>
#include <map>
#include <string>

#include "EncoderHarness.h"
#include "RoadFixture.h"
#include "TestClips.h"

namespace {

double Seconds(const FileFacts& facts) { return facts.format.count("duration") ? std::stod(facts.format.at("duration")) : -1; }

std::string Field(const std::map<std::string, std::string>* stream, const char* key) {
    return stream != nullptr && stream->count(key) ? stream->at(key) : "";
}

class RealEncoderRoad : public RoadTest {
protected:
    void AddRealClips(const std::vector<Clip>& chosen) {
        std::vector<std::string> names;
        for (const Clip& clip : chosen) {
            ClipPath(clip);  // made on first use
            names.push_back(clip.name);
        }
        person->WillChooseFiles(ClipFolder(), names);
        Press(IDC_ADD);
        ASSERT_TRUE(person->AllDone());
        ASSERT_EQ(dialog->sourceListCtrl.GetItemCount(), static_cast<int>(chosen.size()));
    }
    std::string Output(const Clip& clip, const char* extension) const {
        const std::string name = clip.name;
        return output + name.substr(0, name.rfind('.')) + "." + extension;
    }
};

TEST_F(RealEncoderRoad, TwoClipsBecomeAviAndDvdFilesThatFfprobeOpens) {
    AddRealClips({kPal640, kSmall320});
    EXPECT_EQ(Column(2), (std::vector<std::string>{"00:00:03", "00:00:03"}));

    Convert();
    for (const Clip& clip : {kPal640, kSmall320}) {
        const FileFacts avi = ProbeFile(Output(clip, "avi"));
        SCOPED_TRACE(clip.name);
        EXPECT_NE(avi.format.count("format_name") ? avi.format.at("format_name") : "", "");
        EXPECT_EQ(avi.format.at("format_name"), "avi");
        EXPECT_EQ(Field(avi.Stream("video"), "codec_name"), "mpeg4");
        EXPECT_EQ(Field(avi.Stream("video"), "codec_tag_string"), "DX50");
        EXPECT_NEAR(Seconds(avi), clip.seconds, 0.5);
    }
    EXPECT_EQ(person->MessagesSeen().back().rfind("Mission accomplished! Total Time:", 0), 0u);

    TheSettings().outputFormat = static_cast<int>(OutputFormat::DvdMpeg2);
    TheSettings().tvMode = 1;  // PAL
    Convert();
    const FileFacts vob = ProbeFile(Output(kPal640, "vob"));
    EXPECT_EQ(Field(vob.Stream("video"), "codec_name"), "mpeg2video");
    EXPECT_EQ(Field(vob.Stream("video"), "width"), "720");
    EXPECT_EQ(Field(vob.Stream("video"), "height"), "576");
    EXPECT_EQ(Field(vob.Stream("audio"), "codec_name"), "ac3");
    EXPECT_EQ(Field(vob.Stream("audio"), "sample_rate"), "48000");
    EXPECT_NEAR(Seconds(vob), kPal640.seconds, 0.5);
    EXPECT_EQ(Field(ProbeFile(Output(kSmall320, "vob")).Stream("video"), "codec_name"), "mpeg2video");
}

TEST_F(RealEncoderRoad, StoppingDuringTheSecondOfThreeKeepsOnlyTheFirst) {
    AddRealClips({kPal640, kLong, kSmall320});
    person->WillDo([] { return TheRunState().currentIndex == 1 && TheRunState().lastPosition >= 2; },
                   [] { SendMessageA(progressDlg->m_hWnd, WM_COMMAND, IDCANCEL, 0); });
    person->WillAnswer("Do you really want to stop?", IDYES);
    Convert();
    EXPECT_TRUE(person->AllDone());
    EXPECT_NEAR(Seconds(ProbeFile(Output(kPal640, "avi"))), kPal640.seconds, 0.5);
    EXPECT_FALSE(std::filesystem::exists(Output(kLong, "avi")));
    EXPECT_FALSE(std::filesystem::exists(Output(kSmall320, "avi")));
    EXPECT_TRUE(dialog->IsWindowEnabled());
    EXPECT_FALSE(progressDlg->IsWindowVisible());
}

}  // namespace

#include "SettingsLists.h"

#include <gtest/gtest.h>

#include <string>

#include "CommandLine.h"
#include "PictureGeometry.h"

namespace {

TEST(SettingsLists, DefaultsMatchTheirListEntries) {
    const ConversionSettings s;
    EXPECT_EQ(lists::outputFormats[static_cast<size_t>(s.outputFormat)], "AVI Format (*.avi)");
    EXPECT_EQ(lists::aviQuality[static_cast<size_t>(s.aviQuality)],
              "5.Medium (video bitrate:1000kbps; audio bitrate:128kbps)");
    EXPECT_EQ(lists::aviVideoCodecs[static_cast<size_t>(s.aviVideoCodec)], "Divx");
    EXPECT_EQ(lists::mp3Ac3Codecs[static_cast<size_t>(s.aviAudioCodec)], "MP3");
    EXPECT_EQ(lists::aviResolution[static_cast<size_t>(s.aviResolution)], "Original");
    EXPECT_EQ(lists::tvModes[static_cast<size_t>(s.tvMode)], "NTSC");
    EXPECT_EQ(lists::mpegAspect[static_cast<size_t>(s.mpegAspectRatio)], "16:9   (Wide screen TV)");
    EXPECT_EQ(lists::discAspect[static_cast<size_t>(s.dvdAspectRatio)], "16:9   (Wide screen TV)");
    EXPECT_EQ(lists::asfVideoCodecs[static_cast<size_t>(s.asfVideoCodec)], "WMV8");
    EXPECT_EQ(lists::wmaCodecs[static_cast<size_t>(s.wmvAudioCodec)], "WMAv2");
    EXPECT_EQ(s.outputFolder, "C:\\output video\\");
}

TEST(SettingsLists, DvdQualityDiffersFromMpeg2OnlyInItsFirstEntry) {
    ASSERT_EQ(lists::dvdQuality.size(), lists::mpeg2Quality.size());
    EXPECT_EQ(lists::dvdQuality[0], "1.Lower  (video bitrate: 800kbps; audio bitrate:112kbps)");
    EXPECT_EQ(lists::mpeg2Quality[0], "1.Lower  (video bitrate: 800kbps; audio bitrate: 96kbps)");
    for (size_t i = 1; i < lists::dvdQuality.size(); ++i) {
        EXPECT_EQ(lists::dvdQuality[i], lists::mpeg2Quality[i]);
    }
}

// The size texts the user picks from must be the sizes the conversion uses.
TEST(SettingsLists, SizeTextsNameTheSizesUsed) {
    const auto check = [](OutputFormat format, TextList texts, SettingsField field) {
        for (size_t i = 1; i < texts.size(); ++i) {
            ConversionSettings s;
            s.outputFormat = static_cast<int>(format);
            s.*field = static_cast<int>(i);
            const PictureSize size = SelectTargetSize(s);
            EXPECT_EQ(texts[i], std::to_string(size.width) + " x " + std::to_string(size.height)) << i;
        }
    };
    ASSERT_EQ(lists::aviResolution.size(), 20u);
    ASSERT_EQ(lists::mpegResolution.size(), 18u);
    check(OutputFormat::Avi, lists::aviResolution, &ConversionSettings::aviResolution);
    check(OutputFormat::Mpeg2, lists::mpegResolution, &ConversionSettings::mpegResolution);
}

// The quality texts state the bitrates the command line applies.
TEST(SettingsLists, QualityTextsStateTheBitratesApplied) {
    for (int format = 0; format < kOutputFormatCount; ++format) {
        const OutputFormat f = static_cast<OutputFormat>(format);
        if (GroupOf(f) == FormatGroup::WindowsMedia) {
            continue;  // a fixed quantiser: only the audio rate is applied
        }
        const TextList texts = QualityListOf(f);
        for (size_t i = 0; i < texts.size(); ++i) {
            ConversionSettings s;
            s.outputFormat = format;
            s.*QualityFieldOf(f) = static_cast<int>(i);
            const EncoderCommandLine line = BuildCommandLine(s, CommandLineRequest{});
            const std::string text(texts[i]);
            char expected[64];
            std::snprintf(expected, sizeof expected, "bitrate:%4dkbps; audio bitrate:%3dkbps)", line.videoBitrate,
                          line.audioBitrate);
            EXPECT_NE(text.find(expected), std::string::npos) << text << " vs " << expected;
        }
    }
}

TEST(SettingsLists, SharedFieldsServeTheirFormatGroups) {
    EXPECT_EQ(QualityFieldOf(OutputFormat::VcdMpeg1), QualityFieldOf(OutputFormat::Mpeg1));
    EXPECT_EQ(QualityFieldOf(OutputFormat::Asf), QualityFieldOf(OutputFormat::Wmv));
    EXPECT_EQ(QualityFieldOf(OutputFormat::Xvid), &ConversionSettings::aviQuality);
    EXPECT_EQ(AudioCodecFieldOf(OutputFormat::Asf), &ConversionSettings::asfAudioCodec);
    EXPECT_EQ(AudioCodecFieldOf(OutputFormat::SvcdMpeg2), nullptr);
    EXPECT_EQ(VideoCodecFieldOf(OutputFormat::DivX), nullptr);
    EXPECT_EQ(GroupOf(12), FormatGroup::Avi);
}

}  // namespace

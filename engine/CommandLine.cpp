#include "CommandLine.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "TextFormat.h"

namespace {

struct Bitrates {
    int video;
    int audio;
};

constexpr std::array<Bitrates, 9> kAviBitrates = {
    {{384, 64}, {512, 80}, {640, 96}, {768, 96}, {1000, 128}, {1200, 128}, {1500, 160}, {2000, 192}, {2500, 224}}};
constexpr std::array<Bitrates, 5> kMpeg1Bitrates = {{{512, 96}, {640, 128}, {800, 128}, {1000, 192}, {1152, 192}}};
constexpr std::array<Bitrates, 6> kMpeg2Bitrates = {
    {{800, 96}, {1200, 112}, {1600, 128}, {2000, 160}, {3000, 224}, {5000, 224}}};
constexpr std::array<Bitrates, 5> kSvcdBitrates = {{{800, 128}, {1200, 192}, {1600, 224}, {2000, 224}, {2500, 224}}};
constexpr std::array<Bitrates, 6> kDvdBitrates = {
    {{800, 112}, {1200, 112}, {1600, 128}, {2000, 160}, {3000, 224}, {5000, 224}}};
constexpr std::array<int, 9> kWmvAudioBitrates = {64, 64, 80, 96, 128, 128, 160, 192, 224};

constexpr std::array kMpegAspectTexts = {"1/1", "4/3", "16/9", "2.21/1"};
constexpr std::array kDiscAspectTexts = {"4/3", "16/9"};

template <typename T>
const T& ClampedEntry(std::span<const T> table, int index) {
    return table[static_cast<size_t>(std::clamp(index, 0, static_cast<int>(table.size()) - 1))];
}

Bitrates BitratesOf(const ConversionSettings& s, OutputFormat format) {
    switch (format) {
        case OutputFormat::Avi:
        case OutputFormat::DivX:
        case OutputFormat::Xvid:
            return ClampedEntry<Bitrates>(kAviBitrates, s.aviQuality);
        case OutputFormat::Mpeg1:
        case OutputFormat::VcdMpeg1:
            return ClampedEntry<Bitrates>(kMpeg1Bitrates, s.mpeg1Quality);
        case OutputFormat::Mpeg2:
            return ClampedEntry<Bitrates>(kMpeg2Bitrates, s.mpeg2Quality);
        case OutputFormat::SvcdMpeg2:
            return ClampedEntry<Bitrates>(kSvcdBitrates, s.svcdQuality);
        case OutputFormat::DvdMpeg2:
            return ClampedEntry<Bitrates>(kDvdBitrates, s.dvdQuality);
        case OutputFormat::Wmv:
        case OutputFormat::Asf:
            // The video side is a fixed quantiser (WmvQuantiser), not a bitrate.
            return {0, ClampedEntry<int>(kWmvAudioBitrates, s.wmvQuality)};
    }
    return {0, 0};
}

// 29 - 2.5 x quality, truncated toward zero: 29, 26, 24, 21, 19, 16, 14, 11, 9.
int WmvQuantiser(int wmvQuality) {
    const int quality = std::clamp(wmvQuality, 0, static_cast<int>(kWmvAudioBitrates.size()) - 1);
    return static_cast<int>(29.0 - 2.5 * quality);
}

const char* AspectText(const ConversionSettings& s, FormatGroup group) {
    if (group == FormatGroup::Mpeg) {
        return ClampedEntry<const char*>(kMpegAspectTexts, s.mpegAspectRatio);
    }
    if (group == FormatGroup::Disc) {
        return ClampedEntry<const char*>(kDiscAspectTexts, s.dvdAspectRatio);
    }
    return "";
}

bool IsNtsc(const ConversionSettings& s) { return s.tvMode == 0; }

struct Derived {
    Bitrates bitrates;
    const char* aspect;
    std::string volume;
};

std::string AviFamilyOptions(const ConversionSettings& s, OutputFormat format, const Derived& d) {
    int videoCodec = 0;
    int audioCodec = 0;
    switch (format) {
        case OutputFormat::DivX:
            audioCodec = s.divxAudioCodec;
            break;
        case OutputFormat::Xvid:
            videoCodec = 1;
            audioCodec = s.xvidAudioCodec;
            break;
        default:
            videoCodec = s.aviVideoCodec;
            audioCodec = s.aviAudioCodec;
            break;
    }
    const int v = d.bitrates.video;
    const int a = d.bitrates.audio;
    std::string o;
    if (videoCodec == 0 && audioCodec == 0) {
        o += " -oac mp3lame -ovc lavc";
        o += FormatText(" -lameopts vbr=3:br=%d:mode=3", a);
        o += FormatText(" -lavcopts vcodec=mpeg4:vbitrate=%d:vhq:vqmin=1:vqmax=31:autoaspect=1", v);
        o += " -ffourcc DX50";
    } else if (videoCodec == 0 && audioCodec == 1) {
        o += " -oac lavc -ovc lavc";
        o += FormatText(
            " -lavcopts acodec=ac3:abitrate=%d:vcodec=mpeg4:vbitrate=%d:vhq:vqmin=1:vqmax=31:autoaspect=1", a, v);
        o += " -ffourcc DX50";
    } else if (videoCodec == 1 && audioCodec == 0) {
        o += " -oac mp3lame -ovc xvid";
        o += FormatText(" -lameopts vbr=3:br=%d:mode=3", a);
        o += FormatText(" -xvidencopts bitrate=%d:autoaspect=1", v);
    } else if (videoCodec == 1 && audioCodec == 1) {
        o += " -oac lavc -ovc xvid";
        o += FormatText(" -lavcopts acodec=ac3:abitrate=%d", a);
        o += FormatText(" -xvidencopts bitrate=%d:autoaspect=1", v);
    }
    o += " -of lavf -lavfopts i_certify_that_my_video_stream_does_not_use_b_frames:format=avi";
    o += " -sws 2";
    if (audioCodec == 1) {
        o += FormatText(" -af volume=%s:channels=6:lavcresample=44100", d.volume.c_str());
        o += " -srate 44100";
    } else {
        o += FormatText(" -af volume=%s:channels=2", d.volume.c_str());
    }
    return o;
}

std::string Mpeg1Options(const Derived& d) {
    const int v = d.bitrates.video;
    std::string o;
    o += FormatText(" -af volume=%s:channels=2:lavcresample=44100", d.volume.c_str());
    o += " -srate 44100";
    o += " -oac lavc -ovc lavc";
    o += FormatText(
        " -lavcopts vcodec=mpeg1video:keyint=18:vrc_buf_size=327:vrc_minrate=%d:vbitrate=%d:vrc_maxrate=%d"
        ":acodec=mp2:abitrate=%d:autoaspect=1:aspect=%s",
        v, v, v, d.bitrates.audio, d.aspect);
    o += " -of lavf -lavfopts format=mpg:i_certify_that_my_video_stream_does_not_use_b_frames";
    return o;
}

std::string Mpeg2Options(const Derived& d) {
    std::string o;
    o += " -oac lavc -ovc lavc";
    o += FormatText(
        " -lavcopts vcodec=mpeg2video:keyint=18:vrc_buf_size=1835:vrc_maxrate=9400:vbitrate=%d"
        ":acodec=mp2:abitrate=%d:autoaspect=1:aspect=%s",
        d.bitrates.video, d.bitrates.audio, d.aspect);
    o += " -of lavf -lavfopts format=mpg:i_certify_that_my_video_stream_does_not_use_b_frames";
    o += FormatText(" -af volume=%s:channels=2:lavcresample=44100", d.volume.c_str());
    o += " -srate 44100";
    return o;
}

std::string VcdOptions(const ConversionSettings& s, const Derived& d) {
    const int v = d.bitrates.video;
    std::string o = " -oac lavc -ovc lavc -of mpeg";
    o += FormatText(
        " -lavcopts vcodec=mpeg1video:keyint=%d:vrc_buf_size=327:vrc_minrate=%d:vbitrate=%d:vrc_maxrate=%d"
        ":acodec=mp2:abitrate=%d:autoaspect=1:aspect=%s",
        IsNtsc(s) ? 18 : 15, v, v, v, d.bitrates.audio, d.aspect);
    o += " -mpegopts format=xvcd";
    o += FormatText(" -af volume=%s:channels=2:lavcresample=44100", d.volume.c_str());
    o += " -srate 44100";
    return o;
}

std::string SvcdOptions(const ConversionSettings& s, const Derived& d) {
    const int v = d.bitrates.video;
    const int maxRate = v + (2500 - v) / 2;
    std::string o = " -oac lavc -ovc lavc -of mpeg";
    o += FormatText(
        " -lavcopts vcodec=mpeg2video:keyint=%d:vrc_buf_size=917:vrc_minrate=600:vrc_maxrate=%d:vbitrate=%d"
        ":acodec=mp2:abitrate=%d:autoaspect=1:aspect=%s",
        IsNtsc(s) ? 18 : 15, maxRate, v, d.bitrates.audio, d.aspect);
    o += " -mpegopts format=xsvcd";
    o += FormatText(" -af volume=%s:channels=2:lavcresample=44100", d.volume.c_str());
    o += " -srate 44100";
    return o;
}

std::string DvdOptions(const ConversionSettings& s, const Derived& d) {
    std::string o = " -oac lavc -ovc lavc -of mpeg";
    o += FormatText(
        " -lavcopts vcodec=mpeg2video:keyint=%d:vrc_buf_size=1835:vrc_maxrate=9400:vbitrate=%d"
        ":acodec=%s:abitrate=%d:autoaspect=1:aspect=%s",
        IsNtsc(s) ? 18 : 15, d.bitrates.video, s.dvdAudioCodec == 0 ? "ac3" : "mp2", d.bitrates.audio,
        d.aspect);
    o += " -mpegopts format=dvd";
    o += FormatText(" -af volume=%s:lavcresample=48000", d.volume.c_str());
    o += " -srate 48000";
    return o;
}

std::string WindowsMediaOptions(const ConversionSettings& s, OutputFormat format, const Derived& d) {
    const char* videoCodec = "wmv2";
    const char* audioCodec = s.wmvAudioCodec == 0 ? "wmav1" : "wmav2";
    const char* container = "wmv";
    if (format == OutputFormat::Asf) {
        videoCodec = s.asfVideoCodec == 0 ? "msmpeg4" : s.asfVideoCodec == 1 ? "msmpeg4v2" : "wmv2";
        audioCodec = s.asfAudioCodec == 0 ? "wmav1" : "wmav2";
        container = "asf";
    }
    std::string o = " -oac lavc -ovc lavc";
    o += FormatText(" -lavcopts vcodec=%s:acodec=%s:vqscale=%d:abitrate=%d:autoaspect=1", videoCodec, audioCodec,
                    WmvQuantiser(s.wmvQuality), d.bitrates.audio);
    o += FormatText(" -of lavf -lavfopts i_certify_that_my_video_stream_does_not_use_b_frames:format=%s", container);
    o += " -sws 2";
    o += FormatText(" -af volume=%s:channels=2", d.volume.c_str());
    o += " -srate 44100";
    return o;
}

std::string OptionSet(const ConversionSettings& s, OutputFormat format, const Derived& d) {
    switch (format) {
        case OutputFormat::Avi:
        case OutputFormat::DivX:
        case OutputFormat::Xvid:
            return AviFamilyOptions(s, format, d);
        case OutputFormat::Mpeg1:
            return Mpeg1Options(d);
        case OutputFormat::Mpeg2:
            return Mpeg2Options(d);
        case OutputFormat::VcdMpeg1:
            return VcdOptions(s, d);
        case OutputFormat::SvcdMpeg2:
            return SvcdOptions(s, d);
        case OutputFormat::DvdMpeg2:
            return DvdOptions(s, d);
        case OutputFormat::Wmv:
        case OutputFormat::Asf:
            return WindowsMediaOptions(s, format, d);
    }
    return {};
}

std::string PicturePart(const CommandLineRequest& r) {
    if (r.padWidth >= 1) {
        return FormatText(" -vf scale=-3:%d,harddup,expand=%d:%d", r.targetHeight, r.targetWidth, r.targetHeight);
    }
    if (r.padHeight >= 1) {
        return FormatText(" -vf scale=%d:-3,harddup,expand=%d:%d", r.targetWidth, r.targetWidth, r.targetHeight);
    }
    if (r.targetWidth != 0 && r.targetHeight != 0) {
        return FormatText(" -vf scale=%d:%d,harddup", r.targetWidth, r.targetHeight);
    }
    return {};
}

// Rate tables of the frame-rate lists; index 0 ("Original") is handled by the snapping rules.
constexpr std::array kAviRates = {0.0, 14.985, 20.0, 23.976, 24.0, 25.0, 29.97, 30.0};
constexpr std::array kMpegRates = {0.0, 23.976, 24.0, 25.0, 29.97, 30.0};

double AviOriginalRate(double s) {
    if (!(s >= 14.985)) {  // also catches a rate that was never reported (NaN)
        return 14.985;
    }
    return s > 60.0 ? 30.0 : s;
}

double MpegOriginalRate(double s) {
    if (!(s >= 24.0)) {
        return 23.976;
    }
    if (s < 25.0) {
        return 24.0;
    }
    if (s < 28.0) {
        return 25.0;
    }
    return s < 30.0 ? 29.97 : 30.0;
}

// A listed rate; "any other non-zero value" takes the list's last rate.
template <size_t N>
double ListedRate(const std::array<double, N>& rates, int index) {
    return (index > 0 && index < static_cast<int>(N)) ? rates[static_cast<size_t>(index)] : rates[N - 1];
}

}  // namespace

double OutputFrameRate(const ConversionSettings& s, double sourceFrameRate) {
    switch (GroupOf(s.outputFormat)) {
        case FormatGroup::Avi:
            return s.aviFrameRate == 0 ? AviOriginalRate(sourceFrameRate) : ListedRate(kAviRates, s.aviFrameRate);
        case FormatGroup::Mpeg:
            return s.mpegFrameRate == 0 ? MpegOriginalRate(sourceFrameRate)
                                        : ListedRate(kMpegRates, s.mpegFrameRate);
        case FormatGroup::Disc:
            if (EffectiveFormat(s.outputFormat) == OutputFormat::VcdMpeg1) {
                return IsNtsc(s) ? 23.976 : 25.0;
            }
            return IsNtsc(s) ? 29.97 : 25.0;
        case FormatGroup::WindowsMedia:
            return 1000.0;
    }
    return 25.0;
}

std::string FrameRatePart(double rate) {
    struct NtscRate {
        double value;
        const char* text;
    };
    static constexpr std::array kNtscRates = {
        NtscRate{14.985, "15000/1001"}, NtscRate{23.976, "24000/1001"}, NtscRate{29.97, "30000/1001"}};
    for (const NtscRate& ntsc : kNtscRates) {
        if (std::fabs(rate - ntsc.value) <= 0.00001) {
            return FormatText(" -ofps %s", ntsc.text);
        }
    }
    return FormatText(" -ofps %f", rate);
}

std::string VolumeText(int volume) {
    if (volume < 20) {
        return FormatText("-%ddb:0", 20 - volume);
    }
    return FormatText("+%ddb:0", volume - 20);
}

EncoderCommandLine BuildCommandLine(const ConversionSettings& settings, const CommandLineRequest& request) {
    const OutputFormat format = EffectiveFormat(settings.outputFormat);
    const Derived derived{BitratesOf(settings, format), AspectText(settings, GroupOf(format)),
                          VolumeText(settings.volume)};

    EncoderCommandLine result;
    result.videoBitrate = derived.bitrates.video;
    result.audioBitrate = derived.bitrates.audio;

    std::string& a = result.arguments;
    a = FormatText("\"%s\" -o \"%s\"", request.sourcePath.c_str(), request.targetPath.c_str());
    a += OptionSet(settings, format, derived);
    a += FrameRatePart(OutputFrameRate(settings, request.sourceFrameRate));
    a += PicturePart(request);
    a += kEndPosition;
    a += FormatText(" %d", static_cast<int>(request.mode));
    a += FormatText(" %lld", request.windowHandle);
    return result;
}

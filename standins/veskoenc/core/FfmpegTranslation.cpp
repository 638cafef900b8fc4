#include "FfmpegTranslation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "FfmpegValues.h"
#include "SubOptions.h"

// How the audio filter string is read. MEncoder splits -af at commas only, so in
// "volume=+0db:0:channels=2:lavcresample=44100" the volume filter took "channels=2" and
// "lavcresample=44100" as its own parameters and they never ran. We run what a user of each format
// expects instead: every "name=value" item naming an audio filter counts as that filter, wherever it
// stands. volume=G becomes a gain of G dB; lavcresample=R (or -srate R) the sample rate; channels=N
// means "up to N channels" (a mono source stays mono, nothing is invented) except in the MPEG system
// streams of the MPEG, VCD and SVCD formats, whose players expect exactly stereo. The MP3 of the AVI
// formats stays mono, as LAME's mode=3 asks; DVD keeps the source's channels (AC3 up to six).

namespace {

using Args = std::vector<std::string>;

// The run being put together, one field per FFmpeg meaning, emitted in a fixed order at the end.
class Translation {
  public:
    explicit Translation(std::vector<std::string>& ignored) : ignored_(ignored) {}

    void Apply(const std::vector<EncoderOption>& options);
    Args Emit(const std::string& sourcePath, const std::string& targetPath) const;

  private:
    using Handler = std::function<void(Translation&, const std::string&)>;
    struct SubOptionRule {
        const char* key;
        Handler apply;
    };

    void Ignore(const std::string& what) { ignored_.push_back("ignored " + what); }
    void Set(Args& args, const std::string& option, const std::string& value);
    void SetChecked(Args& args, const std::string& option, const std::optional<std::string>& value,
                    const std::string& what);
    void ApplySubOptions(const std::string& optionName, const std::string& text,
                         std::span<const SubOptionRule> rules, std::span<const char* const> otherSide);

    void ApplyVideoEncoder(const std::string& name);
    void ApplyAudioEncoder(const std::string& name);
    void ApplyVideoFilters(const std::string& text);
    void ApplyAudioFilters(const std::string& text);
    void ApplyOutputRate(const std::string& text);
    void ApplyEndPosition(const std::string& text);
    void ApplyContainer();
    void FinishLame();

    std::vector<std::string>& ignored_;

    // As given, resolved once all options are read (their order does not matter to MEncoder).
    std::string videoEncoder_;
    std::string audioEncoder_;
    std::string lavcOptions_;
    std::string lameOptions_;
    std::string xvidOptions_;
    std::string outputFormat_;
    std::string lavfOptions_;
    std::string mpegOptions_;
    bool noSound_ = false;

    Args video_;  // -c:v and the encoder's options
    Args audio_;  // -c:a and the encoder's options
    Args muxer_;  // -f and the muxer's options
    std::vector<std::string> videoFilters_;
    std::vector<std::string> audioFilters_;
    std::optional<std::string> aspect_;
    bool autoAspect_ = false;
    bool constantRate_ = false;
    std::optional<std::string> frameRate_;
    std::optional<std::string> scaler_;
    std::optional<std::string> sampleRate_;
    std::optional<std::string> channelsExact_;
    std::optional<int> channelsAtMost_;
    std::optional<std::string> duration_;
    std::optional<std::string> sizeLimit_;
    std::optional<std::string> videoTag_;
    bool exactlyStereo_ = false;

    // LAME settings, turned into FFmpeg options together (their meaning depends on each other).
    int lameVbr_ = 2;  // LAME's default: variable bit rate
    std::optional<std::string> lameBitrate_;
    std::optional<std::string> lameQuality_;
};

void Translation::Set(Args& args, const std::string& option, const std::string& value) {
    for (size_t i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == option) {
            args[i + 1] = value;
            return;
        }
    }
    args.push_back(option);
    args.push_back(value);
}

void Translation::SetChecked(Args& args, const std::string& option, const std::optional<std::string>& value,
                             const std::string& what) {
    if (value) {
        Set(args, option, *value);
    } else {
        Ignore(what + " (bad value)");
    }
}

void Translation::ApplySubOptions(const std::string& optionName, const std::string& text,
                                  std::span<const SubOptionRule> rules,
                                  std::span<const char* const> otherSide) {
    for (const SubOption& sub : ParseSubOptions(text)) {
        const std::string value = sub.value.value_or("");
        const auto rule = std::find_if(rules.begin(), rules.end(),
                                       [&](const SubOptionRule& r) { return sub.key == r.key; });
        if (rule != rules.end()) {
            rule->apply(*this, value);
        } else if (std::find_if(otherSide.begin(), otherSide.end(),
                                [&](const char* key) { return sub.key == key; }) == otherSide.end()) {
            Ignore("-" + optionName + " " + sub.key + (sub.value ? "=" + value : ""));
        }
    }
}

// lavcopts keys of the video side, used with -ovc lavc.
const std::array<const char*, 14> kLavcVideoKeys = {
    "vcodec", "vbitrate", "keyint", "vrc_buf_size", "vrc_minrate",   "vrc_maxrate", "vqscale",
    "vhq",    "mbd",      "vqmin",  "vqmax",        "vmax_b_frames", "aspect",      "autoaspect"};
const std::array<const char*, 2> kLavcAudioKeys = {"acodec", "abitrate"};

void Translation::ApplyVideoEncoder(const std::string& name) {
    if (name == "lavc") {
        Set(video_, "-c:v", "mpeg4");  // MEncoder's default vcodec
        static const std::array<SubOptionRule, 14> rules = {{
            {"vcodec", [](Translation& t, const std::string& v) { t.Set(t.video_, "-c:v", v); }},
            {"vbitrate",
             [](Translation& t, const std::string& v) {
                 t.SetChecked(t.video_, "-b:v", KbitOrBit(v), "vbitrate");
             }},
            {"keyint",
             [](Translation& t, const std::string& v) { t.SetChecked(t.video_, "-g", Whole(v), "keyint"); }},
            {"vrc_buf_size",
             [](Translation& t, const std::string& v) {
                 t.SetChecked(t.video_, "-bufsize", Kbit(v), "vrc_buf_size");
             }},
            {"vrc_minrate",
             [](Translation& t, const std::string& v) {
                 t.SetChecked(t.video_, "-minrate", Kbit(v), "vrc_minrate");
             }},
            {"vrc_maxrate",
             [](Translation& t, const std::string& v) {
                 t.SetChecked(t.video_, "-maxrate", Kbit(v), "vrc_maxrate");
             }},
            {"vqscale", [](Translation& t,
                           const std::string& v) { t.SetChecked(t.video_, "-q:v", Whole(v), "vqscale"); }},
            {"vhq", [](Translation& t, const std::string&) { t.Set(t.video_, "-mbd", "bits"); }},
            {"mbd",
             [](Translation& t, const std::string& v) { t.SetChecked(t.video_, "-mbd", Whole(v), "mbd"); }},
            {"vqmin", [](Translation& t,
                         const std::string& v) { t.SetChecked(t.video_, "-qmin", Whole(v), "vqmin"); }},
            {"vqmax", [](Translation& t,
                         const std::string& v) { t.SetChecked(t.video_, "-qmax", Whole(v), "vqmax"); }},
            {"vmax_b_frames",
             [](Translation& t, const std::string& v) {
                 t.SetChecked(t.video_, "-bf", Whole(v), "vmax_b_frames");
             }},
            {"aspect",
             [](Translation& t, const std::string& v) {
                 t.aspect_ = AspectRatio(v);
                 if (!t.aspect_) {
                     t.Ignore("-lavcopts aspect=" + v + " (bad value)");
                 }
             }},
            {"autoaspect", [](Translation& t, const std::string& v) { t.autoAspect_ = v != "0"; }},
        }};
        ApplySubOptions("lavcopts", lavcOptions_, rules, kLavcAudioKeys);
    } else if (name == "xvid") {
        // Xvid's own defaults that FFmpeg does not share: two B-frames, the XVID tag.
        Set(video_, "-c:v", "libxvid");
        Set(video_, "-bf", "2");
        videoTag_ = "XVID";
        static const std::array<SubOptionRule, 5> rules = {{
            {"bitrate",
             [](Translation& t, const std::string& v) {
                 t.SetChecked(t.video_, "-b:v", KbitOrBit(v), "bitrate");
             }},
            {"fixed_quant",
             [](Translation& t, const std::string& v) {
                 t.SetChecked(t.video_, "-q:v", Whole(v), "fixed_quant");
             }},
            {"max_bframes",
             [](Translation& t, const std::string& v) {
                 t.SetChecked(t.video_, "-bf", Whole(v), "max_bframes");
             }},
            {"aspect",
             [](Translation& t, const std::string& v) {
                 t.aspect_ = AspectRatio(v);
                 if (!t.aspect_) {
                     t.Ignore("-xvidencopts aspect=" + v + " (bad value)");
                 }
             }},
            {"autoaspect", [](Translation& t, const std::string& v) { t.autoAspect_ = v != "0"; }},
        }};
        ApplySubOptions("xvidencopts", xvidOptions_, rules, {});
    } else if (name == "copy") {
        Set(video_, "-c:v", "copy");
    } else if (!name.empty()) {
        Ignore("-ovc " + name);
    }
}

void Translation::ApplyAudioEncoder(const std::string& name) {
    if (noSound_) {
        return;
    }
    if (name == "mp3lame") {
        Set(audio_, "-c:a", "libmp3lame");
        static const std::array<SubOptionRule, 6> rules = {{
            {"vbr",
             [](Translation& t, const std::string& v) {
                 const auto n = ParseWholeNumber(v);
                 if (n && *n >= 0 && *n <= 4) {
                     t.lameVbr_ = static_cast<int>(*n);
                 } else {
                     t.Ignore("-lameopts vbr=" + v + " (bad value)");
                 }
             }},
            {"br", [](Translation& t, const std::string& v) { t.lameBitrate_ = Kbit(v); }},
            {"q", [](Translation& t, const std::string& v) { t.lameQuality_ = Whole(v); }},
            {"cbr", [](Translation& t, const std::string&) { t.lameVbr_ = 0; }},
            {"abr", [](Translation& t, const std::string&) { t.lameVbr_ = 3; }},
            {"mode",
             [](Translation& t, const std::string& v) {
                 // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono.
                 const auto n = ParseWholeNumber(v);
                 if (n && *n >= 0 && *n <= 3) {
                     t.channelsExact_ = *n == 3 ? "1" : "2";
                 } else {
                     t.Ignore("-lameopts mode=" + v + " (bad value)");
                 }
             }},
        }};
        ApplySubOptions("lameopts", lameOptions_, rules, {});
        FinishLame();
    } else if (name == "lavc") {
        Set(audio_, "-c:a", "mp2");  // MEncoder's default acodec
        static const std::array<SubOptionRule, 2> rules = {{
            {"acodec", [](Translation& t,
                          const std::string& v) { t.Set(t.audio_, "-c:a", v == "mp3" ? "libmp3lame" : v); }},
            {"abitrate", [](Translation& t,
                            const std::string& v) { t.SetChecked(t.audio_, "-b:a", Kbit(v), "abitrate"); }},
        }};
        ApplySubOptions("lavcopts", lavcOptions_, rules, kLavcVideoKeys);
    } else if (name == "pcm") {
        Set(audio_, "-c:a", "pcm_s16le");
    } else if (name == "copy") {
        Set(audio_, "-c:a", "copy");
    } else if (!name.empty()) {
        Ignore("-oac " + name);
    }
}

void Translation::FinishLame() {
    switch (lameVbr_) {
        case 0:  // constant bit rate
            if (lameBitrate_) {
                Set(audio_, "-b:a", *lameBitrate_);
            }
            break;
        case 3:  // average bit rate
            Set(audio_, "-abr", "1");
            if (lameBitrate_) {
                Set(audio_, "-b:a", *lameBitrate_);
            }
            break;
        default:  // variable bit rate by quality, LAME's default 4
            Set(audio_, "-q:a", lameQuality_.value_or("4"));
            break;
    }
}

void Translation::ApplyVideoFilters(const std::string& text) {
    for (const SubOption& filter : ParseSubOptions(text, ',')) {
        std::vector<std::string> params;
        for (const SubOption& p : ParseSubOptions(filter.value.value_or(""))) {
            params.push_back(p.value ? p.key + "=" + *p.value : p.key);
        }
        const auto param = [&](size_t i, const char* fallback) {
            return i < params.size() ? params[i] : fallback;
        };
        const std::string name = filter.key;
        if (name == "scale") {
            const auto w = ScaleSide(param(0, "-1"), "iw");
            const auto h = ScaleSide(param(1, "-1"), "ih");
            if (w && h) {
                videoFilters_.push_back("scale=" + *w + ":" + *h);
            } else {
                Ignore("-vf scale=" + filter.value.value_or("") + " (bad value)");
            }
        } else if (name == "expand") {
            const auto w = ExpandSide(param(0, "0"), "iw");
            const auto h = ExpandSide(param(1, "0"), "ih");
            const auto x = ParseWholeNumber(param(2, "-1"));
            const auto y = ParseWholeNumber(param(3, "-1"));
            if (w && h && x && y) {
                // MPlayer centres by default; FFmpeg's pad puts the picture top left unless told -1.
                const std::string px = *x < 0 ? "-1" : std::to_string(*x);
                const std::string py = *y < 0 ? "-1" : std::to_string(*y);
                videoFilters_.push_back("pad=" + *w + ":" + *h + ":" + px + ":" + py);
            } else {
                Ignore("-vf expand=" + filter.value.value_or("") + " (bad value)");
            }
        } else if (name == "crop") {
            const auto w = ParseWholeNumber(param(0, ""));
            const auto h = ParseWholeNumber(param(1, ""));
            const auto x = ParseWholeNumber(param(2, "-1"));
            const auto y = ParseWholeNumber(param(3, "-1"));
            if (w && h && x && y && *w > 0 && *h > 0) {
                std::string crop = "crop=" + std::to_string(*w) + ":" + std::to_string(*h);
                if (*x >= 0 && *y >= 0) {
                    crop += ":" + std::to_string(*x) + ":" + std::to_string(*y);
                }
                videoFilters_.push_back(crop);
            } else {
                Ignore("-vf crop=" + filter.value.value_or("") + " (bad value)");
            }
        } else if (name == "harddup") {
            constantRate_ = true;
        } else {
            Ignore("-vf " + name + (filter.value ? "=" + *filter.value : ""));
        }
    }
}

void Translation::ApplyAudioFilters(const std::string& text) {
    // See the note at the top of this file: named items count as filters wherever they stand.
    for (const SubOption& filter : ParseSubOptions(text, ',')) {
        std::vector<SubOption> items = {{filter.key, std::nullopt}};
        const auto inner = ParseSubOptions(filter.value.value_or(""));
        if (!inner.empty()) {
            items[0].value = inner[0].value ? inner[0].key + "=" + *inner[0].value : inner[0].key;
            items.insert(items.end(), inner.begin() + 1, inner.end());
        }
        for (const SubOption& item : items) {
            const std::string value = item.value.value_or("");
            if (item.key == "volume") {
                const auto gain = GainDecibels(value);
                if (!gain) {
                    Ignore("-af volume=" + value + " (bad value)");
                } else if (*gain != 0.0) {
                    audioFilters_.push_back("volume=" + WithoutTrailingZeros(*gain) + "dB");
                }
            } else if (item.key == "channels") {
                const auto n = ParseWholeNumber(value);
                if (n && *n >= 1 && *n <= 8) {
                    channelsAtMost_ = static_cast<int>(*n);
                } else {
                    Ignore("-af channels=" + value + " (bad value)");
                }
            } else if (item.key == "lavcresample" || item.key == "resample") {
                const auto rate = ParseWholeNumber(value);
                if (rate && *rate > 0) {
                    if (!sampleRate_) {
                        sampleRate_ = std::to_string(*rate);
                    }
                } else {
                    Ignore("-af " + item.key + "=" + value + " (bad value)");
                }
            } else if (!item.value && &item != &items[0] && ParseDecimal(item.key)) {
                // A positional parameter of the filter before it (volume's soft clipping flag).
            } else {
                Ignore("-af " + item.key + (item.value ? "=" + value : ""));
            }
        }
    }
}

void Translation::ApplyOutputRate(const std::string& text) {
    if (text.find('/') != std::string::npos) {
        const size_t slash = text.find('/');
        const auto num = ParseWholeNumber(text.substr(0, slash));
        const auto den = ParseWholeNumber(text.substr(slash + 1));
        if (num && den && *num > 0 && *den > 0) {
            frameRate_ = std::to_string(*num) + "/" + std::to_string(*den);
        } else {
            Ignore("-ofps " + text + " (bad value)");
        }
        return;
    }
    const auto rate = ParseDecimal(text);
    if (!rate || !(*rate > 0)) {
        Ignore("-ofps " + text + " (bad value)");
    } else if (*rate >= 1000.0) {
        // A timeline of a millisecond or finer, not a frame rate: every source frame once, at its own
        // time. Passing -r 1000 would encode a thousand frames a second.
    } else {
        frameRate_ = WithoutTrailingZeros(*rate);
    }
}

// "9:0:0", "90:00" or "125.5" seconds; "700mb", "650kb" or "1000b" bytes.
void Translation::ApplyEndPosition(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    static constexpr std::array<std::pair<std::string_view, long long>, 3> kSizeUnits = {
        {{"mb", 1024 * 1024}, {"kb", 1024}, {"b", 1}}};
    for (const auto& [unit, factor] : kSizeUnits) {
        if (lower.size() > unit.size() && lower.ends_with(unit)) {
            const auto n = ParseWholeNumber(std::string_view(lower).substr(0, lower.size() - unit.size()));
            if (n && *n > 0) {
                sizeLimit_ = std::to_string(*n * factor);
            } else {
                Ignore("-endpos " + text + " (bad value)");
            }
            return;
        }
    }
    double seconds = 0;
    size_t start = 0;
    bool valid = !text.empty();
    int parts = 0;
    while (valid && start <= text.size()) {
        size_t colon = text.find(':', start);
        if (colon == std::string::npos) {
            colon = text.size();
        }
        const auto part = ParseDecimal(text.substr(start, colon - start));
        valid = part && *part >= 0 && ++parts <= 3;
        if (valid) {
            seconds = seconds * 60 + *part;
        }
        start = colon + 1;
    }
    if (valid && seconds > 0) {
        duration_ = WithoutTrailingZeros(seconds);
    } else {
        Ignore("-endpos " + text + " (bad value)");
    }
}

void Translation::ApplyContainer() {
    const Container* container = nullptr;
    if (outputFormat_ == "lavf") {
        std::string format;
        for (const SubOption& sub : ParseSubOptions(lavfOptions_)) {
            if (sub.key == "format" && sub.value) {
                format = *sub.value;
            } else if (sub.key != "i_certify_that_my_video_stream_does_not_use_b_frames") {
                // That one is an obsolete gate with no effect; anything else is a muxer setting we lack.
                Ignore("-lavfopts " + sub.key + (sub.value ? "=" + *sub.value : ""));
            }
        }
        container = FindContainer(kLavfContainers, format);
        if (!container && !format.empty()) {
            Ignore("-lavfopts format=" + format + " (the target's extension decides)");
        }
    } else if (outputFormat_ == "mpeg") {
        std::string format = "mpeg2";  // MEncoder's default
        for (const SubOption& sub : ParseSubOptions(mpegOptions_)) {
            if (sub.key == "format" && sub.value) {
                format = *sub.value;
            } else {
                Ignore("-mpegopts " + sub.key + (sub.value ? "=" + *sub.value : ""));
            }
        }
        container = FindContainer(kMpegContainers, format);
        if (!container) {
            Ignore("-mpegopts format=" + format);
            container = FindContainer(kMpegContainers, "mpeg2");
        }
    } else if (outputFormat_ == "avi") {
        container = FindContainer(kLavfContainers, "avi");
    } else if (!outputFormat_.empty()) {
        Ignore("-of " + outputFormat_ + " (the target's extension decides)");
    }
    if (container) {
        Set(muxer_, "-f", container->ffmpegFormat);
        if (container->packetSize) {
            Set(muxer_, "-packetsize", container->packetSize);
        }
        if (container->muxRate) {
            Set(muxer_, "-muxrate", container->muxRate);
        }
        exactlyStereo_ = container->exactlyStereo;
    }
}

void Translation::Apply(const std::vector<EncoderOption>& options) {
    std::string videoFilters;
    std::string audioFilters;
    for (const EncoderOption& option : options) {
        const std::string& v = option.value;
        const std::string& n = option.name;
        if (n == "ovc") {
            videoEncoder_ = v;
        } else if (n == "oac") {
            audioEncoder_ = v;
        } else if (n == "nosound") {
            noSound_ = true;
        } else if (n == "lavcopts") {
            lavcOptions_ += (lavcOptions_.empty() ? "" : ":") + v;
        } else if (n == "lameopts") {
            lameOptions_ += (lameOptions_.empty() ? "" : ":") + v;
        } else if (n == "xvidencopts") {
            xvidOptions_ += (xvidOptions_.empty() ? "" : ":") + v;
        } else if (n == "of") {
            outputFormat_ = v;
        } else if (n == "lavfopts") {
            lavfOptions_ += (lavfOptions_.empty() ? "" : ":") + v;
        } else if (n == "mpegopts") {
            mpegOptions_ += (mpegOptions_.empty() ? "" : ":") + v;
        } else if (n == "ffourcc") {
            if (v.size() == 4) {
                videoTag_ = v;
            } else {
                Ignore("-ffourcc " + v + " (not four characters)");
            }
        } else if (n == "sws") {
            const auto index = ParseWholeNumber(v);
            if (index && *index >= 0 && *index < static_cast<long long>(kScalers.size())) {
                scaler_ = kScalers[static_cast<size_t>(*index)];
            } else {
                Ignore("-sws " + v + " (bad value)");
            }
        } else if (n == "vf") {
            videoFilters += (videoFilters.empty() ? "" : ",") + v;
        } else if (n == "af") {
            audioFilters += (audioFilters.empty() ? "" : ",") + v;
        } else if (n == "srate") {
            const auto rate = ParseWholeNumber(v);
            if (rate && *rate > 0) {
                sampleRate_ = std::to_string(*rate);  // wins over an -af resample rate
            } else {
                Ignore("-srate " + v + " (bad value)");
            }
        } else if (n == "ofps") {
            ApplyOutputRate(v);
        } else if (n == "endpos") {
            ApplyEndPosition(v);
        } else {
            Ignore("-" + n + (v.empty() ? "" : " " + v));
        }
    }
    ApplyVideoFilters(videoFilters);
    ApplyAudioFilters(audioFilters);  // after -srate, which wins over a resample rate
    ApplyContainer();
    ApplyVideoEncoder(videoEncoder_);
    ApplyAudioEncoder(audioEncoder_);
}

Args Translation::Emit(const std::string& sourcePath, const std::string& targetPath) const {
    // -n: an existing file is never overwritten (Corvane picks a free name and removes a stale one).
    Args a = {"-hide_banner", "-nostats",           "-loglevel", "warning", "-n",
              "-i",           "file:" + sourcePath, "-map",      "0:v:0"};
    if (!noSound_) {
        a.insert(a.end(), {"-map", "0:a:0?"});
    }
    a.insert(a.end(), video_.begin(), video_.end());
    if (videoTag_) {
        a.insert(a.end(), {"-vtag", *videoTag_});
    }
    if (aspect_) {
        a.insert(a.end(), {"-aspect", *aspect_});
    }
    if (scaler_) {
        a.insert(a.end(), {"-sws_flags", *scaler_});
    }
    std::vector<std::string> filters = videoFilters_;
    if (!aspect_ && !autoAspect_) {
        filters.push_back("setsar=1");  // square pixels, as MEncoder stores them without an aspect
    }
    std::string chain;
    for (const std::string& f : filters) {
        chain += (chain.empty() ? "" : ",") + f;
    }
    if (!chain.empty()) {
        a.insert(a.end(), {"-vf", chain});
    }
    if (constantRate_) {
        a.insert(a.end(), {"-fps_mode", "cfr"});
    }
    if (frameRate_) {
        a.insert(a.end(), {"-r", *frameRate_});
    }
    if (noSound_) {
        a.push_back("-an");
    } else {
        a.insert(a.end(), audio_.begin(), audio_.end());
        std::string audioChain;
        for (const std::string& f : audioFilters_) {
            audioChain += (audioChain.empty() ? "" : ",") + f;
        }
        std::optional<std::string> channels = channelsExact_;
        if (!channels && channelsAtMost_) {
            if (exactlyStereo_ && *channelsAtMost_ == 2) {
                channels = "2";
            } else {
                audioChain += (audioChain.empty() ? "" : ",") +
                              ("aformat=channel_layouts=" + LayoutsUpTo(*channelsAtMost_));
            }
        }
        if (!audioChain.empty()) {
            a.insert(a.end(), {"-af", audioChain});
        }
        if (channels) {
            a.insert(a.end(), {"-ac", *channels});
        }
        if (sampleRate_) {
            a.insert(a.end(), {"-ar", *sampleRate_});
        }
    }
    if (duration_) {
        a.insert(a.end(), {"-t", *duration_});
    }
    if (sizeLimit_) {
        a.insert(a.end(), {"-fs", *sizeLimit_});
    }
    a.insert(a.end(), muxer_.begin(), muxer_.end());
    a.insert(a.end(), {"-progress", "pipe:1", "-stats_period", kProgressPeriod, "file:" + targetPath});
    return a;
}

}  // namespace

FfmpegRun TranslateConversion(const std::vector<EncoderOption>& options, const std::string& sourcePath,
                              const std::string& targetPath) {
    FfmpegRun run;
    Translation translation(run.ignored);
    translation.Apply(options);
    run.arguments = translation.Emit(sourcePath, targetPath);
    return run;
}

std::vector<std::string> ProbeArguments(const std::string& sourcePath) {
    return {"-hide_banner",
            "-loglevel",
            "error",
            "-select_streams",
            "v:0",
            "-show_entries",
            "format=duration:stream=width,height,avg_frame_rate,r_frame_rate",
            "-of",
            "default=noprint_wrappers=1",
            "-i",
            "file:" + sourcePath};
}

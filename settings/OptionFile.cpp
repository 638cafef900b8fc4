#include "OptionFile.h"

#include <array>
#include <cctype>
#include <climits>
#include <filesystem>
#include <system_error>

namespace {

struct OptionKey {
    const char* key;
    SettingsField field;  // nullptr: the output folder, kept as text
    const char* defaultText;
};

// The order in which the keys are read and written; a fresh file lists them so.
const std::array<OptionKey, 25> kOptionKeys = {{
    {"Letterbox", &ConversionSettings::letterbox, "1"},
    {"Temporary folder", nullptr, "C:\\output video\\"},
    {"Output format", &ConversionSettings::outputFormat, "0"},
    {"TV mode", &ConversionSettings::tvMode, "0"},
    {"MPEG aspect ratio", &ConversionSettings::mpegAspectRatio, "2"},
    {"DVD aspect ratio", &ConversionSettings::dvdAspectRatio, "1"},
    {"AVI quality", &ConversionSettings::aviQuality, "4"},
    {"MPEG1 quality", &ConversionSettings::mpeg1Quality, "3"},
    {"MPEG2 quality", &ConversionSettings::mpeg2Quality, "3"},
    {"SVCD quality", &ConversionSettings::svcdQuality, "4"},
    {"DVD quality", &ConversionSettings::dvdQuality, "5"},
    {"WMV quality", &ConversionSettings::wmvQuality, "5"},
    {"AVI video codec", &ConversionSettings::aviVideoCodec, "0"},
    {"ASF video codec", &ConversionSettings::asfVideoCodec, "2"},
    {"AVI audio codec", &ConversionSettings::aviAudioCodec, "0"},
    {"Divx audio codec", &ConversionSettings::divxAudioCodec, "0"},
    {"Xvid audio codec", &ConversionSettings::xvidAudioCodec, "0"},
    {"DVD audio codec", &ConversionSettings::dvdAudioCodec, "0"},
    {"WMV audio codec", &ConversionSettings::wmvAudioCodec, "1"},
    {"ASF audio codec", &ConversionSettings::asfAudioCodec, "1"},
    {"AVI resolution", &ConversionSettings::aviResolution, "0"},
    {"MPEG resolution", &ConversionSettings::mpegResolution, "0"},
    {"AVI frame rate", &ConversionSettings::aviFrameRate, "0"},
    {"MPEG frame rate", &ConversionSettings::mpegFrameRate, "0"},
    {"Volume", &ConversionSettings::volume, "20"},
}};

std::filesystem::path PathOf(const std::string& text) { return std::filesystem::path(text); }

}  // namespace

std::optional<std::string> ProgramFolderFromLaunchPath(std::string_view launchPath) {
    for (size_t i = launchPath.size(); i > 1; --i) {
        if (launchPath[i - 1] == '\\') {
            return std::string(launchPath.substr(0, i));
        }
    }
    return std::nullopt;
}

std::int32_t ParseStoredInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;  // held; further digits change nothing
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<std::int32_t>(value);
}

std::string& versionString() {
    static std::string version = "1.00";
    return version;
}

void LoadOptions(ProfileStore& profile, const std::string& programFolder, ConversionSettings& settings) {
    const std::string versionFile = programFolder + kVersionFileName;
    const std::string optionFile = programFolder + kOptionFileName;
    versionString() = profile.ReadString(versionFile, "General", "Version", "1.00");
    for (const OptionKey& option : kOptionKeys) {
        const std::string text = profile.ReadString(optionFile, kOptionSection, option.key, option.defaultText);
        if (option.field == nullptr) {
            settings.outputFolder = text;
        } else {
            settings.*option.field = ParseStoredInt(text);
        }
    }
}

bool SaveOptions(ProfileStore& profile, const std::string& programFolder, const ConversionSettings& settings) {
    const std::string optionFile = programFolder + kOptionFileName;
    const std::string newFile = optionFile + ".new";
    std::error_code error;
    // Start from the old file so that whatever else it holds (other sections, comments) stays.
    std::filesystem::remove(PathOf(newFile), error);
    if (std::filesystem::exists(PathOf(optionFile), error)) {
        std::filesystem::copy_file(PathOf(optionFile), PathOf(newFile), error);
        if (error) {
            return false;
        }
    }
    bool written = true;
    for (const OptionKey& option : kOptionKeys) {
        const std::string text =
            option.field == nullptr ? settings.outputFolder : std::to_string(settings.*option.field);
        written = profile.WriteString(newFile, kOptionSection, option.key, text) && written;
    }
    written = profile.Flush(newFile) && written;
    if (!written) {
        std::filesystem::remove(PathOf(newFile), error);
        return false;
    }
    std::filesystem::rename(PathOf(newFile), PathOf(optionFile), error);
    return !error;
}

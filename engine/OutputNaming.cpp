#include "OutputNaming.h"

#include <array>

namespace {

constexpr std::array<std::string_view, kOutputFormatCount> kExtensions = {
    "avi", "mpeg", "mpeg", "avi", "avi", "mpeg", "mpeg", "vob", "wmv", "asf"};

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string_view FileNameOf(std::string_view path) {
    for (size_t i = path.size(); i > 0; --i) {
        if (IsSeparator(path[i - 1])) {
            return path.substr(i);
        }
    }
    return path;
}

}  // namespace

std::string_view OutputExtension(std::int32_t storedFormat) {
    return kExtensions[static_cast<size_t>(EffectiveFormat(storedFormat))];
}

std::optional<std::string> MakeOutputPath(const ConversionSettings& settings, std::string_view sourcePath,
                                          const PathExistsFn& pathExists) {
    std::string folder = settings.outputFolder;
    if (!folder.empty() && !IsSeparator(folder.back())) {
        folder += '\\';
    }
    const std::string_view fileName = FileNameOf(sourcePath);
    // The dot is looked for in the file name only: a dot in a folder name is not an extension.
    const size_t dot = fileName.rfind('.');
    const std::string_view stem = fileName.substr(0, dot);
    const std::string_view sourceExtension = dot == std::string_view::npos ? "" : fileName.substr(dot + 1);
    const std::string_view extension = OutputExtension(settings.outputFormat);

    std::string path = folder;
    path.append(stem).append(".").append(extension);
    if (pathExists && pathExists(path)) {
        path = folder;
        path.append(stem).append("_").append(sourceExtension).append(".").append(extension);
    }
    if (path.size() > static_cast<size_t>(kMaxPathChars)) {
        return std::nullopt;
    }
    return path;
}

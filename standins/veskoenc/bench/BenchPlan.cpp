// Prints, for each output format, the words of the argument string Corvane gives veskoenc.exe and the
// plain FFmpeg command with the same meaning, for benchmark.sh. One line per format, fields separated by
// tabs, words by the unit separator (0x1f).
//
// Usage: veskoenc_bench_plan SOURCE_WIN SOURCE_LINUX OUT_WIN OUT_LINUX WIDTH HEIGHT FPS

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ArgumentQuoting.h"
#include "CommandLine.h"
#include "EncoderRequest.h"
#include "FfmpegTranslation.h"
#include "OutputNaming.h"
#include "PictureGeometry.h"

int main(int argc, char** argv) {
    if (argc != 8) {
        std::fprintf(stderr, "usage: %s SOURCE_WIN SOURCE_LINUX OUT_WIN OUT_LINUX WIDTH HEIGHT FPS\n",
                     argv[0]);
        return 2;
    }
    const std::string sourceWin = argv[1];
    const std::string sourceLinux = argv[2];
    const std::string outWin = argv[3];
    const std::string outLinux = argv[4];
    const int width = std::atoi(argv[5]);
    const int height = std::atoi(argv[6]);
    const double fps = std::atof(argv[7]);
    static const char* const kNames[] = {"AVI", "MPEG1", "MPEG2", "DivX", "Xvid",
                                         "VCD", "SVCD",  "DVD",   "WMV",  "ASF"};
    for (int format = 0; format < kOutputFormatCount; ++format) {
        ConversionSettings settings;  // the defaults a new user converts with
        settings.outputFormat = format;
        settings.tvMode = 1;
        const std::string file = std::string("bench.") + std::string(OutputExtension(format));
        const PictureSize size = SelectTargetSize(settings);
        const Borders borders = ComputeBorders(settings, size, width, height);
        CommandLineRequest request;
        request.sourcePath = sourceWin;
        request.targetPath = outWin + "\\vesko-" + file;
        request.targetWidth = size.width;
        request.targetHeight = size.height;
        request.padWidth = borders.padWidth;
        request.padHeight = borders.padHeight;
        request.sourceFrameRate = fps;
        const std::string line = BuildCommandLine(settings, request).arguments;
        const ParsedRequest parsed = ParseEncoderRequest(SplitWindowsArguments(line));
        if (!parsed.request) {
            return 1;
        }
        std::vector<std::string> plain =
            TranslateConversion(parsed.request->options, sourceLinux, outLinux + "/plain-" + file).arguments;
        // The plain command a user would type: no progress reports.
        std::string words;
        for (size_t i = 0; i < plain.size(); ++i) {
            if (plain[i] == "-progress" || plain[i] == "-stats_period") {
                ++i;
                continue;
            }
            words += plain[i];
            words += '\x1f';
        }
        words.pop_back();
        // The encoder's words as it will split them, so that the shell can pass each as its own.
        std::string encoderWords;
        for (const std::string& word : SplitWindowsArguments(line)) {
            encoderWords += word;
            encoderWords += '\x1f';
        }
        encoderWords.pop_back();
        std::printf("%s\t%s\t%s\t%s\t%s\n", kNames[format], encoderWords.c_str(),
                    (outLinux + "/vesko-" + file).c_str(), (outLinux + "/plain-" + file).c_str(),
                    words.c_str());
    }
    return 0;
}

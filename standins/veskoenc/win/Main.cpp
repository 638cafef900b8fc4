// veskoenc.exe "source" -o "target" <MEncoder-style options> <mode> <window handle>
//
// Probe mode (1) sends the source's duration, width, height and frame rate to the window; convert mode
// (0) writes the target and sends the position reached until the conversion ends or the window replies
// 1. FFmpeg does the work; see ToolHost for where it runs and RunLog for where each run is logged.

#include <windows.h>

#include <cstdint>
#include <string>

#include "ArgumentQuoting.h"
#include "EncoderInterface.h"
#include "EncoderRequest.h"
#include "EncoderSession.h"
#include "FfmpegTranslation.h"
#include "Platform.h"
#include "RunLog.h"
#include "ToolHost.h"
#include "WinText.h"

namespace {

constexpr std::int64_t kProbeTimeoutMs = 60000;

int Probe(const EncoderRequest& request, const ToolHost& host, const NotifyFn& notify, RunLog& log) {
    const auto source = host.ToolPathOf(request.sourcePath);
    if (!source) {
        log.Write("probe failed: no path for " + request.sourcePath);
        ReportProbe(std::nullopt, notify);
        return 1;
    }
    const std::vector<std::string> arguments = ProbeArguments(*source);
    log.Write("ffprobe " + JoinWindowsArguments(arguments));
    std::string error;
    const auto run = host.Start("ffprobe", arguments, error);
    if (!run) {
        log.Write("probe failed: " + error);
        ReportProbe(std::nullopt, notify);
        return 1;
    }
    const ProbeOutcome outcome = CollectProbe(*run, SteadyMilliseconds, kProbeTimeoutMs);
    if (!outcome.facts) {
        log.Write("probe failed (ffprobe status " + std::to_string(outcome.exitStatus) +
                  "): not a movie it can read\n" + outcome.lastMessages);
        ReportProbe(std::nullopt, notify);
        return 1;
    }
    const ProbeFacts& f = *outcome.facts;
    log.Write("probe: " + std::to_string(f.durationSeconds) + " s, " + std::to_string(f.width) + "x" +
              std::to_string(f.height) + ", frame rate x 10^7 = " + std::to_string(f.frameRateScaled));
    ReportProbe(outcome.facts, notify);
    return 0;
}

int Convert(const EncoderRequest& request, const ToolHost& host, const NotifyFn& notify, RunLog& log) {
    const auto source = host.ToolPathOf(request.sourcePath);
    const auto target = host.ToolPathOf(request.targetPath);
    if (!source || !target) {
        log.Write("conversion failed: no path for the source or the target");
        return 1;
    }
    const FfmpegRun translation = TranslateConversion(request.options, *source, *target);
    for (const std::string& line : translation.ignored) {
        log.Write(line);
    }
    log.Write("ffmpeg " + JoinWindowsArguments(translation.arguments));
    std::string error;
    const auto run = host.Start("ffmpeg", translation.arguments, error);
    if (!run) {
        log.Write("conversion failed: " + error);
        return 1;
    }
    const ConversionOutcome outcome = FollowConversion(*run, notify, SteadyMilliseconds);
    if (outcome.stopped) {
        log.Write("stopped on request at " + std::to_string(outcome.lastPosition) + " s");
        return 1;
    }
    if (outcome.exitStatus != 0) {
        log.Write("conversion failed (ffmpeg status " + std::to_string(outcome.exitStatus) +
                  "), its last lines:\n" + outcome.lastMessages);
        return 1;
    }
    log.Write("finished at " + std::to_string(outcome.lastPosition) + " s");
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RunLog log;
    const std::string commandLine = Utf8(GetCommandLineW());
    const std::string_view arguments = SkipProgramName(commandLine);
    log.Write("veskoenc" + std::string(arguments));
    const ParsedRequest parsed = ParseEncoderRequest(SplitWindowsArguments(arguments));
    if (!parsed.request) {
        log.Write("refused: " + parsed.error);
        return 2;
    }
    const EncoderRequest& request = *parsed.request;
    const HWND window = reinterpret_cast<HWND>(static_cast<std::intptr_t>(request.windowHandle));
    const NotifyFn notify = [window](unsigned code, std::int32_t value) -> std::intptr_t {
        return SendMessageW(window, WM_ENCODER_NOTIFY, code, static_cast<LPARAM>(value));
    };
    const ToolHost host;
    log.Write(host.UnderWine() ? "running the Linux FFmpeg through veskoenc-helper (Wine)"
                               : "running ffmpeg.exe / ffprobe.exe");
    return request.mode == EncoderMode::Probe ? Probe(request, host, notify, log)
                                              : Convert(request, host, notify, log);
}

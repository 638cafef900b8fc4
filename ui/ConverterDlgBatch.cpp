// Converting the list: the encoder runs, their notifications and progress, and the batch itself.
#include <windows.h>

#include <string>
#include <vector>

#include "BatchClock.h"
#include "BatchSummary.h"
#include "CommandLine.h"
#include "ConverterDlg.h"
#include "DirectoryPath.h"
#include "EncoderProcess.h"
#include "MessagePump.h"
#include "OptionFile.h"
#include "OutputNaming.h"
#include "PictureGeometry.h"
#include "ProgressDlg.h"
#include "ProgressReport.h"
#include "RunState.h"
#include "SourceTable.h"
#include "TextFormat.h"
#include "WinApp.h"

TickSource batchClock = [] { return static_cast<std::uint32_t>(GetTickCount()); };

namespace {

class PlatformDirectories final : public DirectoryOps {
public:
    bool SetCurrent(const std::string& path) override { return SetCurrentDirectoryA(path.c_str()) != FALSE; }
    bool Create(const std::string& path) override { return CreateDirectoryA(path.c_str(), nullptr) != FALSE; }
};

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// An output that is missing or empty after its run: the encoder failed on it.
bool MadeOutput(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) &&
           (data.nFileSizeLow != 0 || data.nFileSizeHigh != 0);
}

// Keeps the machine awake for as long as it lives.
class StayAwake {
public:
    StayAwake() { SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED); }
    ~StayAwake() { SetThreadExecutionState(ES_CONTINUOUS); }
    StayAwake(const StayAwake&) = delete;
    StayAwake& operator=(const StayAwake&) = delete;
};

// Marks an encoder run, so that commands used meanwhile do not start another one inside it.
class EncoderRunning {
public:
    explicit EncoderRunning(RunState& state) : state_(state) { state_.running = true; }
    ~EncoderRunning() { state_.running = false; }
    EncoderRunning(const EncoderRunning&) = delete;
    EncoderRunning& operator=(const EncoderRunning&) = delete;

private:
    RunState& state_;
};

}  // namespace

std::string CConverterDlg::EncoderMissingText() {
    return "The encoder " + GetProgramFolder() + kEncoderFileName + " could not be started.";
}

std::string CConverterDlg::BuildCommandLine(const std::string& source, const std::string& target, int padWidth,
                                            int padHeight, EncoderMode mode) {
    CommandLineRequest request;
    request.sourcePath = source;
    request.targetPath = target;
    request.targetWidth = targetWidth;
    request.targetHeight = targetHeight;
    request.padWidth = padWidth;
    request.padHeight = padHeight;
    request.sourceFrameRate = TheSourceList().Slot(TheRunState().currentIndex).frameRate;
    request.mode = mode;
    request.windowHandle = static_cast<long long>(reinterpret_cast<INT_PTR>(m_hWnd));
    const EncoderCommandLine line = ::BuildCommandLine(TheSettings(), request);
    videoBitrate = line.videoBitrate;
    audioBitrate = line.audioBitrate;
    return line.arguments;
}

Borders CConverterDlg::ComputeBorders(int row) {
    const PictureSize target = SelectTargetSize(TheSettings());
    targetWidth = target.width;
    targetHeight = target.height;
    const SourceInfo& source = TheSourceList().Slot(row);
    return ::ComputeBorders(TheSettings(), target, source.width, source.height);
}

bool CConverterDlg::RunEncoder(const std::string& source, const std::string& target, int padWidth, int padHeight,
                               EncoderMode mode) {
    const std::string arguments = BuildCommandLine(source, target, padWidth, padHeight, mode);
    const EncoderRunning running(TheRunState());
    return RunEncoderProcess(GetProgramFolder() + kEncoderFileName, arguments, [] { PumpOneMessage(); });
}

LRESULT CConverterDlg::OnEncoderNotify(WPARAM code, LPARAM value) {
    const auto reported = static_cast<std::int32_t>(value);
    if (code == NOTIFY_PROGRESS) {
        return ReportProgress(reported);
    }
    if (code < NOTIFY_DURATION || code > NOTIFY_FRAME_RATE) {
        return kReplyContinue;
    }
    std::int32_t fact = reported;
    if (code == NOTIFY_FRAME_RATE && fact < 0) {
        fact = 2147483647;
    }
    if (fact <= 0) {
        TheRunState().probeFailed = true;
        return kReplyContinue;
    }
    SourceInfo* slot = TheSourceList().FreeSlot();
    if (slot == nullptr) {
        return kReplyContinue;  // a full table has no free slot: the fact is not needed
    }
    switch (code) {
        case NOTIFY_DURATION:
            slot->duration = fact;
            break;
        case NOTIFY_WIDTH:
            slot->width = fact;
            break;
        case NOTIFY_HEIGHT:
            slot->height = fact;
            break;
        default:
            slot->frameRate = fact / kFrameRateScale;
            break;
    }
    return kReplyContinue;
}

int CConverterDlg::ReportProgress(double position) {
    ProgressHooks hooks;
    hooks.pumpOneMessage = [] { PumpOneMessage(); };
    hooks.confirmStop = [] { return AfxMessageBox("Do you really want to stop?", MB_YESNO | MB_ICONQUESTION) == IDYES; };
    hooks.show = [](const ProgressView& view) {
        if (progressDlg != nullptr) {
            progressDlg->SetStatusText(view.text);
            progressDlg->progressBar.SetPos(view.perMille);
        }
    };
    hooks.tickCount = batchClock;
    return ::ReportProgress(TheRunState(), TheSourceList().totalSeconds(), position, hooks);
}

void CConverterDlg::ConvertAll() {
    if (RefuseWhileEncoderRuns()) {
        return;
    }
    SourceList& table = TheSourceList();
    if (table.rowCount() == 0) {
        MessageBox("No file in the list");
        return;
    }
    ConversionSettings& settings = TheSettings();
    settings.outputFolder = outputFolderEdit.GetWindowText(kMaxPathChars);
    PlatformDirectories directories;
    if (MakeDirectoryPath(settings.outputFolder, directories) != 0) {
        MessageBox(FormatText("Fail to create tmp folder %s", settings.outputFolder.c_str()));
        return;
    }

    RunState& state = TheRunState();
    const StayAwake awake;
    state.startTick = batchClock();
    state.stopRequested = false;
    EnableWindow(FALSE);
    progressDlg->SetStatusText(kBatchStartText);
    progressDlg->progressBar.SetRange(0, 1000);
    progressDlg->progressBar.SetPos(0);
    progressDlg->ShowWindow(SW_SHOW);
    state.convertedSeconds = 0.0;

    const auto restoreWindows = [this] {
        EnableWindow(TRUE);
        progressDlg->ShowWindow(SW_HIDE);
    };
    std::vector<std::string> failedSources;
    for (int row = 0; row < table.rowCount(); ++row) {
        state.currentIndex = row;
        const std::string source = sourceListCtrl.GetItemText(row, 1, kMaxPathChars);
        const auto target = MakeOutputPath(settings, source, PathExists);
        if (!target) {
            failedSources.push_back(source);  // its output name does not fit
            state.convertedSeconds += table.Slot(row).duration;
            continue;
        }
        DeleteFileA(target->c_str());
        const Borders borders = ComputeBorders(row);
        const bool started = RunEncoder(source, *target, borders.padWidth, borders.padHeight, EncoderMode::Convert);
        state.convertedSeconds += table.Slot(row).duration;
        if (state.stopRequested) {
            DeleteFileA(target->c_str());
            restoreWindows();
            return;
        }
        if (!started) {
            restoreWindows();
            MessageBox(EncoderMissingText());
            return;
        }
        if (!MadeOutput(*target)) {
            failedSources.push_back(source);
        }
    }

    const long long elapsed = (batchClock() - state.startTick) / 1000;
    const BatchSummary summary = SummarizeBatch(elapsed, table.rowCount(), failedSources);
    AfxMessageBox(summary.text, MB_OK | (summary.allConverted ? MB_ICONINFORMATION : MB_ICONWARNING));
    restoreWindows();
}

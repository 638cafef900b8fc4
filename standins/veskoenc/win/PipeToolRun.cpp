#include "PipeToolRun.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "ArgumentQuoting.h"
#include "Platform.h"
#include "UniqueHandle.h"
#include "WinText.h"

namespace {

constexpr std::int64_t kTerminateAfterStopMs = 700;
// Output still in the pipes when the process has ended; a grandchild holding a pipe open must not keep
// us waiting longer than this.
constexpr std::int64_t kDrainAfterExitMs = 200;

struct Pipe {
    UniqueHandle ours;
    UniqueHandle childs;
};

// The child's end is inherited, ours is not.
bool MakePipe(Pipe& pipe, bool childReads) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0)) {
        return false;
    }
    pipe.ours.Reset(childReads ? write : read);
    pipe.childs.Reset(childReads ? read : write);
    return SetHandleInformation(pipe.ours.Get(), HANDLE_FLAG_INHERIT, 0) != 0;
}

// What the reader threads hand over. Shared, because a reader may outlive the run while a grandchild
// of the tool still holds its pipe.
struct Inbox {
    std::mutex mutex;
    std::condition_variable cv;
    std::deque<ToolEvent> events;
    int readersDone = 0;
};

void StartReader(const std::shared_ptr<Inbox>& inbox, UniqueHandle pipe, ToolEvent::Kind kind) {
    std::thread([inbox, pipe = std::move(pipe), kind] {
        char buffer[16384];
        DWORD n = 0;
        while (ReadFile(pipe.Get(), buffer, sizeof buffer, &n, nullptr) && n > 0) {
            std::lock_guard lock(inbox->mutex);
            inbox->events.push_back({kind, std::string(buffer, n), 0});
            inbox->cv.notify_one();
        }
        std::lock_guard lock(inbox->mutex);
        ++inbox->readersDone;
        inbox->cv.notify_one();
    }).detach();
}

class PipeToolRun final : public ToolRun {
  public:
    PipeToolRun(UniqueHandle process, UniqueHandle job, UniqueHandle input,
                const std::shared_ptr<Inbox>& inbox)
        : process_(std::move(process)), job_(std::move(job)), input_(std::move(input)), inbox_(inbox) {}

    // Closing the job ends the tool and anything it started.
    ~PipeToolRun() override { Terminate(); }

    ToolEvent Next(int timeoutMs) override {
        const std::int64_t deadline = SteadyMilliseconds() + timeoutMs;
        std::unique_lock lock(inbox_->mutex);
        while (true) {
            if (!inbox_->events.empty()) {
                ToolEvent event = std::move(inbox_->events.front());
                inbox_->events.pop_front();
                return event;
            }
            const std::int64_t now = SteadyMilliseconds();
            if (stopAt_ && now >= *stopAt_ + kTerminateAfterStopMs) {
                Terminate();
                stopAt_.reset();
            }
            if (!exitedAt_ && WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0) {
                exitedAt_ = now;
            }
            if (exitedAt_ && (inbox_->readersDone == 2 || now >= *exitedAt_ + kDrainAfterExitMs)) {
                DWORD code = 0;
                GetExitCodeProcess(process_.Get(), &code);
                return {ToolEvent::Kind::Exited, "", static_cast<int>(code)};
            }
            if (now >= deadline) {
                return {};
            }
            // Short waits: the process ending is not signalled through the condition variable.
            inbox_->cv.wait_for(lock, std::chrono::milliseconds(std::min<std::int64_t>(deadline - now, 20)));
        }
    }

    void RequestStop() override {
        DWORD written = 0;
        WriteFile(input_.Get(), "q", 1, &written, nullptr);  // FFmpeg's key for "finish now"
        stopAt_ = SteadyMilliseconds();
    }

    void Pause(bool paused) override {
        using ProcessCall = LONG(NTAPI*)(HANDLE);
        const auto call = reinterpret_cast<ProcessCall>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"ntdll.dll"), paused ? "NtSuspendProcess" : "NtResumeProcess")));
        if (call != nullptr) {
            call(process_.Get());
        }
    }

  private:
    void Terminate() {
        if (job_.Valid()) {
            TerminateJobObject(job_.Get(), 1);
        } else if (WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.Get(), 1);
        }
    }

    UniqueHandle process_;
    UniqueHandle job_;
    UniqueHandle input_;
    std::shared_ptr<Inbox> inbox_;
    std::optional<std::int64_t> stopAt_;
    std::optional<std::int64_t> exitedAt_;
};

// A job that ends its processes when its last handle closes, so the tool never outlives veskoenc.exe.
UniqueHandle MakeKillOnCloseJob() {
    UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job.Valid() &&
        !SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        job.Reset();
    }
    return job;
}

}  // namespace

std::unique_ptr<ToolRun> StartPipeTool(const std::wstring& program, const std::vector<std::string>& arguments,
                                       std::string& error) {
    Pipe input;
    Pipe output;
    Pipe errors;
    if (!MakePipe(input, true) || !MakePipe(output, false) || !MakePipe(errors, false)) {
        error = "cannot make pipes: error " + std::to_string(GetLastError());
        return nullptr;
    }
    std::wstring commandLine =
        Wide(QuoteWindowsArgument(Utf8(program)) + " " + JoinWindowsArguments(arguments));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.childs.Get();
    startup.hStdOutput = output.childs.Get();
    startup.hStdError = errors.childs.Get();
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                        CREATE_NO_WINDOW | CREATE_SUSPENDED, nullptr, nullptr, &startup, &process)) {
        error = "cannot start " + Utf8(program) + ": error " + std::to_string(GetLastError());
        return nullptr;
    }
    UniqueHandle job = MakeKillOnCloseJob();
    if (job.Valid() && !AssignProcessToJobObject(job.Get(), process.hProcess)) {
        job.Reset();  // still works, only without the guarantee for the tool's own children
    }
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);
    // Only the child holds its ends now, so our reads end when it does.
    input.childs.Reset();
    output.childs.Reset();
    errors.childs.Reset();
    auto inbox = std::make_shared<Inbox>();
    StartReader(inbox, std::move(output.ours), ToolEvent::Kind::Output);
    StartReader(inbox, std::move(errors.ours), ToolEvent::Kind::Errors);
    return std::make_unique<PipeToolRun>(UniqueHandle(process.hProcess), std::move(job),
                                         std::move(input.ours), inbox);
}

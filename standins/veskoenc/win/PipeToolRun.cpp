#include "PipeToolRun.h"

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

#include "ArgumentQuoting.h"
#include "Platform.h"
#include "UniqueHandle.h"
#include "WinText.h"

namespace {

constexpr std::int64_t kTerminateAfterStopMs = 700;

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

class PipeToolRun final : public ToolRun {
  public:
    PipeToolRun(UniqueHandle process, Pipe input, Pipe output, Pipe errors)
        : process_(std::move(process)), input_(std::move(input.ours)) {
        readers_.emplace_back([this, h = std::move(output.ours)] { Read(h.Get(), ToolEvent::Kind::Output); });
        readers_.emplace_back([this, h = std::move(errors.ours)] { Read(h.Get(), ToolEvent::Kind::Errors); });
    }

    ~PipeToolRun() override {
        if (WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.Get(), 1);
        }
        for (std::thread& reader : readers_) {
            reader.join();  // the pipes break when the process is gone
        }
    }

    ToolEvent Next(int timeoutMs) override {
        std::unique_lock lock(mutex_);
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (true) {
            if (!events_.empty()) {
                ToolEvent event = std::move(events_.front());
                events_.pop_front();
                return event;
            }
            if (stopAt_ && SteadyMilliseconds() >= *stopAt_ + kTerminateAfterStopMs) {
                TerminateProcess(process_.Get(), 1);
                stopAt_.reset();
            }
            if (readersDone_ == readers_.size()) {
                lock.unlock();
                WaitForSingleObject(process_.Get(), INFINITE);
                DWORD code = 0;
                GetExitCodeProcess(process_.Get(), &code);
                return {ToolEvent::Kind::Exited, "", static_cast<int>(code)};
            }
            if (cv_.wait_until(lock, until) == std::cv_status::timeout && events_.empty()) {
                return {};
            }
        }
    }

    void RequestStop() override {
        DWORD written = 0;
        WriteFile(input_.Get(), "q", 1, &written, nullptr);
        std::lock_guard lock(mutex_);
        stopAt_ = SteadyMilliseconds();
    }

  private:
    void Read(HANDLE pipe, ToolEvent::Kind kind) {
        char buffer[16384];
        DWORD n = 0;
        while (ReadFile(pipe, buffer, sizeof buffer, &n, nullptr) && n > 0) {
            std::lock_guard lock(mutex_);
            events_.push_back({kind, std::string(buffer, n), 0});
            cv_.notify_one();
        }
        std::lock_guard lock(mutex_);
        ++readersDone_;
        cv_.notify_one();
    }

    UniqueHandle process_;
    UniqueHandle input_;
    std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<ToolEvent> events_;
    size_t readersDone_ = 0;
    std::optional<std::int64_t> stopAt_;
    std::vector<std::thread> readers_;  // last: started once everything else exists
};

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
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &process)) {
        error = "cannot start " + Utf8(program) + ": error " + std::to_string(GetLastError());
        return nullptr;
    }
    CloseHandle(process.hThread);
    // Only the child holds its ends now, so our reads end when it does.
    input.childs.Reset();
    output.childs.Reset();
    errors.childs.Reset();
    return std::make_unique<PipeToolRun>(UniqueHandle(process.hProcess), std::move(input), std::move(output),
                                         std::move(errors));
}

#include "EncoderHarness.h"

#include <shellapi.h>

#include "EncoderInterface.h"
#include "Platform.h"
#include "ToolHost.h"
#include "WinText.h"

std::vector<std::int32_t> HarnessRun::ValuesOf(unsigned code) const {
    std::vector<std::int32_t> values;
    for (const Notification& n : notifications) {
        if (n.code == code) {
            values.push_back(n.value);
        }
    }
    return values;
}

EncoderHarness::EncoderHarness() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VeskoencHarness";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, L"VeskoencHarness", L"veskoenc harness", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

EncoderHarness::~EncoderHarness() {
    DestroyWindow(window_);
}

LRESULT CALLBACK EncoderHarness::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<EncoderHarness*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message != WM_ENCODER_NOTIFY || self == nullptr || self->current_ == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const auto code = static_cast<unsigned>(wParam);
    const auto value = static_cast<std::int32_t>(lParam);
    const std::int64_t at = SteadyMilliseconds() - self->startedAt_;
    self->current_->notifications.push_back({code, value, at});
    std::intptr_t reply = (self->policy_ && *self->policy_) ? (*self->policy_)(code, value) : kReplyContinue;
    if (reply == kKillEncoder) {
        TerminateProcess(self->process_, 1);
        self->current_->killed = true;
        reply = kReplyContinue;
    }
    if (reply == kReplyStop && self->current_->stopRepliedAtMs < 0) {
        self->current_->stopRepliedAtMs = at;
    }
    return reply;
}

HarnessRun EncoderHarness::Run(const std::string& arguments, const ReplyPolicy& policy, int timeoutMs) {
    HarnessRun run;
    const std::wstring encoder = ProgramFolder() + L"veskoenc.exe";
    const std::wstring parameters = Wide(arguments);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = encoder.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_HIDE;
    current_ = &run;
    policy_ = &policy;
    startedAt_ = SteadyMilliseconds();
    run.started = ShellExecuteExW(&info) && info.hProcess != nullptr;
    process_ = info.hProcess;
    if (run.started) {
        while (true) {
            const DWORD wait = MsgWaitForMultipleObjects(1, &info.hProcess, FALSE, 20, QS_ALLINPUT);
            if (wait == WAIT_OBJECT_0) {
                run.ended = true;
                break;
            }
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            if (SteadyMilliseconds() - startedAt_ > timeoutMs) {
                TerminateProcess(info.hProcess, 1);
                break;
            }
        }
        CloseHandle(info.hProcess);
    }
    run.wallMs = SteadyMilliseconds() - startedAt_;
    current_ = nullptr;
    policy_ = nullptr;
    process_ = nullptr;
    return run;
}

ToolResult RunTool(const std::string& tool, const std::vector<std::string>& arguments) {
    ToolResult result;
    const ToolHost host;
    std::string error;
    const auto run = host.Start(tool, arguments, error);
    if (!run) {
        result.errors = error;
        return result;
    }
    const std::int64_t deadline = SteadyMilliseconds() + 120000;
    while (SteadyMilliseconds() < deadline) {
        const ToolEvent event = run->Next(100);
        if (event.kind == ToolEvent::Kind::Exited) {
            result.exitStatus = event.exitStatus;
            break;
        }
        (event.kind == ToolEvent::Kind::Output ? result.output : result.errors) += event.data;
    }
    return result;
}

const std::map<std::string, std::string>* FileFacts::Stream(const std::string& type) const {
    for (const auto& stream : streams) {
        const auto it = stream.find("codec_type");
        if (it != stream.end() && it->second == type) {
            return &stream;
        }
    }
    return nullptr;
}

FileFacts ProbeFile(const std::string& windowsPath) {
    FileFacts facts;
    const auto path = ToolHost().ToolPathOf(windowsPath);
    if (!path) {
        return facts;
    }
    const ToolResult result = RunTool(
        "ffprobe", {"-v", "error", "-show_entries",
                    "format=format_name,duration:stream=codec_type,codec_name,codec_tag_string,width,height,"
                    "r_frame_rate,avg_frame_rate,channels,sample_rate,display_aspect_ratio",
                    "-i", "file:" + *path});
    std::map<std::string, std::string>* section = nullptr;
    size_t start = 0;
    const std::string& text = result.output;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line == "[FORMAT]") {
            section = &facts.format;
        } else if (line == "[STREAM]") {
            facts.streams.emplace_back();
            section = &facts.streams.back();
        } else if (!line.empty() && line[0] == '[') {
            section = nullptr;
        } else if (section != nullptr && line.find('=') != std::string::npos) {
            (*section)[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
        }
    }
    return facts;
}

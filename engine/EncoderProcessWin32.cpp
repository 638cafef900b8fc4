#include <windows.h>
#include <shellapi.h>

#include "EncoderProcess.h"

namespace {

class ProcessHandle {
public:
    explicit ProcessHandle(HANDLE handle) : handle_(handle) {}
    ~ProcessHandle() {
        if (handle_ != nullptr) {
            CloseHandle(handle_);
        }
    }
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

bool RunEncoderProcess(const std::string& encoderPath, const std::string& arguments,
                       const std::function<void()>& pumpOneMessage) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    // No shell error boxes: a missing encoder is the caller's to report.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpFile = encoderPath.c_str();
    info.lpParameters = arguments.c_str();
    info.nShow = SW_HIDE;
    if (!ShellExecuteExA(&info) || info.hProcess == nullptr) {
        return false;
    }
    const ProcessHandle process(info.hProcess);
    HANDLE handle = process.get();
    // Wakes at once for the encoder's sent messages and for input, and sleeps while nothing happens.
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &handle, FALSE, 1, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) {
            return true;
        }
        pumpOneMessage();
    }
}

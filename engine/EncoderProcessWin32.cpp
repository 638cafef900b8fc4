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
    // A pass at least every millisecond, one message per pass. The wait wakes at once for the encoder's
    // sent messages and for anything already queued (MWMO_INPUTAVAILABLE), so a pass that timed out
    // has nothing to dispatch and costs no call into the queue.
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjectsEx(1, &handle, 1, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) {
            return true;
        }
        if (woken == WAIT_OBJECT_0 + 1) {
            pumpOneMessage();
        }
    }
}

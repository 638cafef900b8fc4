// The encoder run against the scripted encoder, with a plain window standing in for the main window.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "EncoderInterface.h"
#include "EncoderProcess.h"

namespace {

struct Notification {
    WPARAM code;
    LPARAM value;
    bool operator==(const Notification&) const = default;
};

std::vector<Notification> received;
int stopAtSecond = -1;

LRESULT CALLBACK ReceiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENCODER_NOTIFY) {
        received.push_back({wParam, lParam});
        return wParam == NOTIFY_PROGRESS && static_cast<int>(lParam) == stopAtSecond ? kReplyStop : kReplyContinue;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void PumpOne() {
    MSG message;
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::string Folder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full = path;
    return full.substr(0, full.rfind('\\') + 1);
}

class EncoderProcess : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ReceiverProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "CorvaneEncoderReceiver";
        RegisterClassA(&windowClass);
        window_ = CreateWindowA("CorvaneEncoderReceiver", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        received.clear();
        stopAtSecond = -1;
    }
    void TearDown() override { DestroyWindow(window_); }

    std::string Arguments(const std::string& source, const std::string& target, EncoderMode mode) const {
        return "\"" + source + "\" -o \"" + target + "\" -oac lavc" + kEndPosition + " " +
               std::to_string(static_cast<int>(mode)) + " " +
               std::to_string(reinterpret_cast<INT_PTR>(window_));
    }

    HWND window_ = nullptr;
};

TEST_F(EncoderProcess, ProbeFactsArriveWhileWaiting) {
    const std::string arguments = Arguments("C:\\clips\\a_d60_w640_h480_r29.97.mov", "C:\\out\\a.avi", EncoderMode::Probe);
    ASSERT_TRUE(RunEncoderProcess(Folder() + kEncoderFileName, arguments, PumpOne));
    EXPECT_EQ(received, (std::vector<Notification>{{1, 60}, {2, 640}, {3, 480}, {4, 299700000}}));
}

TEST_F(EncoderProcess, StopReplyEndsTheRunAndLeavesThePartialOutput) {
    const std::string target = Folder() + "partial_out.avi";
    std::filesystem::remove(target);
    stopAtSecond = 3;
    const DWORD start = GetTickCount();
    ASSERT_TRUE(RunEncoderProcess(Folder() + kEncoderFileName,
                                  Arguments("C:\\clips\\b_d50_s20.mov", target, EncoderMode::Convert), PumpOne));
    EXPECT_LT(GetTickCount() - start, 5000u);
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received.back(), (Notification{6, 3}));
    EXPECT_TRUE(std::filesystem::exists(target));  // the encoder deletes nothing itself
    std::filesystem::remove(target);
}

TEST_F(EncoderProcess, MissingEncoderReturnsAtOnce) {
    const DWORD start = GetTickCount();
    EXPECT_FALSE(RunEncoderProcess(Folder() + "no-such-encoder.exe", "\"a\" -o \"b\" 1 0", PumpOne));
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_TRUE(received.empty());
}

}  // namespace

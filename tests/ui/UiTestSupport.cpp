#include "UiTestSupport.h"

#include <windows.h>

// after windows.h, whose types it uses
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "MessagePump.h"

namespace uitest {

namespace {
std::map<UINT_PTR, WhenReady*>& PendingActions() {
    static std::map<UINT_PTR, WhenReady*> actions;
    return actions;
}
}  // namespace

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        if (!PumpOneMessage()) {
            Sleep(1);
        }
    }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= milliseconds) {
            return condition();
        }
        if (!PumpOneMessage()) {
            Sleep(1);
        }
    }
    return true;
}

WhenReady::WhenReady(std::function<bool()> condition, std::function<void()> action)
    : condition_(std::move(condition)), action_(std::move(action)) {
    timer_ = SetTimer(nullptr, 0, 50, Tick);
    PendingActions()[timer_] = this;
}

WhenReady::~WhenReady() {
    if (timer_ != 0) {
        KillTimer(nullptr, timer_);
        PendingActions().erase(timer_);
    }
}

void CALLBACK WhenReady::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto found = PendingActions().find(id);
    if (found == PendingActions().end()) {
        return;
    }
    WhenReady* self = found->second;
    if (self->done_ || !self->condition_()) {
        return;
    }
    self->done_ = true;
    KillTimer(nullptr, self->timer_);
    PendingActions().erase(self->timer_);
    self->timer_ = 0;
    self->action_();
}

std::vector<HWND> ThreadWindows(const char* className) {
    struct Search {
        const char* className;
        std::vector<HWND> found;
    } search{className, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            if (IsWindowVisible(hwnd) && ClassName(hwnd) == s->className) {
                s->found.push_back(hwnd);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND hwnd) {
    char text[1024] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::string ClassName(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string MessageBoxText(HWND box) {
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassName(child) == "Static" && !WindowText(child).empty()) {
            if (!text.empty()) {
                text += '\n';
            }
            text += WindowText(child);
        }
    }
    return text;
}

Capture::Capture(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width_, height_);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    pixels_.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_));
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            pixels_[static_cast<size_t>(y * width_ + x)] = GetPixel(memory, x, y);
        }
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

COLORREF Capture::At(int x, int y) const {
    return pixels_[static_cast<size_t>(y * width_ + x)];
}

std::string ReadFile(const std::string& path) {
    std::string text;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t count;
        while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            text.append(buffer, count);
        }
        std::fclose(file);
    }
    return text;
}

std::string TestFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    folder.erase(folder.find_last_of('\\') + 1);
    return folder;
}

ClickCounter::ClickCounter(HWND dialog, int controlId) : dialog_(dialog), controlId_(controlId) {
    SetWindowSubclass(dialog_, Proc, 0x7E57, reinterpret_cast<DWORD_PTR>(this));
}

ClickCounter::~ClickCounter() {
    if (IsWindow(dialog_)) {
        RemoveWindowSubclass(dialog_, Proc, 0x7E57);
    }
}

LRESULT CALLBACK ClickCounter::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR ref) {
    auto* self = reinterpret_cast<ClickCounter*>(ref);
    if (msg == WM_COMMAND && LOWORD(wParam) == self->controlId_ && HIWORD(wParam) == BN_CLICKED) {
        ++self->count_;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

namespace {
std::map<UINT_PTR, AnswerOwnedDialogs*>& Answerers() {
    static std::map<UINT_PTR, AnswerOwnedDialogs*> answerers;
    return answerers;
}
}  // namespace

AnswerOwnedDialogs::AnswerOwnedDialogs(HWND owner, int button) : owner_(owner), button_(button) {
    timer_ = SetTimer(nullptr, 0, 50, Tick);
    Answerers()[timer_] = this;
}

AnswerOwnedDialogs::~AnswerOwnedDialogs() {
    KillTimer(nullptr, timer_);
    Answerers().erase(timer_);
}

void CALLBACK AnswerOwnedDialogs::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    const auto found = Answerers().find(id);
    if (found == Answerers().end()) {
        return;
    }
    AnswerOwnedDialogs& self = *found->second;
    for (HWND box : ThreadWindows("#32770")) {
        const bool seen = std::find(self.answered_.begin(), self.answered_.end(), box) != self.answered_.end();
        if (!seen && GetWindow(box, GW_OWNER) == self.owner_) {
            self.answered_.push_back(box);
            self.captions_.push_back(WindowText(box));
            PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(self.button_), 0);
        }
    }
}

}  // namespace uitest

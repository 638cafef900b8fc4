#pragma once
// Driving real windows from a test: pumping, finding windows, answering them later, reading pixels.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace uitest {

// Dispatches this thread's messages (through the framework's pump) for the given time.
void PumpFor(DWORD milliseconds);
// Pumps until the condition holds or the time is up; the condition's last value.
bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds = 3000);

// Runs the action on this thread once the condition holds, polled every 50 ms from a thread timer; it
// runs inside whatever message loop is active then (a modal dialog's, a message box's, a menu's).
class WhenReady {
  public:
    WhenReady(std::function<bool()> condition, std::function<void()> action);
    ~WhenReady();
    WhenReady(const WhenReady&) = delete;
    WhenReady& operator=(const WhenReady&) = delete;
    bool Done() const { return done_; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    std::function<bool()> condition_;
    std::function<void()> action_;
    UINT_PTR timer_ = 0;
    bool done_ = false;
};

// Closes, with the given button, every dialog box of this thread that the owner window opens, for as long
// as it lives: for tests of controls whose commands open message boxes or dialogs.
class AnswerOwnedDialogs {
  public:
    AnswerOwnedDialogs(HWND owner, int button);
    ~AnswerOwnedDialogs();
    AnswerOwnedDialogs(const AnswerOwnedDialogs&) = delete;
    AnswerOwnedDialogs& operator=(const AnswerOwnedDialogs&) = delete;
    // The captions of the boxes answered, in order.
    const std::vector<std::string>& Captions() const { return captions_; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    HWND owner_;
    int button_;
    UINT_PTR timer_ = 0;
    std::vector<HWND> answered_;
    std::vector<std::string> captions_;
};

// Visible top-level windows of this thread with the given class ("#32770": dialogs and message boxes).
std::vector<HWND> ThreadWindows(const char* className);
std::string WindowText(HWND hwnd);
std::string ClassName(HWND hwnd);
// The static texts of a message box, joined by newlines.
std::string MessageBoxText(HWND box);

// What a window's client area shows when it paints itself into a memory bitmap.
class Capture {
  public:
    explicit Capture(HWND window);
    COLORREF At(int x, int y) const;
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

std::string ReadFile(const std::string& path);
// The folder of this test program, with a trailing backslash.
std::string TestFolder();

// Counts BN_CLICKED commands that reach a window, for as long as it lives.
class ClickCounter {
  public:
    ClickCounter(HWND dialog, int controlId);
    ~ClickCounter();
    ClickCounter(const ClickCounter&) = delete;
    ClickCounter& operator=(const ClickCounter&) = delete;
    int Count() const { return count_; }

  private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    HWND dialog_;
    int controlId_;
    int count_ = 0;
};

}  // namespace uitest

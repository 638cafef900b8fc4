#pragma once
// A scripted user who answers the windows the program opens, from a timer that runs inside whatever
// message loop is active (a modal dialog's, a message box's, the encoder wait's).

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class Person {
public:
    Person();
    ~Person();
    Person(const Person&) = delete;
    Person& operator=(const Person&) = delete;

    // In the file-open dialog titled "Import video files": go to the folder, choose these names.
    void WillChooseFiles(const std::string& folder, std::vector<std::string> names);
    // Cancels the next file-open dialog.
    void WillCancelFileDialog();
    // The button pressed in the next message box whose text contains the given text (IDOK, IDYES, IDNO).
    void WillAnswer(const std::string& textPart, int button);
    // Does something once, as soon as the condition holds.
    void WillDo(std::function<bool()> when, std::function<void()> action);

    // Texts of every message box seen, in order.
    const std::vector<std::string>& MessagesSeen() const { return messages_; }
    // Captions of the message boxes seen, in order.
    const std::vector<std::string>& CaptionsSeen() const { return captions_; }
    bool AllDone() const;

private:
    struct Step {
        std::function<bool()> when;
        std::function<void()> act;
        bool done = false;
    };
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void OnTick();
    void AnswerMessageBoxes();

    struct Answer {
        std::string textPart;
        int button;
    };
    UINT_PTR timer_ = 0;
    std::vector<Step> steps_;
    std::vector<Answer> answers_;
    std::vector<HWND> answered_;
    std::vector<std::string> messages_;
    std::vector<std::string> captions_;
    bool inTick_ = false;
};

// The dialog box of this thread with that caption, or null.
HWND FindDialog(const std::string& caption);

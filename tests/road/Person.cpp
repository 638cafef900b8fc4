#include "Person.h"

#include <algorithm>

#include "UiTestSupport.h"

namespace {

Person* activePerson = nullptr;

std::vector<HWND> ThreadDialogs() {
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            char name[32] = {};
            GetClassNameA(window, name, sizeof name);
            if (IsWindowVisible(window) && std::string(name) == "#32770") {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

bool IsMessageBox(HWND dialog) {
    // A message box has static texts and buttons only, no edit or list.
    bool hasStatic = false;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        const std::string kind = name;
        if (kind == "Static") {
            hasStatic = true;
        } else if (kind != "Button") {
            return false;
        }
    }
    return hasStatic && GetDlgItem(dialog, 0xFFFF) != nullptr;
}

std::string MessageText(HWND box) {
    return uitest::WindowText(GetDlgItem(box, 0xFFFF));
}

// The file name box: the one visible edit of the file-open dialog.
HWND FindFileNameEdit(HWND parent) {
    HWND found = nullptr;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM result) {
            char name[32] = {};
            GetClassNameA(child, name, sizeof name);
            if (std::string(name) == "Edit" && IsWindowVisible(child)) {
                *reinterpret_cast<HWND*>(result) = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

void TypeIntoFileDialog(HWND dialog, const std::string& text) {
    HWND edit = FindFileNameEdit(dialog);
    SetWindowTextA(edit, text.c_str());
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

}  // namespace

HWND FindDialog(const std::string& caption) {
    for (HWND dialog : ThreadDialogs()) {
        if (uitest::WindowText(dialog) == caption) {
            return dialog;
        }
    }
    return nullptr;
}

Person::Person() {
    activePerson = this;
    timer_ = SetTimer(nullptr, 0, 40, Tick);
}

Person::~Person() {
    KillTimer(nullptr, timer_);
    activePerson = nullptr;
}

void CALLBACK Person::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (activePerson != nullptr) {
        activePerson->OnTick();
    }
}

void Person::WillChooseFiles(const std::string& folder, std::vector<std::string> names) {
    WillDo([] { return FindDialog("Import video files") != nullptr; },
           [folder, names] {
               HWND dialog = FindDialog("Import video files");
               TypeIntoFileDialog(dialog, folder);  // go to the folder first, as a person would
               uitest::PumpFor(300);
               std::string typed;
               for (const std::string& name : names) {
                   typed += "\"" + name + "\" ";
               }
               if (names.size() == 1) {
                   typed = names.front();
               }
               TypeIntoFileDialog(dialog, typed);
           });
}

void Person::WillCancelFileDialog() {
    WillDo([] { return FindDialog("Import video files") != nullptr; },
           [] { PostMessageA(FindDialog("Import video files"), WM_COMMAND, IDCANCEL, 0); });
}

void Person::WillAnswer(const std::string& textPart, int button) { answers_.push_back({textPart, button}); }

void Person::WillDo(std::function<bool()> when, std::function<void()> action) {
    steps_.push_back({std::move(when), std::move(action)});
}

bool Person::AllDone() const {
    return answers_.empty() && std::all_of(steps_.begin(), steps_.end(), [](const Step& s) { return s.done; });
}

void Person::OnTick() {
    if (inTick_) {
        return;  // an action's own waiting pumps this timer again
    }
    inTick_ = true;
    for (Step& step : steps_) {
        if (!step.done && step.when()) {
            step.done = true;
            step.act();
            break;
        }
    }
    AnswerMessageBoxes();
    inTick_ = false;
}

void Person::AnswerMessageBoxes() {
    for (HWND box : ThreadDialogs()) {
        if (!IsMessageBox(box) || std::find(answered_.begin(), answered_.end(), box) != answered_.end()) {
            continue;
        }
        const std::string text = MessageText(box);
        int button = IDOK;
        for (auto it = answers_.begin(); it != answers_.end(); ++it) {
            if (text.find(it->textPart) != std::string::npos) {
                button = it->button;
                answers_.erase(it);
                break;
            }
        }
        answered_.push_back(box);
        messages_.push_back(text);
        captions_.push_back(uitest::WindowText(box));
        PostMessageA(box, WM_COMMAND, button, 0);
    }
}

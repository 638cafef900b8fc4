#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "OpenLink.h"

namespace {

std::filesystem::path ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

// Writes a key's default value, creating the key.
bool WriteDefault(HKEY root, const std::string& keyPath, const std::string& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const LONG status = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

// A ".htm" open command registered under the classes root for one test, and the earlier registration
// put back afterwards (the test prefix is shared by the other test programs).
class RegisteredHtmCommand {
  public:
    explicit RegisteredHtmCommand(const std::string& command) {
        std::string earlier;
        if (ReadRegistryDefault(HKEY_CLASSES_ROOT, ".htm", earlier) == ERROR_SUCCESS) {
            earlierClass_ = earlier;
        }
        registered_ =
            WriteDefault(HKEY_CLASSES_ROOT, kClass + std::string("\\shell\\open\\command"), command) &&
            WriteDefault(HKEY_CLASSES_ROOT, ".htm", kClass);
    }
    ~RegisteredHtmCommand() {
        if (earlierClass_) {
            WriteDefault(HKEY_CLASSES_ROOT, ".htm", *earlierClass_);
        } else {
            RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm");
        }
        RegDeleteTreeA(HKEY_CLASSES_ROOT, kClass);
    }
    bool registered() const { return registered_; }

  private:
    static constexpr char kClass[] = "CorvaneTestPage";
    std::optional<std::string> earlierClass_;
    bool registered_ = false;
};

class OpenLinkTest : public testing::Test {
  protected:
    void SetUp() override {
        recorder_ = (ProgramFolder() / "link_command_recorder.exe").string();
        ASSERT_TRUE(std::filesystem::exists(recorder_)) << recorder_;
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() / "corvane-link-tests" / test->name();
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        // Our working folder, so that a relative address names nothing that exists.
        SetCurrentDirectoryA(folder_.string().c_str());
        record_ = folder_ / "command.txt";
        SetEnvironmentVariableA("CORVANE_LINK_RECORD", record_.string().c_str());
    }
    void TearDown() override {
        SetCurrentDirectoryA(ProgramFolder().string().c_str());
        SetEnvironmentVariableA("CORVANE_LINK_RECORD", nullptr);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // The command line the recorder was started with, once it has written it.
    std::optional<std::string> RecordedCommand(std::chrono::milliseconds patience) const {
        const auto until = std::chrono::steady_clock::now() + patience;
        while (std::chrono::steady_clock::now() < until) {
            if (std::filesystem::exists(record_)) {
                std::ifstream in(record_, std::ios::binary);
                std::stringstream text;
                text << in.rdbuf();
                return text.str();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return std::nullopt;
    }

    std::string recorder_;
    std::filesystem::path folder_;
    std::filesystem::path record_;
};

TEST_F(OpenLinkTest, AnAddressTheShellOpensNeedsNoFallback) {
    // The recorder itself as the address: the shell runs it.
    const INT_PTR result = OpenLink(recorder_, SW_SHOW);
    EXPECT_GT(result, 32);
    const auto command = RecordedCommand(std::chrono::seconds(10));
    ASSERT_TRUE(command.has_value());
    EXPECT_NE(command->find("link_command_recorder.exe"), std::string::npos) << *command;
}

TEST_F(OpenLinkTest, TheRegisteredHtmCommandRunsWithTheAddressAppended) {
    const RegisteredHtmCommand handler("\"" + recorder_ + "\" \"%1\"");
    ASSERT_TRUE(handler.registered());
    const std::string address = "corvane-no-such-page.htm";

    const INT_PTR result = OpenLink(address, SW_SHOW);
    EXPECT_GT(result, 32);
    const auto command = RecordedCommand(std::chrono::seconds(10));
    ASSERT_TRUE(command.has_value()) << "the registered program was not run";
    // Cut at the quotation mark before %1: the registered blank, then ours, then the address.
    EXPECT_EQ(*command, "\"" + recorder_ + "\"  " + address);
}

TEST_F(OpenLinkTest, ACommandTooLongForItsBufferIsNotRun) {
    const RegisteredHtmCommand handler("\"" + recorder_ + "\" \"%1\"");
    ASSERT_TRUE(handler.registered());
    const std::string address = "corvane-" + std::string(520, 'x') + ".htm";

    const INT_PTR result = OpenLink(address, SW_SHOW);
    EXPECT_LE(result, 32);  // the shell's own failure
    EXPECT_FALSE(RecordedCommand(std::chrono::milliseconds(1500)).has_value());
}

TEST_F(OpenLinkTest, WithoutAHandlerTheShellsFailureIsReturned) {
    const RegisteredHtmCommand handler("");
    ASSERT_TRUE(handler.registered());
    const INT_PTR result = OpenLink("corvane-no-such-page.htm", SW_SHOW);
    EXPECT_LE(result, 32);
    EXPECT_FALSE(RecordedCommand(std::chrono::milliseconds(1500)).has_value());
}

TEST(ReadRegistryDefault, ReadsTheDefaultValueOrReportsAMissingKey) {
    const std::string base = "Software\\CorvaneTests\\ReadRegistryDefault";
    ASSERT_TRUE(WriteDefault(HKEY_CURRENT_USER, base + "\\WithValue", "some value"));
    ASSERT_TRUE(
        WriteDefault(HKEY_CURRENT_USER, base + "\\TooLong", std::string(kRegistryValueCapacity, 'v')));
    HKEY empty = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (base + "\\WithoutValue").c_str(), 0, nullptr, 0, KEY_READ,
                              nullptr, &empty, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(empty);

    struct Case {
        const char* key;
        LONG status;
        const char* value;
    };
    const Case cases[] = {
        {"WithValue", ERROR_SUCCESS, "some value"},
        {"WithoutValue", ERROR_SUCCESS, ""},
        {"TooLong", ERROR_SUCCESS, ""},  // does not fit 260 characters: not readable
        {"Missing", ERROR_FILE_NOT_FOUND, "untouched"},
    };
    for (const Case& c : cases) {
        std::string value = "untouched";
        EXPECT_EQ(ReadRegistryDefault(HKEY_CURRENT_USER, base + "\\" + c.key, value), c.status) << c.key;
        EXPECT_EQ(value, c.value) << c.key;
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\CorvaneTests");
}

// What a message box of this thread showed, read by a watcher thread that then closes it.
struct ShownBox {
    std::string title;
    std::string text;
    bool hasExclamationIcon = false;
};

ShownBox ShowAndRead(INT_PTR code) {
    const DWORD thread = GetCurrentThreadId();
    ShownBox shown;
    std::atomic<bool> done{false};
    std::thread watcher([&] {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!done && std::chrono::steady_clock::now() < until) {
            HWND box = nullptr;
            EnumThreadWindows(
                thread,
                [](HWND window, LPARAM found) -> BOOL {
                    char className[32] = {};
                    GetClassNameA(window, className, sizeof className);
                    if (std::string(className) == "#32770" && IsWindowVisible(window)) {
                        *reinterpret_cast<HWND*>(found) = window;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&box));
            if (box != nullptr) {
                char buffer[1024] = {};
                GetWindowTextA(box, buffer, sizeof buffer);
                shown.title = buffer;
                GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);  // the message box's text
                shown.text = buffer;
                // The icon static of a message box (control 0x440 under Wine, 20 under Windows).
                HICON icon = reinterpret_cast<HICON>(SendDlgItemMessageA(box, 0x440, STM_GETICON, 0, 0));
                if (icon == nullptr) {
                    icon = reinterpret_cast<HICON>(SendDlgItemMessageA(box, 20, STM_GETICON, 0, 0));
                }
                shown.hasExclamationIcon = icon != nullptr && icon == LoadIcon(nullptr, IDI_EXCLAMATION);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    ShowOpenError(code);
    done = true;
    watcher.join();
    return shown;
}

TEST(ShowOpenError, ShowsTheReasonForTheCode) {
    struct Case {
        INT_PTR code;
        const char* reason;
    };
    const Case cases[] = {
        {2, "The specified file was not found."},
        {26, "A sharing violation occurred. "},
        {31, "There is no application associated\nwith the given filename extension."},
        {99, "Unknown Error (99) occurred."},
    };
    for (const Case& c : cases) {
        const ShownBox shown = ShowAndRead(c.code);
        // The box shows line breaks as CR LF.
        std::string expected = "Unable to open hyperlink:\n\n";
        expected += c.reason;
        std::string text;
        for (char c : shown.text) {
            if (c != '\r') {
                text += c;
            }
        }
        EXPECT_EQ(text, expected) << c.code;
        EXPECT_EQ(shown.title, "corvane_open_link_tests") << c.code;
        EXPECT_TRUE(shown.hasExclamationIcon) << c.code;
    }
}

}  // namespace

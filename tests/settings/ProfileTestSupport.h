#pragma once
// The profile implementations a build has, and a scratch folder for option files.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "IniFileProfile.h"
#include "ProfileStore.h"
#ifdef _WIN32
#include "Win32Profile.h"
#endif

struct ProfileKind {
    const char* name;
    std::function<std::unique_ptr<ProfileStore>()> make;
};

inline std::vector<ProfileKind> AvailableProfiles() {
    std::vector<ProfileKind> kinds = {{"OwnIni", [] { return std::make_unique<IniFileProfile>(); }}};
#ifdef _WIN32
    kinds.push_back({"Win32Calls", [] { return std::make_unique<Win32Profile>(); }});
#endif
    return kinds;
}

inline std::string ProfileKindName(const testing::TestParamInfo<ProfileKind>& info) { return info.param.name; }

class ProfileFolderTest : public testing::TestWithParam<ProfileKind> {
protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() / "corvane-tests" / test->test_suite_name() / test->name();
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        profile_ = GetParam().make();
    }
    void TearDown() override {
        profile_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // The folder as the program passes it: ending in its separator.
    std::string Folder() const {
#ifdef _WIN32
        return folder_.string() + "\\";
#else
        return folder_.string() + "/";
#endif
    }
    std::string PathOf(const std::string& name) const { return Folder() + name; }

    void WriteFile(const std::string& name, const std::string& content) const {
        std::ofstream(PathOf(name), std::ios::binary) << content;
    }
    std::string ReadFile(const std::string& name) const {
        std::ifstream in(PathOf(name), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // The file's lines without line ends and without blank lines.
    std::vector<std::string> Lines(const std::string& name) const {
        std::vector<std::string> lines;
        std::istringstream in(ReadFile(name));
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (!line.empty()) {
                lines.push_back(line);
            }
        }
        return lines;
    }

    ProfileStore& Profile() { return *profile_; }

private:
    std::filesystem::path folder_;
    std::unique_ptr<ProfileStore> profile_;
};

#include "DirectoryPath.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// A file system of folders only, with drives C: and D:, that records what was created.
class FakeFolders final : public DirectoryOps {
public:
    explicit FakeFolders(std::set<std::string> folders) : folders_(std::move(folders)) {}

    bool SetCurrent(const std::string& path) override {
        const std::string full = Full(path);
        if (folders_.count(full) == 0) {
            return false;
        }
        current_ = full;
        return true;
    }
    bool Create(const std::string& path) override {
        const std::string full = Full(path);
        const std::string parent = full.substr(0, full.rfind('\\'));
        if (folders_.count(full) != 0 || folders_.count(parent) == 0 || readOnly_.count(parent) != 0) {
            return false;
        }
        folders_.insert(full);
        created.push_back(full);
        return true;
    }

    void MakeReadOnly(const std::string& folder) { readOnly_.insert(folder); }
    const std::string& current() const { return current_; }
    std::vector<std::string> created;

private:
    std::string Full(const std::string& path) const {
        return path.size() > 1 && path[1] == ':' ? path : current_ + "\\" + path;
    }
    std::set<std::string> folders_;
    std::set<std::string> readOnly_;
    std::string current_ = "C:";
};

TEST(MakeDirectoryPath, CreatesMissingLevelsOneByOne) {
    FakeFolders fs({"C:", "C:\\output video"});
    EXPECT_EQ(MakeDirectoryPath("C:\\output video\\mov\\new\\", fs), 0);
    EXPECT_EQ(fs.created, (std::vector<std::string>{"C:\\output video\\mov", "C:\\output video\\mov\\new"}));
    EXPECT_EQ(fs.current(), "C:\\output video\\mov\\new");
}

TEST(MakeDirectoryPath, ExistingFolderOnlyBecomesCurrent) {
    FakeFolders fs({"C:", "C:\\out"});
    EXPECT_EQ(MakeDirectoryPath("C:\\out", fs), 0);
    EXPECT_TRUE(fs.created.empty());
    EXPECT_EQ(fs.current(), "C:\\out");
}

TEST(MakeDirectoryPath, FolderRightBelowADriveIsMadeInOneStep) {
    FakeFolders fs({"C:", "D:"});
    EXPECT_EQ(MakeDirectoryPath("D:\\videos\\", fs), 0);
    EXPECT_EQ(fs.created, (std::vector<std::string>{"D:\\videos"}));
}

TEST(MakeDirectoryPath, FailsWhereNothingCanBeMade) {
    FakeFolders fs({"C:", "C:\\locked"});
    fs.MakeReadOnly("C:\\locked");
    EXPECT_EQ(MakeDirectoryPath("Q:\\videos\\new\\", fs), -1);  // no such drive
    EXPECT_EQ(MakeDirectoryPath("C:\\locked\\a\\b", fs), -1);
    EXPECT_EQ(MakeDirectoryPath("relative", fs), -1);
    EXPECT_EQ(MakeDirectoryPath("", fs), -1);
    EXPECT_EQ(MakeDirectoryPath("\\", fs), -1);
    EXPECT_TRUE(fs.created.empty());
}

}  // namespace

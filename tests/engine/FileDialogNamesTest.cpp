#include "FileDialogNames.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Split(const std::string& buffer) { return SplitSelectedFiles(buffer.data(), buffer.size()); }

TEST(FileDialogNames, SingleFileIsItsFullPath) {
    EXPECT_EQ(Split(std::string("C:\\clips\\a.mov\0\0", 17)), (std::vector<std::string>{"C:\\clips\\a.mov"}));
}

TEST(FileDialogNames, SeveralFilesJoinTheFolderInOrder) {
    EXPECT_EQ(Split(std::string("C:\\clips\0b.mov\0a.qt\0\0", 22)),
              (std::vector<std::string>{"C:\\clips\\b.mov", "C:\\clips\\a.qt"}));
    EXPECT_EQ(Split(std::string("D:\\\0x.mov\0y.mov\0\0", 18)),
              (std::vector<std::string>{"D:\\x.mov", "D:\\y.mov"}));
}

TEST(FileDialogNames, EmptyOrUnterminatedBuffersStayInside) {
    EXPECT_TRUE(Split(std::string("\0\0", 2)).empty());
    const std::string unterminated = "C:\\clips";  // no terminator at all: nothing read past the end
    EXPECT_EQ(SplitSelectedFiles(unterminated.data(), unterminated.size()),
              (std::vector<std::string>{"C:\\clips"}));
}

}  // namespace

#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>

namespace {

using DecryptData = void (*)(int, char*);

struct LibraryFreer {
    void operator()(HMODULE library) const { FreeLibrary(library); }
};
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;

class VeskoTest : public testing::Test {
  protected:
    void SetUp() override {
        library_.reset(LoadLibraryA("vesko.dll"));
        ASSERT_TRUE(library_) << "vesko.dll not found beside the test";
        decrypt_ = reinterpret_cast<DecryptData>(
            reinterpret_cast<void*>(GetProcAddress(library_.get(), "decrypt_data")));
        ASSERT_NE(decrypt_, nullptr) << "no export named decrypt_data";
    }

    // What decrypt_data writes for an index into a buffer of the callers' smallest size, with a marker
    // behind the buffer to see that nothing is written past it.
    std::string Address(int index) {
        char buffer[64 + 1];
        std::memset(buffer, '#', sizeof buffer);
        decrypt_(index, buffer);
        EXPECT_EQ(buffer[64], '#') << "written past 64 characters for index " << index;
        EXPECT_NE(std::memchr(buffer, '\0', 64), nullptr) << "no terminating zero for index " << index;
        return std::string(buffer, strnlen(buffer, 64));
    }

    Library library_;
    DecryptData decrypt_ = nullptr;
};

TEST_F(VeskoTest, HomePageAndSupportAddresses) {
    const std::string home = Address(0);
    const std::string support = Address(2);
    EXPECT_EQ(home, "https://www.corvane.example.com/");
    EXPECT_EQ(support, "https://www.corvane.example.com/support/");
    for (const std::string& address : {home, support}) {
        EXPECT_EQ(address.find_first_of("\r\n"), std::string::npos) << address;
    }
}

TEST_F(VeskoTest, EveryOtherIndexGivesAnEmptyText) {
    for (int index : {1, 3, 4, 100, -1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(Address(index), "") << index;
    }
}

}  // namespace

#include <gtest/gtest.h>

#include "ArgumentQuoting.h"

namespace {

struct SplitRow {
    const char* line;
    std::vector<std::string> words;
};

class WindowsSplitting : public testing::TestWithParam<SplitRow> {};

TEST_P(WindowsSplitting, FollowsTheRuntimeRules) {
    EXPECT_EQ(SplitWindowsArguments(GetParam().line), GetParam().words);
}

const SplitRow kSplitRows[] = {
    {R"("C:\in\a.mov" -o "C:\output video\a.avi")", {R"(C:\in\a.mov)", "-o", R"(C:\output video\a.avi)"}},
    {"  a\tb   c  ", {"a", "b", "c"}},
    {R"(a"b c"d)", {"ab cd"}},
    {R"("")", {""}},
    {R"(a\\\"b)", {R"(a\"b)"}},
    {R"(a\\"b c")", {R"(a\b c)"}},
    {R"("a""b")", {R"(a"b)"}},
    {R"(C:\dir\ x)", {R"(C:\dir\)", "x"}},
    {"", {}},
};

INSTANTIATE_TEST_SUITE_P(Lines, WindowsSplitting, testing::ValuesIn(kSplitRows));

TEST(ProgramName, IsSkippedQuotedOrNot) {
    EXPECT_EQ(SkipProgramName(R"("C:\Program Files\x\veskoenc.exe" "a b" 1)"), R"( "a b" 1)");
    EXPECT_EQ(SkipProgramName(R"(veskoenc.exe "a b" 1)"), R"( "a b" 1)");
    EXPECT_EQ(SkipProgramName(R"(C:\x\veskoenc.exe)"), "");
}

TEST(Quoting, RoundTripsAwkwardWords) {
    const std::vector<std::string> words = {"plain",
                                            "",
                                            "two words",
                                            R"(end\)",
                                            R"(dir with space\)",
                                            R"(q"uote)",
                                            R"(\\"x\\)",
                                            "tab\there",
                                            "-vf",
                                            "scale=-2:240,pad=352:240:-1:-1",
                                            "mono|stereo",
                                            "$(rm -rf x);`y`"};
    EXPECT_EQ(SplitWindowsArguments(JoinWindowsArguments(words)), words);
    EXPECT_EQ(QuoteWindowsArgument("plain"), "plain");
    EXPECT_EQ(QuoteWindowsArgument("a b"), "\"a b\"");
}

}  // namespace

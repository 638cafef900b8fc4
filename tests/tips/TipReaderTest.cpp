#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TipReader.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// A tip as the user sees it: without the line end that stays in the text.
std::string WithoutLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

class TipsFileTest : public testing::Test {
  protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() / "corvane-tips-tests" / test->test_suite_name() /
                  test->name();
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string Path() const { return (folder_ / kTipsFileName).string(); }
    void WriteTips(const std::string& content) const { std::ofstream(Path(), std::ios::binary) << content; }

    // The stored state between two showings, as the tip dialog keeps it in the profile.
    struct StoredState {
        std::string timeStamp;
        long position = 0;
    };

    // One showing: open with the stored state, take the first tip, store the position behind it.
    std::string ShowOnce(StoredState& state) const {
        TipWalk walk;
        const TipOpening opening = walk.Open(Path(), state.timeStamp, state.position);
        EXPECT_EQ(opening.outcome, TipOpening::Outcome::Read);
        if (opening.newTimeStamp) {
            state.timeStamp = *opening.newTimeStamp;
        }
        const std::optional<long> position = walk.PositionToStore();
        EXPECT_TRUE(position.has_value());
        state.position = position.value_or(0);
        return WithoutLineEnd(opening.reading.text);
    }

    std::filesystem::path folder_;
};

// The example file: a first tip, a comment, an empty line, an indented line and a second tip; with the
// line ends of either platform, since a file may come from anywhere.
struct LineEnds {
    const char* name;
    const char* end;
};
class ExampleFileTest : public TipsFileTest, public testing::WithParamInterface<LineEnds> {
  protected:
    void SetUp() override {
        TipsFileTest::SetUp();
        const std::string end = GetParam().end;
        WriteTips("First tip" + end + "; a comment" + end + end + "  indented, not a tip" + end +
                  "Second tip" + end);
    }
};

TEST_P(ExampleFileTest, ShowingsWalkTheTipsInACircle) {
    StoredState state;
    std::vector<std::string> shown;
    for (int showing = 0; showing < 5; ++showing) {
        shown.push_back(ShowOnce(state));
    }
    EXPECT_EQ(shown,
              (std::vector<std::string>{"First tip", "Second tip", "First tip", "Second tip", "First tip"}));
}

TEST_P(ExampleFileTest, NextTipWalksInACircleWithinOneShowing) {
    TipWalk walk;
    const TipOpening opening = walk.Open(Path(), "", 0);
    ASSERT_EQ(opening.outcome, TipOpening::Outcome::Read);
    std::vector<std::string> shown{WithoutLineEnd(opening.reading.text)};
    for (int click = 0; click < 4; ++click) {
        const TipReading next = walk.Next();
        EXPECT_TRUE(next.found);
        EXPECT_FALSE(next.rewindFailed);
        shown.push_back(WithoutLineEnd(next.text));
    }
    EXPECT_EQ(shown,
              (std::vector<std::string>{"First tip", "Second tip", "First tip", "Second tip", "First tip"}));
}

TEST_P(ExampleFileTest, TheTipKeepsItsLineEnd) {
    TipWalk walk;
    const TipOpening opening = walk.Open(Path(), "", 0);
    ASSERT_TRUE(opening.reading.found);
    EXPECT_EQ(opening.reading.text, "First tip\n");  // one newline, whatever the file's line ends
}

INSTANTIATE_TEST_SUITE_P(TipReader, ExampleFileTest,
                         testing::Values(LineEnds{"Lf", "\n"}, LineEnds{"CrLf", "\r\n"}),
                         [](const testing::TestParamInfo<LineEnds>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(TipsFileTest, ANewTimeStampRestartsAtTheFirstTipAndIsStored) {
    WriteTips("First tip\nSecond tip\nThird tip\n");
    StoredState state;
    ASSERT_EQ(ShowOnce(state), "First tip");
    ASSERT_EQ(ShowOnce(state), "Second tip");
    ASSERT_FALSE(state.timeStamp.empty());

    // The same position stored for another file's creation time.
    const std::string fileStamp = state.timeStamp;
    state.timeStamp = "Mon Jan  1 00:00:00 2001";
    TipWalk walk;
    const TipOpening opening = walk.Open(Path(), state.timeStamp, state.position);
    ASSERT_EQ(opening.outcome, TipOpening::Outcome::Read);
    EXPECT_EQ(WithoutLineEnd(opening.reading.text), "First tip");
    EXPECT_EQ(opening.newTimeStamp, fileStamp);
}

TEST_F(TipsFileTest, TheSameTimeStampContinuesAndStoresNothingNew) {
    WriteTips("First tip\nSecond tip\n");
    StoredState state;
    ShowOnce(state);
    TipWalk walk;
    const TipOpening opening = walk.Open(Path(), state.timeStamp, state.position);
    EXPECT_EQ(WithoutLineEnd(opening.reading.text), "Second tip");
    EXPECT_FALSE(opening.newTimeStamp.has_value());
}

TEST(TipReader, StartPositionFollowsTheTimeStamp) {
    struct Case {
        const char* fileStamp;
        const char* storedStamp;
        long storedPosition;
        long position;
        bool changed;
    };
    const Case cases[] = {
        {"Tue Mar  5 10:00:00 2024", "Tue Mar  5 10:00:00 2024", 57, 57, false},  // same file, even if edited
        {"Tue Mar  5 10:00:00 2024", "Mon Mar  4 10:00:00 2024", 57, 0, true},    // another file
        {"Tue Mar  5 10:00:00 2024", "", 57, 0, true},                            // first run
        {"", "", 57, 0, false},  // unknown creation time: the position can't be vouched for
    };
    for (const Case& c : cases) {
        const TipStart start = ChooseTipStart(c.fileStamp, c.storedStamp, c.storedPosition);
        EXPECT_EQ(start.position, c.position) << c.fileStamp << " / " << c.storedStamp;
        EXPECT_EQ(start.timeStampChanged, c.changed) << c.fileStamp << " / " << c.storedStamp;
    }
}

TEST(TipReader, LinesThatAreNotTips) {
    struct Case {
        const char* piece;
        bool isTip;
    };
    const Case cases[] = {
        {"A tip\n", true},
        {"A tip without line end", true},
        {"x", true},
        {"; comment\n", false},
        {" blank\n", false},
        {"\tindented\n", false},
        {"\n", false},
        {"\r\n", false},
        {"", false},
        {"1. numbered\n", true},
        {"#not a comment\n", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsTipLine(c.piece), c.isTip) << '"' << c.piece << '"';
    }
}

TEST_F(TipsFileTest, AMissingFileGivesNoTipAndNoPosition) {
    TipWalk walk;
    const TipOpening opening = walk.Open(Path(), "", 0);
    EXPECT_EQ(opening.outcome, TipOpening::Outcome::FileMissing);
    EXPECT_FALSE(walk.IsOpen());
    EXPECT_FALSE(walk.Next().found);
    EXPECT_FALSE(walk.PositionToStore().has_value());
}

TEST_F(TipsFileTest, AFileWithoutTipsEndsTheReading) {
    const char* contents[] = {
        "",
        "\n\n\n",
        "; only comments\n; and more\n",
        "  indented\n\tand tabbed\n;comment\n\n",
        "; no line end at the end",
    };
    for (const char* content : contents) {
        WriteTips(content);
        for (long start : {0L, 3L}) {
            StoredState state;
            TipWalk walk;
            const TipOpening first = walk.Open(Path(), "", start);
            ASSERT_EQ(first.outcome, TipOpening::Outcome::Read) << '"' << content << '"';
            EXPECT_FALSE(first.reading.found) << '"' << content << '"';
            EXPECT_FALSE(first.reading.rewindFailed);
            EXPECT_EQ(first.reading.text, "");
            const TipReading next = walk.Next();
            EXPECT_FALSE(next.found);
            EXPECT_EQ(next.text, "");
        }
    }
}

TEST_F(TipsFileTest, ATipAfterTheStartPositionIsFoundBeforeTheEnd) {
    // Start in the middle of a tips file whose only tip lies before the start: found after wrapping.
    WriteTips("Only tip\n; comment one\n; comment two\n");
    TipWalk walk;
    const TipOpening opening = walk.Open(Path(), "", 12);
    ASSERT_EQ(opening.outcome, TipOpening::Outcome::Read);
    EXPECT_TRUE(opening.reading.found);
    EXPECT_EQ(WithoutLineEnd(opening.reading.text), "Only tip");
}

TEST_F(TipsFileTest, LongLinesAreReadInPiecesOf999Characters) {
    struct Case {
        const char* name;
        std::string line;
        std::vector<std::string> tips;  // what successive readings show, then the next tip
    };
    const std::string a999(999, 'a');
    const std::string b500(500, 'b');
    const Case cases[] = {
        {"two pieces", a999 + b500 + "\n", {a999, b500, "Next"}},
        {"exactly 999 and its line end", a999 + "\n", {a999, "Next"}},  // the lone line end is skipped
        {"second piece indented", a999 + "  " + b500 + "\n", {a999, "Next"}},
        {"second piece a comment", a999 + ";" + b500 + "\n", {a999, "Next"}},
        {"three pieces", a999 + a999 + "cc\n", {a999, a999, "cc", "Next"}},
        {"CR LF split after 999", std::string(998, 'a') + "\r\n", {std::string(998, 'a'), "Next"}},
    };
    for (const Case& c : cases) {
        WriteTips(c.line + "Next\n");
        TipWalk walk;
        const TipOpening opening = walk.Open(Path(), "", 0);
        std::vector<std::string> shown{opening.reading.text};
        for (std::size_t i = 1; i < c.tips.size(); ++i) {
            shown.push_back(walk.Next().text);
        }
        for (std::string& tip : shown) {
            EXPECT_LE(tip.size(), kTipPieceLength) << c.name;
            tip = WithoutLineEnd(tip);
        }
        EXPECT_EQ(shown, c.tips) << c.name;
    }
}

TEST_F(TipsFileTest, AStartPositionThatCannotBeReachedReadsNothing) {
    WriteTips("First tip\n");
    StoredState state;
    ShowOnce(state);
    // A hand-edited profile: the right time stamp with an impossible position.
    TipWalk walk;
    const TipOpening opening = walk.Open(Path(), state.timeStamp, -5);
    EXPECT_EQ(opening.outcome, TipOpening::Outcome::SeekFailed);
    EXPECT_FALSE(opening.reading.found);
    // The dialog can still go on: the stream stays open at its start.
    EXPECT_EQ(WithoutLineEnd(walk.Next().text), "First tip");
}

TEST_F(TipsFileTest, AStartPositionBehindTheEndWrapsToTheFirstTip) {
    WriteTips("First tip\nSecond tip\n");
    TipWalk walk;
    const TipOpening opening = walk.Open(Path(), "", 100000);
    ASSERT_EQ(opening.outcome, TipOpening::Outcome::Read);
    EXPECT_EQ(WithoutLineEnd(opening.reading.text), "First tip");
}

// A stream that cannot seek (a pipe) stands for a tips file whose rewinds keep failing.
std::FILE* PipeHolding(const std::string& content) {
    int ends[2];
#ifdef _WIN32
    if (_pipe(ends, 4096, _O_TEXT) != 0) {
        return nullptr;
    }
    const bool written = _write(ends[1], content.data(), static_cast<unsigned>(content.size())) ==
                         static_cast<int>(content.size());
    _close(ends[1]);
    std::FILE* stream = _fdopen(ends[0], "r");
#else
    if (pipe(ends) != 0) {
        return nullptr;
    }
    const bool written =
        write(ends[1], content.data(), content.size()) == static_cast<ssize_t>(content.size());
    close(ends[1]);
    std::FILE* stream = fdopen(ends[0], "r");
#endif
    if (!written && stream != nullptr) {
        std::fclose(stream);
        return nullptr;
    }
    return stream;
}

TEST(TipReader, FailingRewindsEndTheReading) {
    for (const char* content : {"; no tip here\n", "Only tip\n"}) {
        std::FILE* pipe = PipeHolding(content);
        ASSERT_NE(pipe, nullptr);
        if (std::string(content) == "Only tip\n") {
            ASSERT_TRUE(ReadNextTip(pipe).found);
        }
        const TipReading reading = ReadNextTip(pipe);
        EXPECT_TRUE(reading.rewindFailed) << content;
        EXPECT_FALSE(reading.found) << content;
        std::fclose(pipe);
    }
}

// The creation time as the C library's file status of the path reports it: st_ctime, which Windows
// fills with the creation time (and Linux with the time of the last status change).
std::time_t CreationTimeOf(const std::string& path) {
#ifdef _WIN32
    struct _stat64 status;
    EXPECT_EQ(_stat64(path.c_str(), &status), 0);
#else
    struct stat status;
    EXPECT_EQ(stat(path.c_str(), &status), 0);
#endif
    return status.st_ctime;
}

TEST_F(TipsFileTest, TimeStampIsTheCreationTimeAsCtimeWritesIt) {
    WriteTips("First tip\n");
    std::FILE* file = std::fopen(Path().c_str(), "r");
    ASSERT_NE(file, nullptr);
    const std::string stamp = TipFileTimeStamp(file);
    std::fclose(file);

    const std::time_t created = CreationTimeOf(Path());
    const std::string written = std::ctime(&created);  // "Www Mmm dd hh:mm:ss yyyy\n"
    ASSERT_EQ(written.size(), 25u);
    EXPECT_EQ(stamp, written.substr(0, 24));
}

}  // namespace

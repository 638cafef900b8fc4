#pragma once
// Reading tips.txt: one tip per line, walked in a circle from one showing to the next. Pure C streams, so
// the rules run and are tested natively as well as in the program.

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

inline constexpr char kTipsFileName[] = "tips.txt";

// A line is read at most this many characters at a time; the rest of a longer line is read as the next one.
inline constexpr std::size_t kTipPieceLength = 999;

// Empty lines and lines that begin with a blank, a tab or a semicolon (comments) are not tips.
bool IsTipLine(std::string_view piece);

struct TipReading {
    std::string text;  // the tip ending in a newline (unless the file's last line has none); empty when none
                       // was found
    bool found = false;         // false: a whole pass through the file held no tip
    bool rewindFailed = false;  // the stream could not go back to its start, so the reading ended
};

// Reads the next tip from the stream's position, continuing at the file's start after its end. A file
// without any tip, or one that cannot be rewound, ends the reading instead of looping for ever.
TipReading ReadNextTip(std::FILE* file);

// The stream's file creation time (st_ctime) as ctime writes it, trailing white space removed; empty
// when it cannot be had.
std::string TipFileTimeStamp(std::FILE* file);

struct TipStart {
    long position = 0;
    bool timeStampChanged = false;  // the stored time stamp must be replaced by the file's
};

// The stored position belongs to the file whose time stamp was stored with it; any other file (or one
// whose time stamp is unknown) is read from its beginning.
TipStart ChooseTipStart(const std::string& fileTimeStamp, const std::string& storedTimeStamp,
                        long storedPosition);

// What opening the tips file gave.
struct TipOpening {
    enum class Outcome {
        FileMissing,  // tips.txt could not be opened
        SeekFailed,   // the start position could not be reached: no tip was read
        Read,         // `reading` holds the first tip (or reports that there is none)
    };
    Outcome outcome = Outcome::FileMissing;
    TipReading reading;
    std::optional<std::string> newTimeStamp;  // to be stored when the file is not the one last read
};

// tips.txt, open for the life of one tip dialog.
class TipWalk {
  public:
    // Opens the file, picks the start position from the stored state and reads the first tip.
    TipOpening Open(const std::string& path, const std::string& storedTimeStamp, long storedPosition);

    // The next tip; after the last one comes the first. Nothing found when the file is not open.
    TipReading Next();

    bool IsOpen() const { return file_ != nullptr; }

    // The position behind the last tip read, to be stored for the next showing; nothing when the file is
    // not open or its position cannot be told.
    std::optional<long> PositionToStore() const;

  private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, FileCloser> file_;
};

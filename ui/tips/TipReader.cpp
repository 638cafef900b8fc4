#include "TipReader.h"

#include <sys/stat.h>

#include <ctime>

bool IsTipLine(std::string_view piece) {
    if (piece.empty()) {
        return false;
    }
    // '\r' too: a CRLF file read where text mode does not translate line ends still has empty lines.
    switch (piece.front()) {
        case ' ':
        case '\t':
        case '\n':
        case '\r':
        case ';':
            return false;
        default:
            return true;
    }
}

namespace {

// The file is read in binary mode, so a CR LF line end arrives as two characters: the tip keeps a
// single newline, as a text-mode read would give it. A CR that ends a piece of a CR LF line takes its
// LF along.
void EndWithNewline(std::string& tip, std::FILE* file) {
    if (tip.size() >= 2 && tip.compare(tip.size() - 2, 2, "\r\n") == 0) {
        tip.erase(tip.size() - 2);
        tip += '\n';
    } else if (!tip.empty() && tip.back() == '\r') {
        const int next = std::fgetc(file);
        if (next == '\n') {
            tip.back() = '\n';
        } else if (next != EOF) {
            std::ungetc(next, file);
        }
    }
}

}  // namespace

TipReading ReadNextTip(std::FILE* file) {
    TipReading reading;
    if (file == nullptr) {
        return reading;
    }
    char piece[kTipPieceLength + 1];
    // The first end of file closes the part behind the start position; the second closes one whole pass
    // from the file's start. Reaching it without a tip means there is none.
    int endsReached = 0;
    for (;;) {
        if (std::fgets(piece, sizeof piece, file) == nullptr) {
            if (++endsReached == 2) {
                return reading;
            }
            std::clearerr(file);
            if (std::fseek(file, 0, SEEK_SET) != 0) {
                reading.rewindFailed = true;
                return reading;
            }
            continue;
        }
        if (IsTipLine(piece)) {
            reading.text = piece;
            EndWithNewline(reading.text, file);
            reading.found = true;
            return reading;
        }
    }
}

std::string TipFileTimeStamp(std::FILE* file) {
    if (file == nullptr) {
        return {};
    }
#ifdef _WIN32
    struct _stat64 status;
    if (_fstat64(_fileno(file), &status) != 0) {
        return {};
    }
#else
    struct stat status;
    if (fstat(fileno(file), &status) != 0) {
        return {};
    }
#endif
    const std::time_t created = status.st_ctime;
    const char* text = std::ctime(&created);
    if (text == nullptr) {
        return {};
    }
    std::string stamp = text;
    while (!stamp.empty() && (stamp.back() == ' ' || stamp.back() == '\t' || stamp.back() == '\n' ||
                              stamp.back() == '\r' || stamp.back() == '\v' || stamp.back() == '\f')) {
        stamp.pop_back();
    }
    return stamp;
}

TipStart ChooseTipStart(const std::string& fileTimeStamp, const std::string& storedTimeStamp,
                        long storedPosition) {
    if (fileTimeStamp.empty()) {
        return {0, false};
    }
    if (fileTimeStamp != storedTimeStamp) {
        return {0, true};
    }
    return {storedPosition, false};
}

TipOpening TipWalk::Open(const std::string& path, const std::string& storedTimeStamp, long storedPosition) {
    TipOpening opening;
    // Binary mode: a text-mode stream of the Windows C library reports wrong positions for a file with
    // bare LF line ends, and the stored position would then land inside a line.
    file_.reset(std::fopen(path.c_str(), "rb"));
    if (!file_) {
        opening.outcome = TipOpening::Outcome::FileMissing;
        return opening;
    }
    const std::string stamp = TipFileTimeStamp(file_.get());
    const TipStart start = ChooseTipStart(stamp, storedTimeStamp, storedPosition);
    if (start.timeStampChanged) {
        opening.newTimeStamp = stamp;
    }
    if (std::fseek(file_.get(), start.position, SEEK_SET) != 0) {
        opening.outcome = TipOpening::Outcome::SeekFailed;
        return opening;
    }
    opening.outcome = TipOpening::Outcome::Read;
    opening.reading = ReadNextTip(file_.get());
    return opening;
}

TipReading TipWalk::Next() {
    return ReadNextTip(file_.get());
}

std::optional<long> TipWalk::PositionToStore() const {
    if (!file_) {
        return std::nullopt;
    }
    const long position = std::ftell(file_.get());
    if (position < 0) {
        return std::nullopt;
    }
    return position;
}

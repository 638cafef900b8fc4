#include "HelperProtocol.h"

namespace {

constexpr size_t kHeaderSize = 5;

bool IsKnownType(char c) {
    switch (static_cast<FrameType>(c)) {
        case FrameType::Hello:
        case FrameType::Run:
        case FrameType::Stop:
        case FrameType::Pause:
        case FrameType::Output:
        case FrameType::Errors:
        case FrameType::Exited:
            return true;
    }
    return false;
}

}  // namespace

std::string EncodeFrame(FrameType type, std::string_view payload) {
    const auto size = static_cast<std::uint32_t>(payload.size());
    std::string frame;
    frame.reserve(kHeaderSize + payload.size());
    frame += static_cast<char>(type);
    for (int shift = 0; shift < 32; shift += 8) {
        frame += static_cast<char>((size >> shift) & 0xFF);
    }
    frame.append(payload);
    return frame;
}

std::string EncodeRun(const std::vector<std::string>& toolAndArguments) {
    std::string payload;
    for (const std::string& word : toolAndArguments) {
        payload.append(word);
        payload += '\0';
    }
    return EncodeFrame(FrameType::Run, payload);
}

std::vector<std::string> DecodeRun(std::string_view payload) {
    std::vector<std::string> words;
    size_t start = 0;
    while (start < payload.size()) {
        size_t end = payload.find('\0', start);
        if (end == std::string_view::npos) {
            end = payload.size();
        }
        words.emplace_back(payload.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

std::string EncodeExitStatus(std::int32_t status) {
    std::string payload;
    const auto bits = static_cast<std::uint32_t>(status);
    for (int shift = 0; shift < 32; shift += 8) {
        payload += static_cast<char>((bits >> shift) & 0xFF);
    }
    return EncodeFrame(FrameType::Exited, payload);
}

std::int32_t DecodeExitStatus(std::string_view payload) {
    if (payload.size() != 4) {
        return -1;
    }
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) {
        bits = (bits << 8) | static_cast<unsigned char>(payload[static_cast<size_t>(i)]);
    }
    return static_cast<std::int32_t>(bits);
}

std::optional<Frame> FrameReader::Next() {
    if (broken_ || buffer_.size() < kHeaderSize) {
        return std::nullopt;
    }
    if (!IsKnownType(buffer_[0])) {
        broken_ = true;
        return std::nullopt;
    }
    std::uint32_t size = 0;
    for (int i = 4; i >= 1; --i) {
        size = (size << 8) | static_cast<unsigned char>(buffer_[static_cast<size_t>(i)]);
    }
    if (size > kMaxFramePayload) {
        broken_ = true;
        return std::nullopt;
    }
    if (buffer_.size() < kHeaderSize + size) {
        return std::nullopt;
    }
    Frame frame{static_cast<FrameType>(buffer_[0]), buffer_.substr(kHeaderSize, size)};
    buffer_.erase(0, kHeaderSize + size);
    return frame;
}

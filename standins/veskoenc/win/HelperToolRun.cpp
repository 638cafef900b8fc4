#include "HelperToolRun.h"

// Winsock first, then Windows, then what needs Windows types.
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <bcrypt.h>
// clang-format on

#include <deque>
#include <optional>

#include "ArgumentQuoting.h"
#include "HelperProtocol.h"
#include "Platform.h"
#include "UniqueHandle.h"
#include "WinText.h"

namespace {

constexpr int kConnectTimeoutMs = 10000;  // the helper starts in a few milliseconds; Wine may be slower

bool StartWinsock() {
    static const bool started = [] {
        WSADATA data{};
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

std::string RandomToken() {
    unsigned char bytes[16] = {};
    BCryptGenRandom(nullptr, bytes, sizeof bytes, BCRYPT_USE_SYSTEM_PREFERRED_RNG);
    static const char kHex[] = "0123456789abcdef";
    std::string token;
    for (const unsigned char b : bytes) {
        token += kHex[b >> 4];
        token += kHex[b & 15];
    }
    return token;
}

bool WaitReadable(SOCKET s, int timeoutMs) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval tv{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    return select(0, &set, nullptr, nullptr, &tv) == 1;
}

bool SendAll(SOCKET s, const std::string& data) {
    size_t sent = 0;
    while (sent < data.size()) {
        const int n = send(s, data.data() + sent, static_cast<int>(data.size() - sent), 0);
        if (n <= 0) {
            return false;
        }
        sent += static_cast<size_t>(n);
    }
    return true;
}

class HelperToolRun final : public ToolRun {
  public:
    explicit HelperToolRun(UniqueSocket connection, FrameReader reader)
        : connection_(std::move(connection)), reader_(std::move(reader)) {}
    // Closing the connection makes the helper end the tool and itself.
    ~HelperToolRun() override = default;

    ToolEvent Next(int timeoutMs) override {
        const std::int64_t deadline = SteadyMilliseconds() + timeoutMs;
        while (true) {
            if (exitStatus_) {
                return {ToolEvent::Kind::Exited, "", *exitStatus_};
            }
            if (const auto frame = reader_.Next()) {
                switch (frame->type) {
                    case FrameType::Output:
                        return {ToolEvent::Kind::Output, frame->payload, 0};
                    case FrameType::Errors:
                        return {ToolEvent::Kind::Errors, frame->payload, 0};
                    case FrameType::Exited:
                        exitStatus_ = DecodeExitStatus(frame->payload);
                        continue;
                    default:
                        continue;
                }
            }
            if (reader_.Broken()) {
                return Lost("the helper sent garbage");
            }
            const std::int64_t left = deadline - SteadyMilliseconds();
            if (left <= 0 || !WaitReadable(connection_.Get(), static_cast<int>(left))) {
                if (SteadyMilliseconds() >= deadline) {
                    return {};
                }
                continue;
            }
            char buffer[16384];
            const int n = recv(connection_.Get(), buffer, sizeof buffer, 0);
            if (n <= 0) {
                return Lost("the helper closed the connection");
            }
            reader_.Feed(std::string_view(buffer, static_cast<size_t>(n)));
        }
    }

    void RequestStop() override { SendAll(connection_.Get(), EncodeFrame(FrameType::Stop, "")); }
    void Pause(bool paused) override {
        SendAll(connection_.Get(), EncodeFrame(FrameType::Pause, paused ? "1" : "0"));
    }

  private:
    ToolEvent Lost(const char* why) {
        exitStatus_ = -1;
        return {ToolEvent::Kind::Errors, std::string("veskoenc: ") + why + "\n", 0};
    }

    UniqueSocket connection_;
    FrameReader reader_;
    std::optional<int> exitStatus_;
};

}  // namespace

std::unique_ptr<ToolRun> StartHelperTool(const std::string& helperUnixPath,
                                         const std::vector<std::string>& toolAndArguments,
                                         std::string& error) {
    if (!StartWinsock()) {
        error = "Winsock did not start";
        return nullptr;
    }
    UniqueSocket listener(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof address;
    if (!listener.Valid() ||
        bind(listener.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener.Get(), 1) != 0 ||
        getsockname(listener.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        error = "no loopback socket: " + std::to_string(WSAGetLastError());
        return nullptr;
    }
    const std::string token = RandomToken();
    std::wstring commandLine =
        Wide(JoinWindowsArguments({helperUnixPath, std::to_string(ntohs(address.sin_port)), token}));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process)) {
        error = "cannot start " + helperUnixPath + ": error " + std::to_string(GetLastError());
        return nullptr;
    }
    // Wine cannot wait for a Linux process; the connection tells us everything instead.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    if (!WaitReadable(listener.Get(), kConnectTimeoutMs)) {
        error = "the helper did not connect within " + std::to_string(kConnectTimeoutMs / 1000) + " s";
        return nullptr;
    }
    UniqueSocket connection(accept(listener.Get(), nullptr, nullptr));
    listener.Reset();
    FrameReader reader;
    std::optional<Frame> hello;
    const std::int64_t deadline = SteadyMilliseconds() + kConnectTimeoutMs;
    while (connection.Valid() && !hello && !reader.Broken() && SteadyMilliseconds() < deadline) {
        if (!WaitReadable(connection.Get(), 100)) {
            continue;
        }
        char buffer[256];
        const int n = recv(connection.Get(), buffer, sizeof buffer, 0);
        if (n <= 0) {
            break;
        }
        reader.Feed(std::string_view(buffer, static_cast<size_t>(n)));
        hello = reader.Next();
    }
    if (!hello || hello->type != FrameType::Hello || hello->payload != token) {
        error = "the connection on the loopback port did not come from our helper";
        return nullptr;
    }
    if (!SendAll(connection.Get(), EncodeRun(toolAndArguments))) {
        error = "the helper closed the connection";
        return nullptr;
    }
    return std::make_unique<HelperToolRun>(std::move(connection), std::move(reader));
}

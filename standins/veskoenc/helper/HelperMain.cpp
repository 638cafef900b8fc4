// veskoenc-helper: the Linux side of veskoenc.exe under Wine. Wine gives a Linux program started from a
// Windows one no standard handles and no way to wait for it or stop it, so veskoenc.exe starts this
// helper instead, which connects back over loopback, runs FFmpeg with ordinary pipes and relays them.
//
// Usage: veskoenc-helper PORT TOKEN (both from veskoenc.exe). Ends the tool and itself when the
// connection drops, so it never outlives veskoenc.exe.

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "HelperProtocol.h"
#include "SubOptions.h"

namespace {

constexpr int kRunRequestTimeoutMs = 10000;
constexpr int kKillAfterStopMs = 700;  // FFmpeg usually finishes its file well within this

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { Reset(); }
    int Get() const { return fd_; }
    void Reset(int fd = -1) {
        if (fd_ >= 0) {
            close(fd_);
        }
        fd_ = fd;
    }

  private:
    int fd_;
};

bool SendAll(int fd, const std::string& data) {
    size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n = send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        sent += static_cast<size_t>(n);
    }
    return true;
}

int ConnectLoopback(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return -1;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// Reads frames until a Run request arrives; nothing when the connection ends or times out first.
std::optional<std::vector<std::string>> ReceiveRunRequest(int socketFd, FrameReader& reader) {
    const std::int64_t deadline = NowMs() + kRunRequestTimeoutMs;
    while (true) {
        while (const auto frame = reader.Next()) {
            if (frame->type == FrameType::Run) {
                return DecodeRun(frame->payload);
            }
        }
        const std::int64_t left = deadline - NowMs();
        if (reader.Broken() || left <= 0) {
            return std::nullopt;
        }
        pollfd p{socketFd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) <= 0) {
            return std::nullopt;
        }
        char buffer[4096];
        const ssize_t n = recv(socketFd, buffer, sizeof buffer, 0);
        if (n <= 0) {
            return std::nullopt;
        }
        reader.Feed(std::string_view(buffer, static_cast<size_t>(n)));
    }
}

std::optional<std::string> ToolPath(const std::string& name) {
    for (const char* tool : kHelperTools) {
        if (name == tool) {
            return "/usr/bin/" + name;
        }
    }
    return std::nullopt;
}

int StatusOf(int waitStatus) {
    if (WIFEXITED(waitStatus)) {
        return WEXITSTATUS(waitStatus);
    }
    if (WIFSIGNALED(waitStatus)) {
        return 128 + WTERMSIG(waitStatus);
    }
    return -1;
}

struct Child {
    pid_t pid = -1;
    Fd output;
    Fd errors;
};

// fork/exec without a shell: every argument reaches the tool as its own word.
bool StartTool(const std::string& path, const std::vector<std::string>& words, Child& child,
               std::string& error) {
    int out[2];
    int err[2];
    int execStatus[2];
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0 || pipe2(execStatus, O_CLOEXEC) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    std::vector<char*> argv;
    for (const std::string& word : words) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        error = std::string("fork: ") + std::strerror(errno);
        return false;
    }
    if (pid == 0) {
        // The tool dies with the helper, whatever ends the helper.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);
        }
        const int devNull = open("/dev/null", O_RDONLY);
        if (devNull >= 0) {
            dup2(devNull, 0);
        }
        dup2(out[1], 1);
        dup2(err[1], 2);
        execv(path.c_str(), argv.data());
        const int code = errno;
        [[maybe_unused]] const ssize_t ignored = write(execStatus[1], &code, sizeof code);
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    close(execStatus[1]);
    int code = 0;
    const ssize_t n = read(execStatus[0], &code, sizeof code);
    close(execStatus[0]);
    child.pid = pid;
    child.output.Reset(out[0]);
    child.errors.Reset(err[0]);
    if (n == static_cast<ssize_t>(sizeof code)) {
        waitpid(pid, nullptr, 0);
        child.pid = -1;
        error = "cannot run " + path + ": " + std::strerror(code);
        return false;
    }
    return true;
}

void EndTool(Child& child) {
    if (child.pid > 0) {
        kill(child.pid, SIGKILL);
        waitpid(child.pid, nullptr, 0);
        child.pid = -1;
    }
}

// Relays the tool's output until it has ended; false when the connection dropped first.
bool Relay(int socketFd, FrameReader& reader, Child& child) {
    std::optional<std::int64_t> killAt;
    char buffer[16384];
    while (true) {
        if (child.output.Get() < 0 && child.errors.Get() < 0) {
            int status = 0;
            const pid_t done = waitpid(child.pid, &status, WNOHANG);
            if (done == child.pid) {
                child.pid = -1;
                SendAll(socketFd, EncodeExitStatus(StatusOf(status)));
                return true;
            }
        }
        if (killAt && NowMs() >= *killAt) {
            kill(child.pid, SIGKILL);
            killAt.reset();
        }
        pollfd fds[3] = {
            {socketFd, POLLIN, 0}, {child.output.Get(), POLLIN, 0}, {child.errors.Get(), POLLIN, 0}};
        // Once the tool has closed its output it is exiting: look for its status often, not every 100 ms.
        const bool exiting = child.output.Get() < 0 && child.errors.Get() < 0;
        if (poll(fds, 3, exiting ? 2 : 100) < 0 && errno != EINTR) {
            return false;
        }
        if (fds[0].revents != 0) {
            const ssize_t n = recv(socketFd, buffer, sizeof buffer, 0);
            if (n <= 0) {
                return false;
            }
            reader.Feed(std::string_view(buffer, static_cast<size_t>(n)));
            while (const auto frame = reader.Next()) {
                if (frame->type == FrameType::Stop && !killAt) {
                    kill(child.pid, SIGCONT);  // in case it was held
                    kill(child.pid, SIGTERM);  // FFmpeg finishes the file it writes and exits
                    killAt = NowMs() + kKillAfterStopMs;
                } else if (frame->type == FrameType::Pause && !killAt) {
                    kill(child.pid, frame->payload == "1" ? SIGSTOP : SIGCONT);
                }
            }
            if (reader.Broken()) {
                return false;
            }
        }
        const std::pair<Fd*, FrameType> streams[2] = {{&child.output, FrameType::Output},
                                                      {&child.errors, FrameType::Errors}};
        for (int i = 0; i < 2; ++i) {
            Fd& fd = *streams[i].first;
            if (fd.Get() < 0 || fds[i + 1].revents == 0) {
                continue;
            }
            const ssize_t n = read(fd.Get(), buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                fd.Reset();
            } else if (!SendAll(socketFd, EncodeFrame(streams[i].second,
                                                      std::string_view(buffer, static_cast<size_t>(n))))) {
                return false;
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PORT TOKEN (started by veskoenc.exe)\n", argv[0]);
        return 2;
    }
    const auto port = ParseWholeNumber(argv[1]);
    if (!port || *port <= 0 || *port > 65535) {
        std::fprintf(stderr, "%s: bad port %s\n", argv[0], argv[1]);
        return 2;
    }
    signal(SIGPIPE, SIG_IGN);
    Fd connection(ConnectLoopback(static_cast<int>(*port)));
    if (connection.Get() < 0 || !SendAll(connection.Get(), EncodeFrame(FrameType::Hello, argv[2]))) {
        return 1;
    }
    FrameReader reader;
    const auto request = ReceiveRunRequest(connection.Get(), reader);
    if (!request || request->empty()) {
        return 1;
    }
    std::string error;
    const auto path = ToolPath(request->front());
    Child child;
    if (!path) {
        error = "not a tool of veskoenc: " + request->front();
    } else {
        std::vector<std::string> words = *request;
        words.front() = *path;
        StartTool(*path, words, child, error);
    }
    if (!error.empty()) {
        SendAll(connection.Get(), EncodeFrame(FrameType::Errors, error + "\n"));
        SendAll(connection.Get(), EncodeExitStatus(-1));
        return 1;
    }
    const bool finished = Relay(connection.Get(), reader, child);
    EndTool(child);
    return finished ? 0 : 1;
}

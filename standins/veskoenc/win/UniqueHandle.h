#pragma once
// Ownership of kernel handles and sockets.

// clang-format off
#include <winsock2.h>
#include <windows.h>
// clang-format on

#include <utility>

template <typename T, T Invalid, typename Closer>
class UniqueResource {
  public:
    UniqueResource() = default;
    explicit UniqueResource(T value) : value_(value) {}
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    UniqueResource(UniqueResource&& other) noexcept : value_(std::exchange(other.value_, Invalid)) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.value_, Invalid));
        }
        return *this;
    }
    ~UniqueResource() { Reset(); }

    T Get() const { return value_; }
    bool Valid() const { return value_ != Invalid && value_ != T{}; }
    void Reset(T value = Invalid) {
        if (value_ != Invalid && value_ != T{}) {
            Closer{}(value_);
        }
        value_ = value;
    }

  private:
    T value_ = Invalid;
};

struct HandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
struct SocketCloser {
    void operator()(SOCKET s) const { closesocket(s); }
};

// INVALID_HANDLE_VALUE is not a constant expression; nullptr stands for "none", and handles that come
// back as INVALID_HANDLE_VALUE are stored as nullptr by the callers.
using UniqueHandle = UniqueResource<HANDLE, nullptr, HandleCloser>;
using UniqueSocket = UniqueResource<SOCKET, INVALID_SOCKET, SocketCloser>;

#include "CompanionLibrary.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace {
struct LibraryFreer {
    void operator()(HMODULE library) const { FreeLibrary(library); }
};
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;
using DecryptData = void (*)(int, char*);
}  // namespace

std::optional<std::string> CompanionAddress(int index, std::size_t bufferSize) {
    if (bufferSize == 0) {
        return std::nullopt;
    }
    const Library library(LoadLibraryA("vesko.dll"));
    if (!library) {
        return std::nullopt;
    }
    const auto decrypt =
        reinterpret_cast<DecryptData>(reinterpret_cast<void*>(GetProcAddress(library.get(), "decrypt_data")));
    if (decrypt == nullptr) {
        return std::nullopt;
    }
    std::vector<char> buffer(bufferSize, '\0');
    decrypt(index, buffer.data());
    buffer.back() = '\0';  // an address without its zero is cut at the buffer's end, not read beyond
    std::string address(buffer.data());
    if (address.empty()) {
        return std::nullopt;
    }
    return address;
}

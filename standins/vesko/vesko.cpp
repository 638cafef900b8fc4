// vesko.dll: the companion library's one export, decrypt_data, which writes the address for an index
// into the caller's buffer.

#include <cstring>

#include "VeskoAddresses.h"

extern "C" __declspec(dllexport) void decrypt_data(int index, char* buffer) {
    // The callers pass no size: every address is kept within the smallest buffer they use.
    if (buffer == nullptr) {
        return;
    }
    const std::string_view address = AddressForIndex(index);
    std::memcpy(buffer, address.data(), address.size());
    buffer[address.size()] = '\0';
}

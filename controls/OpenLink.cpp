#include "OpenLink.h"

#include <shellapi.h>

#include <cstring>
#include <memory>

#include "LinkCommand.h"

namespace {

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using RegistryKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

// The application's title: the program file's base name, as the framework names the application.
std::string ProgramTitle() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length < MAX_PATH ? length : 0);
    if (const auto slash = name.find_last_of("\\/"); slash != std::string::npos) {
        name.erase(0, slash + 1);
    }
    if (const auto dot = name.rfind('.'); dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
}

}  // namespace

LONG ReadRegistryDefault(HKEY root, const std::string& keyPath, std::string& value) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_QUERY_VALUE, &opened);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    const RegistryKey key(opened);
    char text[kRegistryValueCapacity] = {};
    DWORD type = 0;
    DWORD size = sizeof text;
    const LONG read =
        RegQueryValueExA(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    const bool isText = type == REG_SZ || type == REG_EXPAND_SZ;
    // A value too long for the buffer, or of another type, counts as no readable default.
    if (read != ERROR_SUCCESS || !isText) {
        value.clear();
    } else {
        value.assign(text, strnlen(text, size < sizeof text ? size : sizeof text - 1));
    }
    return ERROR_SUCCESS;
}

INT_PTR OpenLink(const std::string& address, int showCommand) {
    const INT_PTR shellResult = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, showCommand));
    if (shellResult > 32) {
        return shellResult;
    }

    std::string registered;
    if (ReadRegistryDefault(HKEY_CLASSES_ROOT, ".htm", registered) != ERROR_SUCCESS) {
        return shellResult;
    }
    if (ReadRegistryDefault(HKEY_CLASSES_ROOT, registered + "\\shell\\open\\command", registered) !=
        ERROR_SUCCESS) {
        return shellResult;
    }
    const std::optional<std::string> command = BuildOpenCommand(registered, address);
    if (!command) {
        return shellResult;
    }
    return static_cast<INT_PTR>(WinExec(command->c_str(), static_cast<UINT>(showCommand)));
}

void ShowOpenError(INT_PTR code, HWND owner) {
    const std::string message = OpenErrorMessage(static_cast<long long>(code));
    MessageBoxA(owner, message.c_str(), ProgramTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

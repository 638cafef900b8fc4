// Stand-in for the skinning library. It checks and keeps the skin it is given and remembers which
// skin object dialogs use, but draws nothing: windows keep the platform's look. Popup menus are tracked
// by the platform, so a chosen item reaches the owner as WM_COMMAND, as the real library does.
//
// Skin resource layout: "KSKN", u16 version, u16 object count, u32 size, then 32-byte object records
// (16-byte name, four colours).

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

struct SkinState {
    bool initialised = false;
    const unsigned char* skin = nullptr;
    DWORD skinSize = 0;
    std::string dialogObject;
    std::string log;  // the calls in order, for the program's own tests
};

SkinState& State() {
    static SkinState state;
    return state;
}

void Log(const std::string& entry) {
    State().log += entry + ";";
}

constexpr size_t kHeaderSize = 12;
constexpr size_t kRecordSize = 32;

bool SkinHasObject(const char* name) {
    const SkinState& state = State();
    if (state.skin == nullptr) {
        return false;
    }
    std::uint16_t count = 0;
    std::memcpy(&count, state.skin + 6, sizeof count);
    for (size_t i = 0; i < count; ++i) {
        const size_t offset = kHeaderSize + i * kRecordSize;
        if (offset + kRecordSize > state.skinSize) {
            return false;
        }
        char recordName[17] = {};
        std::memcpy(recordName, state.skin + offset, 16);
        if (std::strcmp(recordName, name) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" {

__declspec(dllexport) int InitSkinLibrary(HINSTANCE) {
    State().initialised = true;
    Log("init");
    return 1;
}

__declspec(dllexport) int ExitSkinLibrary() {
    SkinState& state = State();
    state.initialised = false;
    state.skin = nullptr;
    state.skinSize = 0;
    state.dialogObject.clear();
    Log("exit");
    return 1;
}

__declspec(dllexport) int LoadSkinFromResource(HINSTANCE module, const char* name, const char* type) {
    SkinState& state = State();
    std::string entry = std::string("load:") + (name ? name : "") + "/" + (type ? type : "");
    HRSRC resource = state.initialised && name && type ? FindResourceA(module, name, type) : nullptr;
    HGLOBAL data = resource ? LoadResource(module, resource) : nullptr;
    const auto* bytes = data ? static_cast<const unsigned char*>(LockResource(data)) : nullptr;
    const DWORD size = resource ? SizeofResource(module, resource) : 0;
    std::uint32_t declaredSize = 0;
    if (bytes != nullptr && size >= kHeaderSize) {
        std::memcpy(&declaredSize, bytes + 8, sizeof declaredSize);
    }
    if (bytes == nullptr || size < kHeaderSize || std::memcmp(bytes, "KSKN", 4) != 0 ||
        declaredSize != size) {
        Log(entry + ":failed");
        return 0;
    }
    state.skin = bytes;
    state.skinSize = size;
    Log(entry + ":ok");
    return 1;
}

__declspec(dllexport) int SetDialogSkin(const char* objectName) {
    const bool known = objectName != nullptr && SkinHasObject(objectName);
    if (known) {
        State().dialogObject = objectName;
    }
    Log(std::string("dialog:") + (objectName ? objectName : "") + (known ? ":ok" : ":failed"));
    return known ? 1 : 0;
}

// Windows that keep their own look whatever the skin does; nothing to do while nothing is drawn.
__declspec(dllexport) int SkinSingleWindow(HWND window) {
    Log(IsWindow(window) ? "window" : "window:failed");
    return IsWindow(window) ? 1 : 0;
}

__declspec(dllexport) int TrackSkinPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner) {
    Log("popup");
    // The chosen command goes to the owner as WM_COMMAND; nothing is returned.
    return TrackPopupMenu(menu, flags & ~static_cast<UINT>(TPM_RETURNCMD | TPM_NONOTIFY), x, y, 0, owner,
                          nullptr);
}

__declspec(dllexport) const char* SkinMagicCallLog() {
    return State().log.c_str();
}

}  // extern "C"

#include "SkinLibrary.h"

namespace {

constexpr int kInitOrdinal = 1;
constexpr int kExitOrdinal = 2;
constexpr int kLoadSkinOrdinal = 4;
constexpr int kSingleWindowOrdinal = 7;
constexpr int kDialogSkinOrdinal = 8;
constexpr int kTrackMenuOrdinal = 13;

using InitFn = int (*)(HINSTANCE);
using ExitFn = int (*)();
using LoadSkinFn = int (*)(HINSTANCE, const char*, const char*);
using SingleWindowFn = int (*)(HWND);
using DialogSkinFn = int (*)(const char*);
using TrackMenuFn = int (*)(HMENU, UINT, int, int, HWND);

// The library, loaded once and kept until the process ends.
class Library {
  public:
    ~Library() {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }
    void Load() {
        if (module_ == nullptr) {
            module_ = LoadLibraryA("SkinMagic.dll");
        }
    }
    template <class Fn>
    Fn Get(int ordinal) const {
        if (module_ == nullptr) {
            return nullptr;
        }
        return reinterpret_cast<Fn>(
            reinterpret_cast<void*>(GetProcAddress(module_, MAKEINTRESOURCEA(ordinal))));
    }

  private:
    HMODULE module_ = nullptr;
};

Library& TheLibrary() {
    static Library library;
    return library;
}

}  // namespace

namespace skin {

void Initialise(HINSTANCE instance) {
    TheLibrary().Load();
    if (auto init = TheLibrary().Get<InitFn>(kInitOrdinal)) {
        init(instance);
    }
}

void LoadSkin(HINSTANCE instance, const char* name, const char* type) {
    if (auto load = TheLibrary().Get<LoadSkinFn>(kLoadSkinOrdinal)) {
        load(instance, name, type);
    }
}

void SetDialogSkin(const char* objectName) {
    if (auto choose = TheLibrary().Get<DialogSkinFn>(kDialogSkinOrdinal)) {
        choose(objectName);
    }
}

void SkinWindow(HWND window) {
    if (auto single = TheLibrary().Get<SingleWindowFn>(kSingleWindowOrdinal)) {
        single(window);
    }
}

void TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner) {
    if (auto track = TheLibrary().Get<TrackMenuFn>(kTrackMenuOrdinal)) {
        track(menu, flags, x, y, owner);
        return;
    }
    ::TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr);
}

void Shutdown() {
    if (auto exit = TheLibrary().Get<ExitFn>(kExitOrdinal)) {
        exit();
    }
}

}  // namespace skin

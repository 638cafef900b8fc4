#pragma once
// Menus loaded from resources are destroyed with their owner; pop-ups and the system menu are only used.

#include <windows.h>

#include <string>
#include <utility>

#include "WinApp.h"

class CMenu {
  public:
    CMenu() = default;
    ~CMenu() { DestroyMenu(); }
    CMenu(CMenu&& other) noexcept : menu_(std::exchange(other.menu_, nullptr)), owned_(other.owned_) {}
    CMenu& operator=(CMenu&& other) noexcept {
        if (this != &other) {
            DestroyMenu();
            menu_ = std::exchange(other.menu_, nullptr);
            owned_ = other.owned_;
        }
        return *this;
    }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // A menu that belongs to a window or another menu.
    static CMenu Use(HMENU menu) {
        CMenu result;
        result.menu_ = menu;
        result.owned_ = false;
        return result;
    }
    BOOL LoadMenu(UINT id) {
        DestroyMenu();
        menu_ = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
        owned_ = true;
        return menu_ != nullptr;
    }
    void DestroyMenu() {
        if (menu_ != nullptr && owned_) {
            ::DestroyMenu(menu_);
        }
        menu_ = nullptr;
    }

    HMENU GetSafeHmenu() const { return menu_; }
    operator HMENU() const { return menu_; }
    HMENU GetSubMenu(int position) const { return ::GetSubMenu(menu_, position); }
    int GetMenuItemCount() const { return ::GetMenuItemCount(menu_); }
    UINT GetMenuItemID(int position) const { return ::GetMenuItemID(menu_, position); }
    std::string GetMenuString(int position) const {
        char text[256] = {};
        ::GetMenuStringA(menu_, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
        return text;
    }
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr) {
        return ::AppendMenuA(menu_, flags, id, text);
    }

  private:
    HMENU menu_ = nullptr;
    bool owned_ = true;
};

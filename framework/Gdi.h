#pragma once
// Move-only owners of GDI handles; every SelectObject is undone by a guard.

#include <windows.h>

#include <string>
#include <utility>

// A pen, brush, font or bitmap that is deleted with its owner.
template <class Handle>
class CGdiObject {
  public:
    CGdiObject() = default;
    explicit CGdiObject(Handle handle) : handle_(handle) {}
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(CGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept {
        if (this != &other) {
            DeleteObject();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    Handle Get() const { return handle_; }
    operator Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle = nullptr) {
        DeleteObject();
        handle_ = handle;
    }
    void DeleteObject() {
        if (handle_ != nullptr) {
            ::DeleteObject(handle_);
            handle_ = nullptr;
        }
    }

  private:
    Handle handle_ = nullptr;
};

class CBitmap : public CGdiObject<HBITMAP> {
  public:
    using CGdiObject::CGdiObject;
    BOOL CreateCompatibleBitmap(HDC dc, int width, int height) {
        Reset(::CreateCompatibleBitmap(dc, width, height));
        return Get() != nullptr;
    }
    BOOL LoadBitmap(HINSTANCE module, UINT id) {
        Reset(::LoadBitmapA(module, MAKEINTRESOURCEA(id)));
        return Get() != nullptr;
    }
    SIZE GetSize() const {
        BITMAP info{};
        ::GetObjectA(Get(), sizeof info, &info);
        return {info.bmWidth, info.bmHeight};
    }
};

class CFont : public CGdiObject<HFONT> {
  public:
    using CGdiObject::CGdiObject;
    BOOL CreateFontIndirect(const LOGFONTA& description) {
        Reset(::CreateFontIndirectA(&description));
        return Get() != nullptr;
    }
};

class CBrush : public CGdiObject<HBRUSH> {
  public:
    using CGdiObject::CGdiObject;
    BOOL CreateSolidBrush(COLORREF colour) {
        Reset(::CreateSolidBrush(colour));
        return Get() != nullptr;
    }
};

// Puts an object into a drawing context and puts the previous one back when it ends.
class CSelection {
  public:
    CSelection() = default;
    CSelection(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(dc && object ? ::SelectObject(dc, object) : nullptr) {}
    ~CSelection() { Restore(); }
    CSelection(CSelection&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), previous_(std::exchange(other.previous_, nullptr)) {}
    CSelection& operator=(CSelection&& other) noexcept {
        if (this != &other) {
            Restore();
            dc_ = std::exchange(other.dc_, nullptr);
            previous_ = std::exchange(other.previous_, nullptr);
        }
        return *this;
    }
    CSelection(const CSelection&) = delete;
    CSelection& operator=(const CSelection&) = delete;

    HGDIOBJ Previous() const { return previous_; }
    void Restore() {
        if (dc_ != nullptr && previous_ != nullptr) {
            ::SelectObject(dc_, previous_);
        }
        dc_ = nullptr;
        previous_ = nullptr;
    }

  private:
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// A drawing context: owned (memory contexts), borrowed from a window, or merely used (draw-item data).
class CDC {
  public:
    CDC() = default;
    ~CDC() { Release(); }
    CDC(CDC&& other)
    noexcept : dc_(std::exchange(other.dc_, nullptr)), window_(other.window_), kind_(other.kind_) {}
    CDC& operator=(CDC&& other) noexcept {
        if (this != &other) {
            Release();
            dc_ = std::exchange(other.dc_, nullptr);
            window_ = other.window_;
            kind_ = other.kind_;
        }
        return *this;
    }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A context someone else owns and releases.
    static CDC Use(HDC dc) {
        CDC result;
        result.dc_ = dc;
        result.kind_ = Kind::Used;
        return result;
    }
    // The client area context of a window, released when this ends.
    static CDC ForClientArea(HWND window) {
        CDC result;
        result.dc_ = ::GetDC(window);
        result.window_ = window;
        result.kind_ = Kind::WindowDc;
        return result;
    }
    BOOL CreateCompatibleDC(HDC other) {
        Release();
        dc_ = ::CreateCompatibleDC(other);
        kind_ = Kind::Memory;
        return dc_ != nullptr;
    }
    void DeleteDC() { Release(); }

    HDC GetSafeHdc() const { return dc_; }
    operator HDC() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

    [[nodiscard]] CSelection SelectObject(HGDIOBJ object) { return CSelection(dc_, object); }
    int SetBkMode(int mode) { return ::SetBkMode(dc_, mode); }
    COLORREF SetTextColor(COLORREF colour) { return ::SetTextColor(dc_, colour); }
    COLORREF SetBkColor(COLORREF colour) { return ::SetBkColor(dc_, colour); }
    void FillSolidRect(const RECT& rect, COLORREF colour) {
        const COLORREF previous = ::SetBkColor(dc_, colour);
        ::ExtTextOutA(dc_, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
        ::SetBkColor(dc_, previous);
    }
    void FillRect(const RECT& rect, HBRUSH brush) { ::FillRect(dc_, &rect, brush); }
    // A one-pixel frame: top and left in one colour, bottom and right in the other.
    void Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
        const int width = rect.right - rect.left;
        const int height = rect.bottom - rect.top;
        FillSolidRect({rect.left, rect.top, rect.left + width - 1, rect.top + 1}, topLeft);
        FillSolidRect({rect.left, rect.top, rect.left + 1, rect.top + height - 1}, topLeft);
        FillSolidRect({rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
        FillSolidRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    }
    int DrawText(const std::string& text, RECT& rect, UINT format) {
        return ::DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &rect, format);
    }
    BOOL BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                DWORD rop = SRCCOPY) {
        return ::BitBlt(dc_, x, y, width, height, source, sourceX, sourceY, rop);
    }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(dc_, x, y, icon); }

  private:
    enum class Kind { Used, Memory, WindowDc };
    void Release() {
        if (dc_ != nullptr) {
            if (kind_ == Kind::Memory) {
                ::DeleteDC(dc_);
            } else if (kind_ == Kind::WindowDc) {
                ::ReleaseDC(window_, dc_);
            }
        }
        dc_ = nullptr;
        window_ = nullptr;
        kind_ = Kind::Used;
    }

    HDC dc_ = nullptr;
    HWND window_ = nullptr;
    Kind kind_ = Kind::Used;
};

// BeginPaint/EndPaint for one WM_PAINT.
class CPaintDC {
  public:
    explicit CPaintDC(HWND window) : window_(window), dc_(::BeginPaint(window, &m_ps)) {}
    ~CPaintDC() { ::EndPaint(window_, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const { return dc_; }
    operator HDC() const { return dc_; }
    CDC Use() const { return CDC::Use(dc_); }

    PAINTSTRUCT m_ps{};

  private:
    HWND window_;
    HDC dc_;
};

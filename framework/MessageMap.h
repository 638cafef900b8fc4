#pragma once
// Binding tables: one line per binding, each line checked by the compiler against the handler's type.
//
//   static const Binding<CMyDlg> bindings[] = {
//       OnCommand({1002, 1025}, &CMyDlg::AddFiles),
//       OnNotify(NM_RCLICK, 1006, &CMyDlg::ShowListMenu),
//       OnMessage(WM_PAINT, &CMyDlg::OnPaint),
//   };
//   return RunBindings(bindings, *this, msg, wParam, lParam, result) || CDialog::OnWndMsg(...);
// A handler that calls SetMsgHandled(false) leaves the message to the default handling.

#include <windows.h>

#include <array>
#include <initializer_list>
#include <variant>

#include "Wnd.h"

template <class T>
struct Binding {
    using Command = void (T::*)();                          // a command id, or a control's notification
    using Notify = void (T::*)(NMHDR*, LRESULT*);           // WM_NOTIFY of a control
    using Message = LRESULT (T::*)(WPARAM, LPARAM);         // any window message
    using ReflectedCommand = bool (T::*)();                 // own notification; true keeps it from the parent
    using ReflectedColor = HBRUSH (T::*)(HDC, UINT);        // own WM_CTLCOLOR*: the brush, or null
    using ReflectedNotify = bool (T::*)(NMHDR*, LRESULT*);  // own WM_NOTIFY; true keeps it from the parent

    static constexpr UINT kAnyCode = 0xFFFFFFFF;
    static constexpr size_t kMaxIds = 4;

    UINT message = 0;
    UINT code = kAnyCode;  // notification code for WM_COMMAND/WM_NOTIFY bindings
    std::array<UINT, kMaxIds> ids{};
    size_t idCount = 0;  // 0: any source
    std::variant<Command, Notify, Message, ReflectedCommand, ReflectedColor, ReflectedNotify> handler;

    bool MatchesId(UINT id) const {
        if (idCount == 0) {
            return true;
        }
        for (size_t i = 0; i < idCount; ++i) {
            if (ids[i] == id) {
                return true;
            }
        }
        return false;
    }
};

namespace binding_detail {
template <class T, class Fn>
Binding<T> Make(UINT message, UINT code, std::initializer_list<UINT> ids, Fn fn) {
    Binding<T> b;
    b.message = message;
    b.code = code;
    for (UINT id : ids) {
        if (b.idCount < Binding<T>::kMaxIds) {
            b.ids[b.idCount++] = id;
        }
    }
    b.handler = fn;
    return b;
}
inline bool IsCtlColor(UINT msg) {
    return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC;
}
}  // namespace binding_detail

// Menu commands and control clicks (any notification code) from the given ids.
template <class T>
Binding<T> OnCommand(std::initializer_list<UINT> ids, void (T::*fn)()) {
    return binding_detail::Make<T>(WM_COMMAND, Binding<T>::kAnyCode, ids, fn);
}
// One notification code of a control, e.g. CBN_SELCHANGE.
template <class T>
Binding<T> OnControl(UINT code, UINT id, void (T::*fn)()) {
    return binding_detail::Make<T>(WM_COMMAND, code, {id}, fn);
}
template <class T>
Binding<T> OnNotify(UINT code, UINT id, void (T::*fn)(NMHDR*, LRESULT*)) {
    return binding_detail::Make<T>(WM_NOTIFY, code, {id}, fn);
}
template <class T>
Binding<T> OnMessage(UINT message, LRESULT (T::*fn)(WPARAM, LPARAM)) {
    return binding_detail::Make<T>(message, Binding<T>::kAnyCode, {}, fn);
}
// The control's own notifications, sent back to it by its parent.
template <class T>
Binding<T> OnReflectedCommand(UINT code, bool (T::*fn)()) {
    return binding_detail::Make<T>(WM_COMMAND, code, {}, fn);
}
template <class T>
Binding<T> OnReflectedColor(HBRUSH (T::*fn)(HDC, UINT)) {
    return binding_detail::Make<T>(WM_CTLCOLORSTATIC, Binding<T>::kAnyCode, {}, fn);
}
template <class T>
Binding<T> OnReflectedNotify(UINT code, bool (T::*fn)(NMHDR*, LRESULT*)) {
    return binding_detail::Make<T>(WM_NOTIFY, code, {}, fn);
}

// True when a handler took the message.
template <class T, size_t N>
bool CWnd::RunBindings(const Binding<T> (&bindings)[N], T& wnd, UINT msg, WPARAM wParam, LPARAM lParam,
                       LRESULT& result) {
    using B = Binding<T>;
    ReflectedMessage* reflected =
        msg == WM_FW_REFLECT ? reinterpret_cast<ReflectedMessage*>(lParam) : nullptr;
    const UINT realMsg = reflected ? reflected->message : msg;
    const WPARAM realW = reflected ? reflected->wParam : wParam;
    const LPARAM realL = reflected ? reflected->lParam : lParam;

    for (const B& b : bindings) {
        const bool isReflectedBinding = std::holds_alternative<typename B::ReflectedCommand>(b.handler) ||
                                        std::holds_alternative<typename B::ReflectedColor>(b.handler) ||
                                        std::holds_alternative<typename B::ReflectedNotify>(b.handler);
        if (isReflectedBinding != (reflected != nullptr)) {
            continue;
        }
        UINT code = B::kAnyCode;
        UINT id = 0;
        if (realMsg == WM_COMMAND) {
            code = HIWORD(realW);
            id = LOWORD(realW);
        } else if (realMsg == WM_NOTIFY) {
            const auto* header = reinterpret_cast<const NMHDR*>(realL);
            code = header->code;
            id = static_cast<UINT>(header->idFrom);
        }
        const bool messageMatches = b.message == realMsg || (b.message == WM_CTLCOLORSTATIC && reflected &&
                                                             binding_detail::IsCtlColor(realMsg));
        if (!messageMatches || (b.code != B::kAnyCode && b.code != code) || !b.MatchesId(id)) {
            continue;
        }

        CWnd& base = wnd;
        const bool savedHandled = base.msgHandled_;
        base.msgHandled_ = true;
        LRESULT value = 0;
        bool handled = true;
        if (auto* command = std::get_if<typename B::Command>(&b.handler)) {
            (wnd.**command)();
        } else if (auto* notify = std::get_if<typename B::Notify>(&b.handler)) {
            (wnd.**notify)(reinterpret_cast<NMHDR*>(lParam), &value);
        } else if (auto* message = std::get_if<typename B::Message>(&b.handler)) {
            value = (wnd.**message)(wParam, lParam);
        } else if (auto* ownCommand = std::get_if<typename B::ReflectedCommand>(&b.handler)) {
            handled = (wnd.**ownCommand)();
        } else if (auto* color = std::get_if<typename B::ReflectedColor>(&b.handler)) {
            HBRUSH brush = (wnd.**color)(reinterpret_cast<HDC>(realW), realMsg - WM_CTLCOLORMSGBOX);
            value = reinterpret_cast<LRESULT>(brush);
            handled = brush != nullptr;
        } else if (auto* ownNotify = std::get_if<typename B::ReflectedNotify>(&b.handler)) {
            handled = (wnd.**ownNotify)(reinterpret_cast<NMHDR*>(realL), &value);
        }
        handled = handled && base.msgHandled_;
        base.msgHandled_ = savedHandled;
        if (!handled) {
            return false;
        }
        if (reflected) {
            reflected->result = value;
            reflected->handled = true;
        } else {
            result = value;
        }
        return true;
    }
    return false;
}

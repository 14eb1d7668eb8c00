// SPDX-License-Identifier: BSD-3-Clause
// Message maps: one table per class, from a window message (or a control id and notification
// code) to a member handler. A class's table chains to its base's, so a base handles what the
// derived class does not map.
#pragma once

#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

#include "platform/types.h"

class CCmdTarget;

class ZEM_EXPORT CMessageMap {
public:
    // A handler gets the target, wParam and lParam; it returns the message's result.
    using Call = std::function<LRESULT(CCmdTarget*, WPARAM, LPARAM)>;

    struct Entry {
        UINT message;          // WM_COMMAND, WM_NOTIFY or any window message
        UINT code;             // notification code (WM_COMMAND, WM_NOTIFY)
        UINT id;               // control id (WM_COMMAND, WM_NOTIFY)
        const UINT* registered;  // for a registered message: where its number is kept
        Call call;
    };

    CMessageMap(const CMessageMap* base, std::initializer_list<Entry> entries) : base_(base), entries_(entries) {}
    // A table made by the program (from a dialog's own tables).
    CMessageMap(const CMessageMap* base, std::vector<Entry> entries) : base_(base), entries_(std::move(entries)) {}

    // The entry for a command/notification from control id, or for a window message.
    const Entry* FindCommand(UINT message, UINT code, UINT id) const;
    const Entry* FindMessage(UINT message) const;

    // The table's own entries and the table it chains to (null at the end), for those who check
    // what a class maps.
    std::span<const Entry> Entries() const { return entries_; }
    const CMessageMap* Base() const { return base_; }

private:
    const CMessageMap* base_;
    std::vector<Entry> entries_;
};

// Builds the entries of class T's table with T's member handlers.
template <class T>
struct MessageMapOf {
    using Entry = CMessageMap::Entry;

    static Entry OnCommand(UINT code, UINT id, void (T::*f)()) {
        return {WM_COMMAND, code, id, nullptr, [f](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {
                    (static_cast<T*>(t)->*f)();
                    return 0;
                }};
    }
    static Entry OnBnClicked(UINT id, void (T::*f)()) { return OnCommand(BN_CLICKED, id, f); }
    static Entry OnEnChange(UINT id, void (T::*f)()) { return OnCommand(EN_CHANGE, id, f); }
    static Entry OnCbnSelchange(UINT id, void (T::*f)()) { return OnCommand(CBN_SELCHANGE, id, f); }

    // WM_NOTIFY: lParam is the NMHDR; the handler sets *result.
    static Entry OnNotify(UINT code, UINT id, void (T::*f)(NMHDR*, LRESULT*)) {
        return {WM_NOTIFY, code, id, nullptr, [f](CCmdTarget* t, WPARAM, LPARAM l) -> LRESULT {
                    LRESULT result = 0;
                    (static_cast<T*>(t)->*f)(reinterpret_cast<NMHDR*>(l), &result);
                    return result;
                }};
    }

    static Entry OnMessage(UINT message, LRESULT (T::*f)(WPARAM, LPARAM)) {
        return {message, 0, 0, nullptr, [f](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {
                    return (static_cast<T*>(t)->*f)(w, l);
                }};
    }
    static Entry OnRegisteredMessage(const UINT* message, LRESULT (T::*f)(WPARAM, LPARAM)) {
        Entry e = OnMessage(0, f);
        e.registered = message;
        return e;
    }
    static Entry OnPaint(void (T::*f)()) {
        return {WM_PAINT, 0, 0, nullptr, [f](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {
                    (static_cast<T*>(t)->*f)();
                    return 0;
                }};
    }
};

class ZEM_EXPORT CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    virtual const CMessageMap* GetMessageMap() const { return nullptr; }
};

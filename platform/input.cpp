// SPDX-License-Identifier: BSD-3-Clause
#include "platform/input.h"

#include <algorithm>

#include "platform/dialog.h"

namespace input {

namespace {

DWORD ButtonKind(HWND w) { return w->style & BS_TYPEMASK; }

// The control a person can act on, or why not.
InputResult Reach(CWnd& dialog, UINT id, HWND& control) {
    control = AfxFindChild(dialog.m_hWnd, id);
    if (!control) return InputResult::NoControl;
    if (!control->enabled) return InputResult::Disabled;
    return InputResult::Done;
}

bool Ended(CWnd& dialog) { return dialog.HasEnded(); }

// The notifications of one change of an edit's text by the keyboard. The text is changed in
// place, so that a key costs no allocation.
void KeyChange(HWND edit) {
    AfxNotifyWndChanged(edit, WndChange::Text);
    AfxNotifyParent(edit, EN_CHANGE);
}

void SetCheck(HWND button, int check) { AfxSendMessage(button, BM_SETCHECK, static_cast<WPARAM>(check), 0); }

InputResult Keys(CWnd& dialog, UINT id, std::wstring_view text, bool replaceFirst) {
    HWND edit = nullptr;
    if (auto r = Reach(dialog, id, edit); r != InputResult::Done) return r;
    if (edit->wndClass != WndClass::Edit) return InputResult::Unsupported;
    bool selectAll = replaceFirst;
    for (wchar_t c : text) {
        if (Ended(dialog) || !edit->enabled) break;
        const bool replace = selectAll;
        selectAll = false;
        const std::size_t kept = replace ? 0 : edit->text.size();
        if (static_cast<long long>(kept) + 1 > edit->textLimit) continue;  // the keyboard refuses it
        if (replace) edit->text.clear();
        edit->text += c;
        KeyChange(edit);
    }
    return InputResult::Done;
}

}  // namespace

InputResult Click(CWnd& dialog, UINT id) {
    HWND b = nullptr;
    if (auto r = Reach(dialog, id, b); r != InputResult::Done) return r;
    if (b->wndClass != WndClass::Button) return InputResult::Done;  // clicking a label or frame does nothing
    switch (ButtonKind(b)) {
        case BS_AUTOCHECKBOX:
            SetCheck(b, b->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
            break;
        case BS_AUTO3STATE:
            SetCheck(b, (b->check + 1) % 3);
            break;
        case BS_AUTORADIOBUTTON:
            for (HWND c : AfxRadioGroup(b))
                if (c != b && ButtonKind(c) == BS_AUTORADIOBUTTON) SetCheck(c, BST_UNCHECKED);
            SetCheck(b, BST_CHECKED);
            break;
        case BS_GROUPBOX:
            return InputResult::Done;
        default:
            break;
    }
    AfxNotifyParent(b, BN_CLICKED);
    return InputResult::Done;
}

InputResult Type(CWnd& dialog, UINT id, std::wstring_view text) { return Keys(dialog, id, text, true); }
InputResult Append(CWnd& dialog, UINT id, std::wstring_view text) { return Keys(dialog, id, text, false); }

InputResult Backspace(CWnd& dialog, UINT id, int count) {
    HWND edit = nullptr;
    if (auto r = Reach(dialog, id, edit); r != InputResult::Done) return r;
    if (edit->wndClass != WndClass::Edit) return InputResult::Unsupported;
    for (int i = 0; i < count; ++i) {
        if (Ended(dialog) || !edit->enabled || edit->text.empty()) break;
        edit->text.pop_back();
        KeyChange(edit);
    }
    return InputResult::Done;
}

InputResult Clear(CWnd& dialog, UINT id) {
    HWND edit = nullptr;
    if (auto r = Reach(dialog, id, edit); r != InputResult::Done) return r;
    if (edit->wndClass != WndClass::Edit) return InputResult::Unsupported;
    if (!edit->text.empty()) {
        edit->text.clear();
        KeyChange(edit);
    }
    return InputResult::Done;
}

InputResult Paste(CWnd& dialog, UINT id, std::wstring_view text) {
    HWND edit = nullptr;
    if (auto r = Reach(dialog, id, edit); r != InputResult::Done) return r;
    if (edit->wndClass != WndClass::Edit) return InputResult::Unsupported;
    if (static_cast<long long>(text.size()) > edit->textLimit) text = text.substr(0, static_cast<std::size_t>(edit->textLimit));
    edit->text.assign(text);
    KeyChange(edit);
    return InputResult::Done;
}

InputResult SpinRaw(CWnd& dialog, UINT id, int delta) {
    HWND spin = nullptr;
    if (auto r = Reach(dialog, id, spin); r != InputResult::Done) return r;
    if (spin->wndClass != WndClass::UpDown) return InputResult::Unsupported;
    NMUPDOWN nm;
    nm.hdr.hwndFrom = spin;
    nm.hdr.idFrom = spin->id;
    nm.hdr.code = UDN_DELTAPOS;
    nm.iPos = spin->pos;
    nm.iDelta = delta;
    const LRESULT refused = AfxSendMessage(spin->parent, WM_NOTIFY, spin->id, reinterpret_cast<LPARAM>(&nm));
    if (!refused) {
        // Any int is a delta (a held arrow accelerates): add without overflowing.
        const long long lo = std::min(spin->lower, spin->upper), hi = std::max(spin->lower, spin->upper);
        spin->pos = static_cast<int>(std::clamp(static_cast<long long>(spin->pos) + nm.iDelta, lo, hi));
    }
    return InputResult::Done;
}

InputResult Spin(CWnd& dialog, UINT id, bool up, int count) {
    HWND spin = nullptr;
    if (auto r = Reach(dialog, id, spin); r != InputResult::Done) return r;
    if (spin->wndClass != WndClass::UpDown) return InputResult::Unsupported;
    for (int i = 0; i < count && !Ended(dialog) && spin->enabled; ++i) {
        const int upDelta = spin->upper >= spin->lower ? 1 : -1;
        SpinRaw(dialog, id, up ? upDelta : -upDelta);
    }
    return InputResult::Done;
}

InputResult Select(CWnd& dialog, UINT id, int index) {
    HWND list = nullptr;
    if (auto r = Reach(dialog, id, list); r != InputResult::Done) return r;
    if (list->wndClass != WndClass::ComboBox && list->wndClass != WndClass::ListBox) return InputResult::Unsupported;
    if (index < 0 || index >= static_cast<int>(list->items.size())) return InputResult::OutOfRange;
    if (list->curSel != index) {
        list->curSel = index;
        AfxNotifyWndChanged(list, WndChange::Selection);
    }
    if (list->wndClass == WndClass::ComboBox) AfxNotifyParent(list, CBN_SELCHANGE);
    else if (list->style & 0x1) AfxNotifyParent(list, 1);  // LBS_NOTIFY: LBN_SELCHANGE
    return InputResult::Done;
}

namespace {
InputResult Ask(CWnd& dialog, UINT id, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND control = nullptr;
    if (auto r = Reach(dialog, id, control); r != InputResult::Done) return r;
    switch (AfxSendMessage(control, message, wParam, lParam)) {
        case kInputHandled: return InputResult::Done;
        case kInputOutOfRange: return InputResult::OutOfRange;
        default: return InputResult::Unsupported;
    }
}
}  // namespace

InputResult Tick(CWnd& dialog, UINT id, int item) {
    if (item < 0) return InputResult::OutOfRange;
    return Ask(dialog, id, WMZ_INPUT_TICK, static_cast<WPARAM>(item), 0);
}

InputResult Cell(CWnd& dialog, UINT id, int row, int column) {
    if (row < 0 || column < 0) return InputResult::OutOfRange;
    return Ask(dialog, id, WMZ_INPUT_CELL, static_cast<WPARAM>(row), column);
}

InputResult Close(CWnd& dialog) {
    if (!dialog.m_hWnd) return InputResult::NoControl;
    dialog.SendMessage(WM_CLOSE, 0, 0);
    return InputResult::Done;
}

}  // namespace input

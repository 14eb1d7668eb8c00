// SPDX-License-Identifier: BSD-3-Clause
// What a person does to the controls of a dialog. Every action goes through the control as the
// windowing system would deliver it (the same changes, the same notifications, in the same order);
// a disabled control takes no input.
#pragma once

#include <string_view>

#include "platform/wnd.h"

enum class InputResult {
    Done,
    Disabled,     // the control is disabled: nothing happened
    NoControl,    // no control with that id in the dialog
    Unsupported,  // the control does not take that action
    OutOfRange,   // no such entry, item, row or column
};

// Messages by which the input layer asks a control that keeps its own items (check lists, cell
// lists) to take a person's action. A control that handles one answers kInputHandled (or
// kInputOutOfRange); the standard controls answer 0.
constexpr UINT WMZ_INPUT_TICK = WM_APP + 0x300;  // wParam: item
constexpr UINT WMZ_INPUT_CELL = WM_APP + 0x301;  // wParam: row, lParam: column
constexpr LRESULT kInputHandled = 1;
constexpr LRESULT kInputOutOfRange = 2;

namespace input {

ZEM_EXPORT InputResult Click(CWnd& dialog, UINT id);
// Selects all, then types text one keystroke at a time; a keystroke past the text limit is refused.
ZEM_EXPORT InputResult Type(CWnd& dialog, UINT id, std::wstring_view text);
ZEM_EXPORT InputResult Append(CWnd& dialog, UINT id, std::wstring_view text);
ZEM_EXPORT InputResult Backspace(CWnd& dialog, UINT id, int count = 1);
ZEM_EXPORT InputResult Clear(CWnd& dialog, UINT id);
// Replaces the whole text at once, cut at the text limit.
ZEM_EXPORT InputResult Paste(CWnd& dialog, UINT id, std::wstring_view text);
// Presses an arrow of an up-down control count times; the delta follows the control's range.
ZEM_EXPORT InputResult Spin(CWnd& dialog, UINT id, bool up, int count = 1);
ZEM_EXPORT InputResult SpinRaw(CWnd& dialog, UINT id, int delta);
ZEM_EXPORT InputResult Select(CWnd& dialog, UINT id, int index);
ZEM_EXPORT InputResult Tick(CWnd& dialog, UINT id, int item);
ZEM_EXPORT InputResult Cell(CWnd& dialog, UINT id, int row, int column);
// The window's close box.
ZEM_EXPORT InputResult Close(CWnd& dialog);

}  // namespace input

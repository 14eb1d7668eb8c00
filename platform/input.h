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

InputResult Click(CWnd& dialog, UINT id);
// Selects all, then types text one keystroke at a time; a keystroke past the text limit is refused.
InputResult Type(CWnd& dialog, UINT id, std::wstring_view text);
InputResult Append(CWnd& dialog, UINT id, std::wstring_view text);
InputResult Backspace(CWnd& dialog, UINT id, int count = 1);
InputResult Clear(CWnd& dialog, UINT id);
// Replaces the whole text at once, cut at the text limit.
InputResult Paste(CWnd& dialog, UINT id, std::wstring_view text);
// Presses an arrow of an up-down control count times; the delta follows the control's range.
InputResult Spin(CWnd& dialog, UINT id, bool up, int count = 1);
InputResult SpinRaw(CWnd& dialog, UINT id, int delta);
InputResult Select(CWnd& dialog, UINT id, int index);
InputResult Tick(CWnd& dialog, UINT id, int item);
InputResult Cell(CWnd& dialog, UINT id, int row, int column);
// The window's close box.
InputResult Close(CWnd& dialog);

}  // namespace input

// SPDX-License-Identifier: BSD-3-Clause
// How the host shows a dialog: the state of one control as a `show` line, and the whole dialog
// drawn as text.
#pragma once

#include <string>

#include "platform/wnd.h"

// "ID STATE… enabled|disabled" (without the leading "= ").
std::wstring DescribeControl(HWND control);
// The dialog at its template positions, one character cell per 4 × 8 dialog units.
std::wstring RenderDialog(HWND dialog);

// SPDX-License-Identifier: BSD-3-Clause
// The window messages the module sends to the host's windows.
#pragma once

#include "platform/types.h"

// To the dialog's parent, before the colour dialog opens, once with wParam 0 and once with 1;
// lParam points to a CString the parent writes the colour dialog's text into.
constexpr UINT kMsgColourDialogText = 0x810;  // 2064
// To the main window after each constellation script and after its undo; both parameters 0.
constexpr UINT kMsgConstellationApplied = 0x812;  // 2066
// To the main window when catalog data the user asked for is not installed; wParam and lParam
// point to zero-terminated wide texts naming the data and the catalog.
constexpr UINT kMsgMissingData = 0x7FD;  // 2045

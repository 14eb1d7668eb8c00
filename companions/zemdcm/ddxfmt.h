// SPDX-License-Identifier: BSD-3-Clause
// Data exchange of a double shown in an edit with a printf format.
#pragma once

#include "platform/dialog.h"

// Towards the control: the value formatted with format (callers pass "%.1f"). Towards the member:
// the framework's reading of a double. n is the width the caller reserves for the text; the text
// is never cut to it.
void DDX_DoubleFmt(CDataExchange* pDX, int id, double& value, const wchar_t* format, UINT n);

// SPDX-License-Identifier: BSD-3-Clause
// Readable test failures: module strings printed as UTF-8.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "platform/cstring.h"

inline void PrintTo(const CString& s, std::ostream* os) { *os << '"' << zem::ToUtf8(s) << '"'; }

inline std::string U8(std::wstring_view s) { return zem::ToUtf8(s); }

// SPDX-License-Identifier: BSD-3-Clause
// Whole UTF-8 text files (a byte-order mark is allowed), as the program's own files are kept.
#pragma once

#include <cstddef>
#include <limits>
#include <string>

#include "platform/cstring.h"

namespace zem {

// The file's text; false when it cannot be read (missing, a folder, unreadable, more than limit
// bytes), with errno saying why as zem::ReadWholeFile does. Never throws.
ZEM_EXPORT bool ReadUtf8File(const CString& path, std::wstring& text, std::size_t limit = std::numeric_limits<std::size_t>::max());

}  // namespace zem

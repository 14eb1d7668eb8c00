// SPDX-License-Identifier: BSD-3-Clause
#include "platform/textfile.h"

#include "platform/wholefile.h"

namespace zem {

bool ReadUtf8File(const CString& path, std::wstring& text, std::size_t limit) {
    try {
        std::string bytes;
        if (!ReadWholeFile(ToUtf8(path), bytes, limit)) return false;
        std::string_view view(bytes);
        if (view.starts_with("\xEF\xBB\xBF")) view.remove_prefix(3);
        text = FromUtf8(view);
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace zem

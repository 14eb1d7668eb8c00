// SPDX-License-Identifier: BSD-3-Clause
#include "platform/textfile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace zem {

bool ReadUtf8File(const CString& path, std::wstring& text) {
    try {
        const std::string native = ToUtf8(path);
        std::error_code ec;
        if (std::filesystem::is_directory(native, ec)) return false;  // opens, but reads nothing
        std::ifstream in(native, std::ios::binary);
        if (!in) return false;
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad()) return false;
        std::string_view view(bytes);
        if (view.starts_with("\xEF\xBB\xBF")) view.remove_prefix(3);
        text = FromUtf8(view);
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace zem

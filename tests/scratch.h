// SPDX-License-Identifier: BSD-3-Clause
// A folder of a test's own under the temporary folder, removed afterwards; and text as UTF-16.
#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/cstring.h"

namespace scratch {

class Folder {
public:
    Folder() {
        static std::atomic<int> count{0};
        path_ = std::filesystem::temp_directory_path() / ("zem_test_" + std::to_string(getpid()) + "_" + std::to_string(count++));
        std::filesystem::create_directories(path_);
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The full name of a path under the folder, as the module takes names.
    std::wstring Name(const std::string& name = "") const { return zem::FromUtf8((name.empty() ? path_ : path_ / name).string()); }
    // Writes a file under the folder (its folders made) and gives its full name.
    std::wstring Write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories((path_ / name).parent_path());
        std::ofstream(path_ / name, std::ios::binary) << bytes;
        return Name(name);
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path path_;
};

// Text as UTF-16 with its byte-order mark.
inline std::string Utf16(std::u16string_view text, bool bigEndian = false) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t u : text) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

}  // namespace scratch

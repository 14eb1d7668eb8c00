// SPDX-License-Identifier: BSD-3-Clause
// The desktop's config folder: where it is, reading its files within their bounds without ever
// blocking on one, and clearing what crashed saves left in it.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace store {

constexpr std::size_t kMaxStateBytes = 16u << 20;    // sky.qel, as the scenario host bounds a state
constexpr std::size_t kMaxRegistryBytes = 1u << 20;  // registry.ini

// A base folder by the XDG rules: the variable's value when it is an absolute path; else (unset,
// empty or relative) fallback under the home folder.
std::string XdgBaseFolder(const char* variable, const char* fallbackUnderHome);
// $XDG_CONFIG_HOME/zemd02, else ~/.config/zemd02.
std::string DefaultConfigFolder();

enum class ReadResult {
    Read,
    Missing,
    TooLarge,    // more bytes than its bound
    BadLink,     // a symbolic link to no file (to nothing, a folder, a device...)
    NotAFile,    // a folder, a FIFO, a device...
    Unreadable,  // see error
};

struct ConfigFile {
    ReadResult result = ReadResult::Missing;
    std::string bytes;
    unsigned long long size = 0;  // as the file system says, also when it is too large
    int error = 0;                // errno when Unreadable
};

// Reads a file of the config folder if it is a file (a link to a file is followed) of at most
// limit bytes.
ConfigFile ReadConfigFile(const std::string& path, std::size_t limit);

// Merges registry.ini into the registry library's store, when it is a file within its bound.
ReadResult LoadRegistryFile(const std::string& path);

// Removes the temporary files that atomic saves of these files (names in folder) leave when they
// are cut short; returns how many went. Only files of that exact pattern are touched.
int RemoveStrayTemporaries(const std::string& folder, std::initializer_list<std::string_view> files);

}  // namespace store

// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/store/configfolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "companions/zemreg/registry.h"
#include "platform/format.h"
#include "platform/wholefile.h"

namespace store {

namespace {

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return home;
    const passwd* entry = ::getpwuid(::getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "/";
}

}  // namespace

std::string XdgBaseFolder(const char* variable, const char* fallbackUnderHome) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return value;
    return HomeFolder() + "/" + fallbackUnderHome;
}

std::string DefaultConfigFolder() { return XdgBaseFolder("XDG_CONFIG_HOME", ".config") + "/zemd02"; }

ConfigFile ReadConfigFile(const std::string& path, std::size_t limit) {
    ConfigFile file;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        file.error = errno;
        file.result = errno == ENOENT ? ReadResult::Missing : ReadResult::Unreadable;
        return file;
    }
    if (S_ISLNK(st.st_mode)) {
        if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
            file.result = ReadResult::BadLink;
            return file;
        }
    } else if (!S_ISREG(st.st_mode)) {
        file.result = ReadResult::NotAFile;
        return file;
    }
    file.size = static_cast<unsigned long long>(st.st_size);
    if (zem::ReadWholeFile(path, file.bytes, limit)) {
        file.result = ReadResult::Read;
    } else {
        file.error = errno;
        file.result = errno == EFBIG ? ReadResult::TooLarge : ReadResult::Unreadable;
    }
    return file;
}

ReadResult LoadRegistryFile(const std::string& path) {
    const ConfigFile file = ReadConfigFile(path, kMaxRegistryBytes);
    if (file.result != ReadResult::Read) return file.result;
    std::string_view bytes(file.bytes);
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    return CRegistry::LoadText(CString(zem::FromUtf8(bytes))) ? ReadResult::Read : ReadResult::Unreadable;
}

int RemoveStrayTemporaries(const std::string& folder, std::initializer_list<std::string_view> files) {
    int removed = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        for (std::string_view file : files) {
            if (!zem::IsTemporaryOf(name, file) || !it->is_regular_file(ec) || it->is_symlink(ec)) continue;
            if (std::filesystem::remove(it->path(), ec)) ++removed;
            break;
        }
    }
    return removed;
}

}  // namespace store

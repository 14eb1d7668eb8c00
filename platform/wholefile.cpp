// SPDX-License-Identifier: BSD-3-Clause
#include "platform/wholefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

namespace zem {

namespace {

constexpr std::string_view kTemporary = ".tmp.";

// Closes the descriptor when the scope ends.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    int Release() {
        const int f = fd;
        fd = -1;
        return f;
    }
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = EIO;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The rename is durable only once the folder's own entry list has reached the disk.
void SyncFolder(const std::string& path) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) folder = ".";
    Descriptor d{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (d.fd >= 0) ::fsync(d.fd);
}

// The file a write to path replaces: path itself, or the file a symbolic link leads to. False
// (errno set) for a link that leads to no file.
bool FileToReplace(const std::string& path, std::string& target) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        target = path;
        return true;
    }
    char resolved[PATH_MAX];
    if (!::realpath(path.c_str(), resolved)) return false;
    if (::stat(resolved, &st) != 0) return false;
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    target = resolved;
    return true;
}

bool AllDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit) {
    Descriptor d{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat st {};
    if (d.fd < 0 || ::fstat(d.fd, &st) != 0) return false;
    if (S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        return false;
    }
    if (st.st_size > 0 && static_cast<unsigned long long>(st.st_size) > limit) {
        errno = EFBIG;
        return false;
    }
    bytes.clear();
    bytes.resize(st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1 : 4096);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) bytes.resize(bytes.size() * 2);  // it grew while we read
        const ssize_t n = ::read(d.fd, bytes.data() + used, bytes.size() - used);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
        if (used > limit) {
            bytes.clear();
            errno = EFBIG;
            return false;
        }
    }
    bytes.resize(used);
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    static std::atomic<unsigned> serial{0};
    std::string target;
    if (!FileToReplace(path, target)) return false;
    std::string temp;
    Descriptor d;
    for (int attempt = 0; attempt < 100 && d.fd < 0; ++attempt) {
        temp = target + std::string(kTemporary) + std::to_string(::getpid()) + "." + std::to_string(serial++);
        d.fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (d.fd < 0 && errno != EEXIST) return false;
    }
    if (d.fd < 0) return false;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(d.fd, st.st_mode & 07777);
    bool ok = WriteAll(d.fd, bytes) && ::fsync(d.fd) == 0;
    ok = ::close(d.Release()) == 0 && ok;
    if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        const int why = errno;
        ::unlink(temp.c_str());
        errno = why;
        return false;
    }
    SyncFolder(target);
    return true;
}

bool IsTemporaryOf(std::string_view name, std::string_view target) {
    if (!name.starts_with(target)) return false;
    name.remove_prefix(target.size());
    if (!name.starts_with(kTemporary)) return false;
    name.remove_prefix(kTemporary.size());
    const std::size_t dot = name.find('.');
    return dot != std::string_view::npos && AllDigits(name.substr(0, dot)) && AllDigits(name.substr(dot + 1));
}

}  // namespace zem

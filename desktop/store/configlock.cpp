// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/store/configlock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace store {

bool ConfigLock::Take(const std::string& folder) {
    Release();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::string path = folder + "/lock";
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);  // a lock needs no write access
    if (fd_ < 0) {
        held_ = true;
        return true;
    }
    int r;
    while ((r = ::flock(fd_, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (r == 0) {
        held_ = true;
        const std::string pid = std::to_string(::getpid()) + "\n";
        if (::ftruncate(fd_, 0) == 0) {
            [[maybe_unused]] const auto written = ::pwrite(fd_, pid.data(), pid.size(), 0);
        }
        return true;
    }
    char text[32] = {};
    if (::pread(fd_, text, sizeof text - 1, 0) > 0) holder_ = std::strtol(text, nullptr, 10);
    ::close(fd_);
    fd_ = -1;
    return false;
}

void ConfigLock::Release() {
    if (fd_ >= 0) ::close(fd_);  // closing drops the lock
    fd_ = -1;
    held_ = false;
    holder_ = 0;
}

}  // namespace store

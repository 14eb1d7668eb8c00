// SPDX-License-Identifier: BSD-3-Clause
// One writer for a config folder at a time: an advisory lock (flock) on the file "lock" in it.
// The kernel drops the lock when its process ends, however it ends, so a killed program never
// leaves the folder locked. The holder writes its process id into the file for the others to name.
#pragma once

#include <string>

namespace store {

class ConfigLock {
public:
    ConfigLock() = default;
    ~ConfigLock() { Release(); }
    ConfigLock(const ConfigLock&) = delete;
    ConfigLock& operator=(const ConfigLock&) = delete;

    // Takes the lock of folder (made when missing). False when another process holds it. Where no
    // lock file can be opened at all (a folder nobody may write), nobody can hold it: true.
    bool Take(const std::string& folder);
    void Release();
    bool Held() const { return held_; }
    // The process id the holder wrote, after a Take that failed (0 when it is not known).
    long Holder() const { return holder_; }

private:
    int fd_ = -1;
    bool held_ = false;
    long holder_ = 0;
};

}  // namespace store

// SPDX-License-Identifier: BSD-3-Clause
// The engine's state file on disk: read in one go, and replaced atomically.
#pragma once

#include <string>
#include <string_view>

namespace zem {

// The whole file's bytes; false when it cannot be read (missing, a folder, unreadable).
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Writes bytes to a new file beside path, flushes it to the disk, then renames it over path (and
// flushes the folder), so that path holds either its old bytes or the new ones whatever happens
// in between. An existing file keeps its permissions. False, with path untouched and nothing left
// beside it, when any step fails. A crash may leave a stray "NAME.tmp.*" file beside path.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace zem

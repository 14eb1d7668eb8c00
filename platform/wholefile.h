// SPDX-License-Identifier: BSD-3-Clause
// Whole files on disk: read in one go (within a bound), and replaced atomically. The engine's state
// and the registry's file are kept this way.
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace zem {

// The whole file's bytes. False when it cannot be read, with errno saying why (ENOENT, EACCES,
// EISDIR for a folder, EFBIG when it holds more than limit bytes: then nothing is read).
bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit = std::numeric_limits<std::size_t>::max());

// Writes bytes to a new file beside path, flushes it to the disk, then renames it over path (and
// flushes the folder), so that path holds either its old bytes or the new ones whatever happens
// in between. An existing file keeps its permissions. A path that is a symbolic link to a file
// has that file replaced, the link kept; a link to anything else (or to nothing) is refused
// (ENOENT for a dangling link, EISDIR for a folder, EINVAL otherwise), never replaced. False, with
// path untouched, nothing left beside it and errno saying why, when any step fails. A crash may
// leave a stray temporary file beside the file (IsTemporaryOf tells it).
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Whether name (a file name without its folder) is one of the temporary files that
// WriteFileAtomically makes for target (also a file name): "TARGET.tmp.PID.N".
bool IsTemporaryOf(std::string_view name, std::string_view target);

}  // namespace zem

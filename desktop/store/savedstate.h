// SPDX-License-Identifier: BSD-3-Clause
// The desktop's saved sky state: the engine's property script, one statement a line, then a last
// line that says how many statements come before it and a checksum of them
// ("# 618 statements, checksum 5c1e0f6a9b3d2e47"), a comment to the engine. A statement whose path
// starts with '#' is written after a blank. A file cut anywhere, even at a line end, lacks that
// line, disagrees with it, or ends inside a statement (a path or a value may hold a line like a
// closing line), so it is never taken for a whole state.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "companions/zemqel/corqel.h"

namespace store {

// The file's bytes for the engine's state: UTF-8, the statements, the closing line.
std::string SealState(const CCorQel& engine);
// The closing line (without its line end) of a file whose statements are body.
std::string ClosingLine(std::size_t statements, std::string_view body);

enum class StateVerdict {
    Whole,
    NotUtf8,        // a byte that is not UTF-8 (the engine never writes one)
    NoClosingLine,  // cut short, changed, or not written by the desktop
    WrongCount,     // the closing line names another number of statements than it closes
    NotUnderstood,  // a statement the engine does not understand
};

// Loads the sealed state in bytes into engine, which is cleared first. Anything but Whole leaves
// the engine empty.
StateVerdict LoadSealedState(std::string_view bytes, CCorQel& engine);

}  // namespace store

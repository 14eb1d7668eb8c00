// SPDX-License-Identifier: BSD-3-Clause
// What the fuzz targets share: the input as text, a scratch folder, and a check that stops the
// run with the input kept when a property does not hold.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace fuzz {

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) { return {reinterpret_cast<const char*>(data), size}; }

// A folder for the targets' files, in the temporary folder (scripts/fuzz.sh points it to memory
// when the machine offers it, since the registry flushes every save to disk).
inline const std::filesystem::path& Scratch() {
    static const std::filesystem::path folder = [] {
        auto f = std::filesystem::temp_directory_path() / ("zemd02-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(f);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(Scratch(), ec);
        });
        return f;
    }();
    return folder;
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A property that must hold for every input; libFuzzer keeps the input that breaks it.
#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

}  // namespace fuzz

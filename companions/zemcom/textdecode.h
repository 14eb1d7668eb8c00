// SPDX-License-Identifier: BSD-3-Clause
// Decoding of the text files the module reads: UTF-8 (with or without a byte-order mark),
// UTF-16 with a byte-order mark, otherwise Japanese Windows text (CP932), since such lists
// are often written on that platform. Bytes that mean nothing become U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace zem {

enum class TextEncoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Cp932 };

// Text without a byte-order mark counts as UTF-8 only when all of it is well-formed UTF-8.
TextEncoding DetectEncoding(std::string_view bytes);
std::wstring DecodeText(std::string_view bytes, TextEncoding* detected = nullptr);
// One byte sequence of Japanese Windows text.
std::wstring DecodeCp932(std::string_view bytes);

}  // namespace zem

# SPDX-License-Identifier: BSD-3-Clause
# Writes the table of control symbols a scenario may name: every IDC_ constant of
# resources/resource_ids.h and the standard ids of platform/types.h. The table names each constant
# rather than copying its number, so the compiler gives the values; the headers stay the only list.
# cmake -DIDS=resource_ids.h -DSTANDARD=types.h -DOUT=control_symbols.cpp -P control_symbols.cmake
file(STRINGS "${IDS}" id_lines REGEX "^constexpr UINT IDC_[A-Za-z0-9_]+ = [0-9]+;")
file(STRINGS "${STANDARD}" standard_lines REGEX "^constexpr int ID[A-Z_]* = [0-9]+;")
set(names)
foreach(line IN LISTS standard_lines id_lines)
  string(REGEX REPLACE "^constexpr [A-Za-z]+ ([A-Za-z0-9_]+) = .*" "\\1" name "${line}")
  list(APPEND names ${name})
endforeach()
set(rows "")
foreach(name IN LISTS names)
  string(APPEND rows "    {L\"${name}\", static_cast<UINT>(${name})},\n")
endforeach()
set(text "// SPDX-License-Identifier: BSD-3-Clause
// Generated from resources/resource_ids.h and platform/types.h by host/control_symbols.cmake.
#include \"host/controlsymbols.h\"
#include \"resources/resource_ids.h\"

namespace {
constexpr ControlSymbol kSymbols[] = {
${rows}};
}  // namespace

std::span<const ControlSymbol> ControlSymbols() { return kSymbols; }
")
file(WRITE "${OUT}" "${text}")

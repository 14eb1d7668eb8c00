// SPDX-License-Identifier: BSD-3-Clause
#include "host/controlsymbols.h"

#include <algorithm>

std::optional<UINT> FindControlSymbol(std::wstring_view name) {
    const auto symbols = ControlSymbols();
    const auto it = std::find_if(symbols.begin(), symbols.end(), [&](const ControlSymbol& s) { return name == s.name; });
    if (it == symbols.end()) return std::nullopt;
    return it->id;
}

std::wstring ControlWord(UINT id) {
    const auto symbols = ControlSymbols();
    const auto it = std::find_if(symbols.begin(), symbols.end(), [&](const ControlSymbol& s) { return s.id == id; });
    return it == symbols.end() ? std::to_wstring(id) : it->name;
}

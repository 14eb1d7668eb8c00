// SPDX-License-Identifier: BSD-3-Clause
// The symbols a scenario may name a control by: every IDC_ constant of resources/resource_ids.h
// and the standard ids IDOK, IDCANCEL and ID_HELP of platform/types.h. The table is generated from
// those headers when the host is built (control_symbols.cmake), so declaring an id there is all it
// takes for scenarios to use its name.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/types.h"

struct ControlSymbol {
    const wchar_t* name;
    UINT id;
};

// Every symbol, standard ids first, then in the header's order.
std::span<const ControlSymbol> ControlSymbols();

// The id a symbol stands for; nothing when no control has that symbol (names are case-sensitive).
std::optional<UINT> FindControlSymbol(std::wstring_view name);

// How a scenario line written for a person names control id: its symbol, else its number.
std::wstring ControlWord(UINT id);

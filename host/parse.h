// SPDX-License-Identifier: BSD-3-Clause
// The scenario language, one line at a time: what a line asks for, or precisely why it cannot be
// understood. Parsing runs nothing, so it can be tried on any text.
#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

enum class Verb {
    // Environment
    Engine, Registry, PicsetsClear, Picset, File,
    // Dialogs
    Open,
    // User actions
    Click, Type, Append, Backspace, Clear, Paste, Spin, SpinRaw, Select, Tick, Cell, Ok, Cancel, Help, Close,
    // Inspection
    Show, State, Render,
};

// Limits of a run (the usage text states them).
constexpr int kMaxOpenDialogs = 64;
constexpr long long kMaxSpinCount = 10000;
constexpr std::size_t kMaxLineBytes = 1 << 20;

struct ScenarioLine {
    Verb verb = Verb::Engine;
    std::wstring command;  // the verb's word
    std::wstring error;  // why the line cannot be understood; empty when it can
    UINT id = 0;
    bool hasId = false;  // show: one control rather than all
    // TEXT of engine, type, append, paste and registry; PATH of file and state; CLASS of open;
    // NAME of picset.
    std::wstring text;
    std::wstring section, key;  // registry
    std::wstring file;          // picset
    long long count = 1;        // backspace and spin presses; the delta of spinraw; select, tick and cell: the index or row
    long long column = 0;       // cell
    bool up = false;            // spin
    bool parentOnly = false;    // open
    int pgc = 1, mirado = 0;    // open
};

// One line of a scenario (leading and trailing blanks are ignored). The line is not one to skip.
ScenarioLine ParseScenarioLine(std::wstring_view line);
// Whether the line is skipped: blank, or a comment (its first non-blank character is '#').
bool IsSkippedLine(std::wstring_view line);
// The line without leading and trailing blanks (spaces, tabs, line ends).
std::wstring_view TrimLine(std::wstring_view line);

// SPDX-License-Identifier: BSD-3-Clause
// The monkey: seeded random sequences of everything a person can do to a dialog, over random
// engine states, with the module's invariants checked after every step. A sequence that breaks
// one is cut down to the shortest scenario that still does, written in zemd02-host's language so
// that the host replays it.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/types.h"

namespace monkey {

// One thing a person does, as a scenario line says it.
struct Action {
    enum Kind { Click, Type, Append, Backspace, Clear, Paste, Spin, SpinRaw, Select, Tick, Cell, Ok, Cancel, Close, Help };
    Kind kind = Click;
    UINT id = 0;
    std::wstring text;  // Type, Append, Paste
    long long n = 0;    // presses, delta, index, item or row
    int column = 0;     // Cell
    bool up = true;     // Spin
};
std::wstring Line(const Action& action);

// What a sequence starts from: the default sky with some properties changed, the environment
// the dialogs read besides the engine, and the dialog opened.
struct World {
    std::wstring dialog;
    bool mirado = false;
    bool pgc = true;
    std::vector<std::pair<std::wstring, std::wstring>> engine;  // assignments over the default sky
    std::optional<std::wstring> miradoRegistry;                 // Default / Star.Mirado.Visible
    std::optional<std::vector<std::pair<std::wstring, std::wstring>>> picsets;  // the list, replaced
    std::optional<std::vector<std::wstring>> customStars;       // lines of the custom star-image list
};

// The scenario that replays world and actions in zemd02-host (on the default sky).
std::wstring ScenarioText(const World& world, const std::vector<Action>& actions);

struct Finding {
    std::string invariant;  // which one broke
    std::string detail;
};

struct Outcome {
    std::optional<Finding> finding;
    std::size_t actions = 0;  // actions carried out
};

// The dialog classes the host opens, and the engine paths they read (learnt by opening each).
const std::vector<std::wstring>& DialogNames();
const std::vector<std::wstring>& ReadPaths();

World RandomWorld(std::mt19937_64& rng);

// Plays world: replays actions when rng is null, else makes up to maxActions new ones (appended
// to actions). Stops at the first broken invariant.
Outcome Play(const World& world, std::vector<Action>& actions, std::mt19937_64* rng = nullptr, std::size_t maxActions = 0);

// The shortest actions and engine changes (by removal) that still break the same invariant.
void Shrink(World& world, std::vector<Action>& actions, const Finding& finding);

}  // namespace monkey

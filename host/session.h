// SPDX-License-Identifier: BSD-3-Clause
// The host application around a scenario run: its two engines with their traffic written to the
// transcript, its main window and the dialogs' parent window, and the services it answers.
#pragma once

#include <cstddef>
#include <string>

#include "companions/zemqel/corqel.h"
#include "host/scenario.h"
#include "host/services.h"
#include "host/transcript.h"

// The largest state file the host reads: anything longer is refused rather than read forever.
constexpr std::size_t kMaxStateBytes = 16u << 20;

class HostSession {
public:
    HostSession(Transcript& out, bool queries);
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    // The engines and the windows for a scenario read from input.
    ScenarioHost::Setup Setup(std::FILE* input, bool interactive);

    // Loads a state file (UTF-8, a byte-order mark allowed) into the engine; false, with the
    // reason, when it cannot be read or is longer than kMaxStateBytes.
    bool LoadStateFile(const std::string& path, std::string& why);

    CCorQel engine, engine2;

private:
    bool queries_;
    EngineTraffic traffic_, traffic2_;
    HostServices services_;
    HostWindow main_, parent_;
};

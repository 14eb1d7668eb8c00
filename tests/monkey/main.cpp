// SPDX-License-Identifier: BSD-3-Clause
// zemd02-monkey: seeded random sequences of a person's actions on every dialog, over random
// engine states, with the module's invariants checked after every step.
//
//   zemd02-monkey [--seed N] [--sequences N] [--actions N] [--long]
//
// Sequence i plays with the seed N + i (default N 1): a random dialog, engine state and
// environment, then up to --actions actions (default 60). --long plays sequences until a million
// actions have been made. A broken invariant prints its seed and the shortest scenario found
// that still breaks it (replay it with zemd02-host), and the exit status is 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "monkey/monkey.h"
#include "platform/cstring.h"

int main(int argc, char** argv) {
    unsigned long long seed = 1, sequences = 200, actionsPer = 60;
    bool longRun = false;
    for (int i = 1; i < argc; ++i) {
        const bool more = i + 1 < argc;
        if (!std::strcmp(argv[i], "--seed") && more) seed = std::strtoull(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--sequences") && more) sequences = std::strtoull(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--actions") && more) actionsPer = std::strtoull(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--long")) longRun = true;
        else {
            std::fputs("usage: zemd02-monkey [--seed N] [--sequences N] [--actions N] [--long]\n", stderr);
            return 2;
        }
    }
    unsigned long long played = 0, total = 0;
    for (unsigned long long i = 0; longRun ? total < 1000000 : i < sequences; ++i) {
        const unsigned long long s = seed + i;
        std::mt19937_64 rng(s);
        monkey::World world = monkey::RandomWorld(rng);
        std::vector<monkey::Action> actions;
        const monkey::Outcome outcome = monkey::Play(world, actions, &rng, actionsPer);
        ++played;
        total += outcome.actions;
        if (outcome.finding) {
            std::printf("seed %llu broke %s: %s\n", s, outcome.finding->invariant.c_str(), outcome.finding->detail.c_str());
            monkey::Shrink(world, actions, *outcome.finding);
            std::printf("shortest scenario found (%zu actions):\n%s", actions.size(),
                        zem::ToUtf8(monkey::ScenarioText(world, actions)).c_str());
            return 1;
        }
    }
    std::printf("%llu sequences, %llu actions, no invariant broken\n", played, total);
    return 0;
}

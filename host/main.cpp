// SPDX-License-Identifier: BSD-3-Clause
// zemd02-host: hosts the module without a desktop. It owns the sky engines and the main window,
// opens dialogs modally, acts on them as a person would, and prints everything that crosses the
// module's boundary.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "host/session.h"

namespace {

constexpr const char* kUsage =
    "usage: zemd02-host [--empty | --state FILE] [--data DIR] [--queries] [SCENARIO]\n"
    "\n"
    "Runs the scenario in SCENARIO (standard input when absent or \"-\") and prints what crosses the\n"
    "module's boundary, one event a line.\n"
    "\n"
    "  --empty       start with an empty engine (default: the shipped default sky state)\n"
    "  --state FILE  start from the engine state in FILE, a property script of at most 16 MiB\n"
    "  --data DIR    the engine's data path (default: the shipped data folder)\n"
    "  --queries     print queries (Q lines) too\n"
    "  --help        print this text\n"
    "  --version     print the version\n"
    "\n"
    "Limits: a line holds at most 1 MiB, a file block at most 16 MiB, at most 64 dialogs are open\n"
    "at once, a spin presses an arrow at most 10000 times.\n"
    "Exit status: 0 when the scenario ran to its end; 1 when a line could not be understood or\n"
    "exceeds a limit (after a line starting with \"! \" saying why); 2 for a bad command line,\n"
    "including a SCENARIO or state file that cannot be read.\n";

// The shipped data folder, found from where the program is (the build tree holds a link to the
// source's data at the same place), so that no path of the build machine is kept in the program.
std::filesystem::path ShippedData() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return (exe.parent_path() / ZEM_DATA_FROM_BIN).lexically_normal();
}

volatile std::sig_atomic_t stopSignal = 0;
int stopInput = -1, nullInput = -1;

// Ends the scenario's input, so that a host waiting for a line, or about to, sees its end at once.
void OnStopSignal(int signal) {
    stopSignal = signal;
    if (stopInput >= 0 && nullInput >= 0) dup2(nullInput, stopInput);
}

// SIGINT and SIGTERM stop the run at its next line, so that the host cleans up after itself.
void CatchStopSignals(std::FILE* input) {
    stopInput = fileno(input);
    nullInput = open("/dev/null", O_RDONLY | O_CLOEXEC);
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int CommandLineError(const std::string& message) {
    std::fprintf(stderr, "zemd02-host: %s\n", message.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // A host may run in any locale; numbers in scripts are written with '.' all the same.
    std::setlocale(LC_ALL, "");
    bool empty = false, queries = false;
    const char* stateFile = nullptr;
    const char* dataDir = nullptr;
    const char* scenario = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (!std::strcmp(a, "--help")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (!std::strcmp(a, "--version")) {
            std::puts("zemd02-host " ZEM_VERSION);
            return 0;
        }
        if (!std::strcmp(a, "--empty")) empty = true;
        else if (!std::strcmp(a, "--queries")) queries = true;
        else if (!std::strcmp(a, "--state") && i + 1 < argc) stateFile = argv[++i];
        else if (!std::strcmp(a, "--data") && i + 1 < argc) dataDir = argv[++i];
        else if ((a[0] != '-' || !std::strcmp(a, "-")) && !scenario) scenario = a;
        else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    if (empty && stateFile) return CommandLineError("--empty and --state exclude each other");

    std::FILE* input = stdin;
    if (scenario && std::strcmp(scenario, "-") != 0) {
        input = std::fopen(scenario, "rb");
        if (!input) return CommandLineError(std::string("cannot open ") + scenario + ": " + std::strerror(errno));
    }
    struct stat info {};
    if (fstat(fileno(input), &info) == 0 && S_ISDIR(info.st_mode)) {
        if (input != stdin) std::fclose(input);
        return CommandLineError(std::string("the scenario ") + (scenario ? scenario : "-") + " is a folder");
    }

    const std::filesystem::path data = dataDir ? std::filesystem::path(dataDir) : ShippedData();
    Transcript out(stdout);
    int status = 0;
    {
        HostSession session(out, queries);
        session.engine.SetDataPath(CString(zem::FromUtf8(data.string())));
        std::string why;
        if (!empty) {
            const std::filesystem::path state = stateFile ? std::filesystem::path(stateFile) : data / "sky" / "default.qel";
            if (!session.LoadStateFile(state.string(), why)) {
                if (input != stdin) std::fclose(input);
                return CommandLineError("cannot read the sky state " + state.string() + ": " + why);
            }
        }
        CatchStopSignals(input);
        ScenarioHost::Setup setup = session.Setup(input, input == stdin && isatty(STDIN_FILENO));
        setup.stop = &stopSignal;
        ScenarioHost host(out, setup);
        switch (host.Run()) {
            case ScenarioHost::kRanToEnd: status = 0; break;
            case ScenarioHost::kLineRefused: status = 1; break;
            case ScenarioHost::kCannotRead: status = 2; break;
            case ScenarioHost::kStopped: status = -1; break;
        }
    }  // the temporary data folder goes here
    if (input != stdin) std::fclose(input);
    if (status < 0) {
        // End as the signal would have ended the host, now that it has cleaned up.
        std::signal(stopSignal, SIG_DFL);
        std::raise(stopSignal);
    }
    return status;
}

// zemd02-host: hosts the module without a desktop. It owns the sky engines and the main window,
// opens dialogs modally, acts on them as a person would, and prints everything that crosses the
// module's boundary.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "companions/zemqel/corqel.h"
#include "companions/zemcst/qeldialog.h"
#include "scenario.h"
#include "services.h"
#include "transcript.h"

namespace {

constexpr const char* kUsage = "usage: zemd02-host [--empty | --state FILE] [--data DIR] [--queries] [SCENARIO]\n";

// The shipped data folder: beside an installed host, else the source tree's.
std::filesystem::path ShippedData() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const auto installed = exe.parent_path().parent_path() / "share" / "zemd02" / "data";
        if (std::filesystem::is_directory(installed, ec)) return installed;
    }
    return ZEM_DATA_DIR;
}

}  // namespace

int main(int argc, char** argv) {
    bool empty = false, queries = false;
    const char* stateFile = nullptr;
    const char* dataDir = nullptr;
    const char* scenario = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
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
    if (empty && stateFile) {
        std::fputs("zemd02-host: --empty and --state exclude each other\n", stderr);
        return 2;
    }

    const std::filesystem::path data = dataDir ? std::filesystem::path(dataDir) : ShippedData();
    CCorQel engine, engine2;
    engine.SetDataPath(CString(zem::FromUtf8(data.string())));
    if (!empty) {
        const std::filesystem::path state = stateFile ? std::filesystem::path(stateFile) : data / "sky" / "default.qel";
        if (!engine.LoadStateFile(CString(zem::FromUtf8(state.string())))) {
            std::fprintf(stderr, "zemd02-host: cannot read the sky state %s\n", state.string().c_str());
            return 2;
        }
    }

    std::FILE* input = stdin;
    if (scenario && std::strcmp(scenario, "-") != 0) {
        input = std::fopen(scenario, "rb");
        if (!input) {
            std::fprintf(stderr, "zemd02-host: cannot open %s\n", scenario);
            return 2;
        }
    }

    Transcript out(stdout);
    EngineTraffic traffic(out, L"S", queries), traffic2(out, L"S2", queries);
    engine.SetListener(&traffic);
    engine2.SetListener(&traffic2);
    HostServices services(out);
    HostWindow mainWindow(out, L"main"), parentWindow(out, L"parent");
    AfxSetMainWnd(&mainWindow);
    CQelDialog::SetDefaultEngines(&engine, &engine2);

    ScenarioHost::Setup setup;
    setup.engine = &engine;
    setup.engine2 = &engine2;
    setup.parent = &parentWindow;
    setup.input = input;
    setup.interactive = input == stdin && isatty(STDIN_FILENO);
    int status = 0;
    {
        ScenarioHost host(out, setup);
        status = host.Run();
    }
    AfxSetMainWnd(nullptr);
    CQelDialog::SetDefaultEngines(nullptr, nullptr);
    if (input != stdin) std::fclose(input);
    return status;
}

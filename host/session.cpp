// SPDX-License-Identifier: BSD-3-Clause
#include "host/session.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

HostSession::HostSession(Transcript& out, bool queries)
    : queries_(queries), traffic_(out, L"S", queries_), traffic2_(out, L"S2", queries_), services_(out),
      main_(out, L"main"), parent_(out, L"parent") {
    engine.SetListener(&traffic_);
    engine2.SetListener(&traffic2_);
}

ScenarioHost::Setup HostSession::Setup(std::FILE* input, bool interactive) {
    ScenarioHost::Setup setup;
    setup.engine = &engine;
    setup.engine2 = &engine2;
    setup.main = &main_;
    setup.parent = &parent_;
    setup.input = input;
    setup.interactive = interactive;
    return setup;
}

bool HostSession::LoadStateFile(const std::string& path, std::string& why) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        why = "is a folder";
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        why = std::strerror(errno);
        return false;
    }
    // Read one byte past the bound to tell a file of exactly the bound from a longer one.
    std::string bytes(kMaxStateBytes + 1, '\0');
    const std::size_t n = std::fread(bytes.data(), 1, bytes.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        why = "cannot be read";
        return false;
    }
    if (n > kMaxStateBytes) {
        why = "is longer than " + std::to_string(kMaxStateBytes) + " bytes";
        return false;
    }
    bytes.resize(n);
    std::string_view view(bytes);
    if (view.starts_with("\xEF\xBB\xBF")) view.remove_prefix(3);
    engine.LoadState(CString(zem::FromUtf8(view)));
    return true;
}

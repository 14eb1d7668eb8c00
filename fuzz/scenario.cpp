// SPDX-License-Identifier: BSD-3-Clause
// The scenario host on any scenario: every line parses to a command or a reason, and a whole run
// on an empty engine ends (the host's limits bound every line) with one event a line.
#include "fuzz.h"
#include "companions/zemreg/registry.h"
#include "host/parse.h"
#include "host/session.h"
#include "platform/format.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The host's temporary data folders go to the scratch folder.
    setenv("TMPDIR", fuzz::Scratch().c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::Bytes(data, size);
    const std::wstring text = zem::FromUtf8(bytes);
    for (std::size_t pos = 0; pos <= text.size();) {
        std::size_t end = text.find(L'\n', pos);
        if (end == std::wstring::npos) end = text.size();
        const std::wstring line = text.substr(pos, end - pos);
        if (!IsSkippedLine(line)) {
            const ScenarioLine parsed = ParseScenarioLine(line);
            FUZZ_CHECK(parsed.error.empty() || parsed.error.find(L'\n') == std::wstring::npos);
        }
        pos = end + 1;
    }

    // The whole run, with the transcript checked line by line.
    std::string copy(bytes);
    std::FILE* input = fmemopen(copy.data(), copy.size(), "rb");
    if (!input) return 0;
    Transcript out([&](const std::wstring& line) {
        for (wchar_t c : line) FUZZ_CHECK(c == L'\t' || !(c < 0x20 || (c >= 0x7F && c <= 0x9F)));
    });
    CRegistry::Clear();
    {
        HostSession session(out, true);
        session.engine.SetDataPath(L"/nonexistent/zemd02-data");
        ScenarioHost host(out, session.Setup(input, false));
        const ScenarioHost::Status status = host.Run();
        FUZZ_CHECK(status == ScenarioHost::kRanToEnd || status == ScenarioHost::kLineRefused);
    }
    std::fclose(input);
    return 0;
}

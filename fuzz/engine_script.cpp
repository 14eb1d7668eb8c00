// SPDX-License-Identifier: BSD-3-Clause
// The engine's script grammar: every line of the input is one Doit (scripts and queries), then the
// state it built must save and load back to the same answers. Every line also runs on an engine
// that never saw a script, holding the same properties, which reads it whole: both must store and
// count the same.
#include "companions/zemqel/corqel.h"
#include "fuzz.h"
#include "platform/format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = zem::FromUtf8(fuzz::Bytes(data, size));
    CCorQel engine;
    for (std::size_t pos = 0; pos <= text.size();) {
        std::size_t end = text.find(L'\n', pos);
        if (end == std::wstring::npos) end = text.size();
        const std::wstring line = text.substr(pos, end - pos);
        CCorQel whole;
        for (const auto& [path, value] : engine.GetProperties()) whole.Set(path, value);
        const int redraws = engine.GetRedrawCount(), ignored = engine.GetIgnoredCount();
        const CString answer = engine.Doit(line.c_str());
        // Only a query answers, and it answers what the state holds.
        const std::size_t first = line.find_first_not_of(L" \t\r\v\f");
        if (first == std::wstring::npos || line[first] != L'?') FUZZ_CHECK(answer.IsEmpty());
        FUZZ_CHECK(whole.Doit(line.c_str()) == answer);
        FUZZ_CHECK(whole.GetRedrawCount() == engine.GetRedrawCount() - redraws);
        FUZZ_CHECK(whole.GetIgnoredCount() == engine.GetIgnoredCount() - ignored);
        FUZZ_CHECK(whole.GetProperties() == engine.GetProperties());
        pos = end + 1;
    }
    int catalog = 0, autoSwitch = 0, switchCatalog = 0;
    double limit = 0;
    engine.GetStarCatalogInfo(&catalog, &autoSwitch, &switchCatalog, &limit);
    FUZZ_CHECK(autoSwitch == 0 || autoSwitch == 1);

    // Saved state loads back to the same answers, for every value the grammar can carry.
    CCorQel copy;
    FUZZ_CHECK(copy.LoadState(engine.SaveState()) == 0);
    FUZZ_CHECK(copy.GetPropertyCount() == engine.GetPropertyCount());
    for (const auto& [path, value] : engine.GetProperties()) {
        const CString back = copy.Doit((L"? " + path.str()).c_str());
        if (back == value) continue;
        // Double quotes the grammar cannot carry are left out.
        std::wstring stripped = value.str();
        std::erase(stripped, L'"');
        FUZZ_CHECK(back == CString(stripped));
    }
    return 0;
}

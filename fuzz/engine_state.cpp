// SPDX-License-Identifier: BSD-3-Clause
// State loading: any text as a state file; what the engine saves is a fixed point of loading.
#include "companions/zemqel/corqel.h"
#include "fuzz.h"
#include "platform/format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes = fuzz::Bytes(data, size);
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    CCorQel engine;
    engine.LoadState(CString(zem::FromUtf8(bytes)));
    FUZZ_CHECK(engine.GetRedrawCount() == 0);  // loading state is not traffic

    // Saved state loads back to the same answers; a value with double quotes that the grammar
    // cannot carry comes back without them. The answers then stay as they are.
    CCorQel again, third;
    FUZZ_CHECK(again.LoadState(engine.SaveState()) == 0);
    FUZZ_CHECK(again.GetPropertyCount() == engine.GetPropertyCount());
    for (const auto& [path, value] : engine.GetProperties()) {
        const CString back = again.Peek(path);
        if (back == value) continue;
        std::wstring stripped = value.str();
        std::erase(stripped, L'"');
        FUZZ_CHECK(back == CString(stripped));
    }
    FUZZ_CHECK(third.LoadState(again.SaveState()) == 0);
    FUZZ_CHECK(third.GetProperties() == again.GetProperties());

    // Set stores exactly what it is given, for every path a script could name.
    for (const auto& [path, value] : engine.GetProperties()) {
        FUZZ_CHECK(again.Set(path, value + L"x"));
        FUZZ_CHECK(again.Peek(path) == value + L"x");
    }
    return 0;
}

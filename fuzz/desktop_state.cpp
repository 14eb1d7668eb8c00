// SPDX-License-Identifier: BSD-3-Clause
// The desktop's saved state: any file either loads whole or leaves the engine empty; what the
// desktop writes loads back whole to the same answers; and the same file cut short anywhere (at a
// line end too) or with more after its closing line is never taken for a whole state.
#include "desktop/store/savedstate.h"
#include "fuzz.h"
#include "platform/format.h"

namespace {

bool IsWhole(std::string_view bytes) {
    CCorQel engine;
    return store::LoadSealedState(bytes, engine) == store::StateVerdict::Whole;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::Bytes(data, size);
    CCorQel loaded;
    if (store::LoadSealedState(bytes, loaded) != store::StateVerdict::Whole) FUZZ_CHECK(loaded.GetPropertyCount() == 0);

    // The input as a plain state, as the desktop would hold it, then sealed as the desktop saves it.
    CCorQel engine;
    engine.LoadState(CString(zem::FromUtf8(bytes)));
    const std::string sealed = store::SealState(engine);
    CCorQel back;
    FUZZ_CHECK(store::LoadSealedState(sealed, back) == store::StateVerdict::Whole);
    FUZZ_CHECK(back.GetPropertyCount() == engine.GetPropertyCount());
    CCorQel again;
    FUZZ_CHECK(store::LoadSealedState(store::SealState(back), again) == store::StateVerdict::Whole);
    FUZZ_CHECK(again.GetProperties() == back.GetProperties());

    // Cut at every line end and at a few other places, or with a statement after its last line.
    for (std::size_t at = sealed.find('\n'); at + 1 < sealed.size(); at = sealed.find('\n', at + 1))
        FUZZ_CHECK(!IsWhole(std::string_view(sealed).substr(0, at + 1)));
    for (std::size_t k = 1; k <= 8; ++k) FUZZ_CHECK(!IsWhole(std::string_view(sealed).substr(0, sealed.size() * k / 9)));
    FUZZ_CHECK(!IsWhole(sealed + "Milkyway.Visible = TRUE;\n"));
    return 0;
}

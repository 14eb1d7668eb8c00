// SPDX-License-Identifier: BSD-3-Clause
// registry.ini as the desktop reads it: any file within the bound loads, and what the store then
// saves loads back the same way to the same store; a file past the bound changes nothing.
#include "companions/zemreg/registry.h"
#include "desktop/store/configfolder.h"
#include "fuzz.h"
#include "platform/format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path input = fuzz::Scratch() / "registry.ini", first = fuzz::Scratch() / "first.ini",
                                       second = fuzz::Scratch() / "second.ini";
    const std::string_view bytes = fuzz::Bytes(data, size);
    auto name = [](const std::filesystem::path& p) { return CString(zem::FromUtf8(p.string())); };

    CRegistry::Clear();
    fuzz::WriteFile(input, bytes);
    FUZZ_CHECK(store::LoadRegistryFile(input.string()) == store::ReadResult::Read);
    FUZZ_CHECK(CRegistry::SaveFile(name(first)));
    CRegistry::Clear();
    FUZZ_CHECK(store::LoadRegistryFile(first.string()) == store::ReadResult::Read);
    FUZZ_CHECK(CRegistry::SaveFile(name(second)));
    FUZZ_CHECK(fuzz::ReadFile(first) == fuzz::ReadFile(second));

    // Now and then the same lines past the bound: refused, the store as it was.
    if (size > 0 && data[0] == '[' && size % 7 == 0) {
        std::string big(bytes);
        big.resize(store::kMaxRegistryBytes + 1, '\n');
        fuzz::WriteFile(input, big);
        FUZZ_CHECK(store::LoadRegistryFile(input.string()) == store::ReadResult::TooLarge);
        FUZZ_CHECK(CRegistry::SaveFile(name(first)));
        FUZZ_CHECK(fuzz::ReadFile(first) == fuzz::ReadFile(second));
    }
    return 0;
}

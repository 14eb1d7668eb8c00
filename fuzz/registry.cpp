// The registry file: any file loads, and what the store then saves reads back to the same store
// (saving it again gives the same file).
#include "companions/zemreg/registry.h"
#include "fuzz.h"
#include "platform/format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path input = fuzz::Scratch() / "input.ini", first = fuzz::Scratch() / "first.ini",
                                       second = fuzz::Scratch() / "second.ini";
    fuzz::WriteFile(input, fuzz::Bytes(data, size));
    auto name = [](const std::filesystem::path& p) { return CString(zem::FromUtf8(p.string())); };

    CRegistry::Clear();
    FUZZ_CHECK(CRegistry::LoadFile(name(input)));
    FUZZ_CHECK(CRegistry::SaveFile(name(first)));
    CRegistry::Clear();
    FUZZ_CHECK(CRegistry::LoadFile(name(first)));
    FUZZ_CHECK(CRegistry::SaveFile(name(second)));
    FUZZ_CHECK(fuzz::ReadFile(first) == fuzz::ReadFile(second));
    return 0;
}

// SPDX-License-Identifier: BSD-3-Clause
// The registry file: any file loads, and what the store then saves reads back to the same store
// (saving it again gives the same file). The same bytes, read as records of section, key and value
// (separated by the unit and record separators), are written to the store: every value read then
// comes back from the file.
#include <array>
#include <vector>

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

    CRegistry::Clear();
    std::vector<std::array<std::wstring, 3>> records;
    const std::wstring text = zem::FromUtf8(fuzz::Bytes(data, size));
    for (std::size_t pos = 0; pos <= text.size();) {
        std::size_t end = text.find(L'\x1e', pos);
        if (end == std::wstring::npos) end = text.size();
        std::array<std::wstring, 3> r;
        std::size_t field = 0;
        for (wchar_t c : text.substr(pos, end - pos)) {
            if (c == L'\x1f' && field < 2) ++field;
            else r[field] += c;
        }
        CRegistry::Write(r[0], r[1], r[2]);
        records.push_back(std::move(r));
        pos = end + 1;
    }
    std::vector<CString> written;
    for (const auto& r : records) {
        CString value;
        CRegistry::Read(r[0], r[1], L"", value);
        written.push_back(value);
    }
    FUZZ_CHECK(CRegistry::SaveFile(name(first)));
    CRegistry::Clear();
    FUZZ_CHECK(CRegistry::LoadFile(name(first)));
    for (std::size_t i = 0; i < records.size(); ++i) {
        CString value;
        FUZZ_CHECK(CRegistry::Read(records[i][0], records[i][1], L"", value));
        FUZZ_CHECK(value == written[i]);
    }
    return 0;
}

// SPDX-License-Identifier: BSD-3-Clause
// The host's control symbols are read from resources/resource_ids.h when it is built: every id
// declared there must have come through, however its line is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "host/controlsymbols.h"
#include "platform/format.h"

namespace {

// The header's text without its comments, so that a name a comment mentions is not a declaration.
std::string HeaderCode() {
    const auto path = std::filesystem::path(ZEM_DATA_DIR).parent_path() / "resources" / "resource_ids.h";
    std::ifstream file(path);
    EXPECT_TRUE(file) << path;
    std::string code, line;
    while (std::getline(file, line)) code += line.substr(0, line.find("//")) + "\n";
    return code;
}

TEST(ControlSymbols, HoldEveryControlIdOfTheHeader) {
    const std::string code = HeaderCode();
    // Every control name the header holds, however it is declared, with its number where the
    // declaration gives one.
    std::map<std::string, std::string> declared;
    const std::regex name(R"(\b(IDC_\w+)\b(\s*=\s*(\d+))?)");
    for (auto it = std::sregex_iterator(code.begin(), code.end(), name); it != std::sregex_iterator(); ++it)
        declared.emplace((*it)[1].str(), (*it)[3].str());
    ASSERT_GT(declared.size(), 200u);

    std::set<std::string> known;
    for (const ControlSymbol& s : ControlSymbols()) {
        const std::string n = zem::ToUtf8(s.name);
        EXPECT_TRUE(known.insert(n).second) << n << " twice";
        if (n.starts_with("IDC_")) {
            EXPECT_TRUE(declared.count(n)) << n << " is not in resources/resource_ids.h";
        }
    }
    for (const auto& [n, number] : declared) {
        const auto id = FindControlSymbol(zem::FromUtf8(n));
        // A declaration the build's reader missed: write it as `constexpr UINT NAME = NUMBER;`.
        ASSERT_TRUE(id) << n << " is declared in resources/resource_ids.h but scenarios cannot name it";
        if (!number.empty()) {
            EXPECT_EQ(std::to_string(*id), number) << n;
        }
    }
}

TEST(ControlSymbols, TakeTheStandardIdsAndNothingButControls) {
    EXPECT_EQ(FindControlSymbol(L"IDOK"), 1u);
    EXPECT_EQ(FindControlSymbol(L"IDCANCEL"), 2u);
    EXPECT_EQ(FindControlSymbol(L"ID_HELP"), 57670u);
    for (const wchar_t* other : {L"IDD_DSP_MW", L"IDS_HELP_STAR", L"TRUE", L"WM_COMMAND", L"idok", L"IDC_", L""})
        EXPECT_FALSE(FindControlSymbol(other)) << zem::ToUtf8(other);
}

TEST(ControlSymbols, NameAControlForAPersonAndReadBack) {
    // The word written for an id reads back as that id; an id without a symbol is its number.
    for (const ControlSymbol& s : ControlSymbols()) EXPECT_EQ(FindControlSymbol(ControlWord(s.id)), s.id) << zem::ToUtf8(s.name);
    EXPECT_EQ(ControlWord(1303), L"IDC_MW_OUTLINE");
    EXPECT_EQ(ControlWord(9999), L"9999");
}

}  // namespace

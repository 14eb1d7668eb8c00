// SPDX-License-Identifier: BSD-3-Clause
// The shared library exports what a host may use and nothing else: every class and function its
// dynamic symbols belong to is on the reviewed list exported_symbols.txt, and every one listed is
// exported. A class or function that leaks, or one a host loses, fails here.
#include <cxxabi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>
#include <string>

namespace {

std::string Demangle(const std::string& symbol) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(abi::__cxa_demangle(symbol.c_str(), nullptr, nullptr, &status),
                                                     &std::free);
    return status == 0 && name ? std::string(name.get()) : symbol;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The class or the function (or variable) a demangled symbol belongs to, without template
// arguments: "vtable for CDlgMw" and "CDlgMw::Apply()" are CDlgMw, "zem::FromUtf8(...)" is
// zem::FromUtf8. Empty for the standard library's instantiations.
std::string Entity(std::string name) {
    for (const char* op : {"operator<=>", "operator<<=", "operator>>=", "operator<<", "operator>>", "operator<=",
                           "operator>=", "operator->", "operator<", "operator>"})
        ReplaceAll(name, op, "operator[]");
    std::string head;
    int angles = 0;
    for (char c : name) {
        if (c == '<') ++angles;
        else if (c == '>') --angles;
        else if (angles == 0 && c == '(') break;
        else if (angles == 0) head += c;
    }
    if (const auto conversion = head.find("operator "); conversion != std::string::npos) head.resize(conversion + 8);
    if (const auto space = head.rfind(' '); space != std::string::npos) head.erase(0, space + 1);
    ReplaceAll(head, "[abi:cxx11]", "");
    if (const auto in = head.find("-in-"); in != std::string::npos) head.resize(in);  // construction vtables
    const auto first = head.find("::");
    if (first == std::string::npos) return head;
    const std::string outer = head.substr(0, first);
    if (outer == "std" || outer == "__gnu_cxx") return "";
    if (std::islower(static_cast<unsigned char>(outer[0]))) {  // a namespace: its class or function
        const auto second = head.find("::", first + 2);
        return head.substr(0, second);
    }
    return outer;
}

std::set<std::string> ExportedEntities(const std::string& library) {
    std::set<std::string> entities;
    const std::string command = "nm -D --defined-only '" + library + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> nm(popen(command.c_str(), "r"), &pclose);
    if (!nm) return entities;
    char line[8192];
    while (std::fgets(line, sizeof line, nm.get())) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
        const std::string symbol = text.substr(text.rfind(' ') + 1);
        if (symbol.rfind("__", 0) == 0) continue;  // the implementation's own (a sanitizer's)
        const std::string entity = Entity(Demangle(symbol));
        if (!entity.empty()) entities.insert(entity);
    }
    return entities;
}

std::set<std::string> ReviewedList() {
    std::set<std::string> entities;
    std::ifstream in(ZEM_EXPORTED_SYMBOLS);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') entities.insert(line);
    return entities;
}

std::string Difference(const std::set<std::string>& a, const std::set<std::string>& b) {
    std::string out;
    for (const auto& entity : a)
        if (!b.count(entity)) out += "  " + entity + "\n";
    return out;
}

TEST(Install, TheLibraryExportsTheReviewedClassesAndFunctions) {
    EXPECT_EQ(Entity("vtable for CDlgMw"), "CDlgMw");
    EXPECT_EQ(Entity("CDetailDialog<CDlgStarGsc>::GetMessageMap() const"), "CDetailDialog");
    EXPECT_EQ(Entity("void std::vector<CString, std::allocator<CString> >::_M_realloc_insert<CString>(int)"), "");
    EXPECT_EQ(Entity("zem::CMagFields::InitSpin(int)"), "zem::CMagFields");
    EXPECT_EQ(Entity("CString::operator std::basic_string_view<wchar_t>() const"), "CString");
    EXPECT_EQ(Entity("operator<(CString const&, CString const&)"), "operator[]");

    const std::set<std::string> exported = ExportedEntities(ZEM_LIBRARY);
    ASSERT_FALSE(exported.empty()) << "nm read no symbol from " << ZEM_LIBRARY;
    const std::set<std::string> reviewed = ReviewedList();
    EXPECT_EQ(exported, reviewed) << "exported, not on " << ZEM_EXPORTED_SYMBOLS << ":\n"
                                  << Difference(exported, reviewed) << "on the list, not exported:\n"
                                  << Difference(reviewed, exported);
}

}  // namespace

// SPDX-License-Identifier: BSD-3-Clause
// Writes docs/dialogs.md, the reference of every dialog's controls and the properties each writes,
// from the templates and the settings catalogue, so the page says what the code does:
//   zemd02-dialogs-reference --write docs/dialogs.md   (regenerate)
//   zemd02-dialogs-reference --check docs/dialogs.md   (the test: exit 1 when it is stale)
// The controls' symbols are those of resources/resource_ids.h, as the scenario host knows them.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "dialogs/catalog.h"
#include "host/controlsymbols.h"
#include "platform/format.h"
#include "platform/resource.h"

namespace catalog = zem::catalog;

namespace {

// A table cell: its vertical bars would end it.
std::string Cell(const std::wstring& text) {
    std::string cell;
    for (char c : zem::ToUtf8(text)) {
        if (c == '|') cell += '\\';
        cell += c;
    }
    return cell;
}

// The properties, each in code; a run of numbered ones ("Constellation.No1.Selection" …
// "Constellation.No88.Selection") is written once with its range.
std::string Properties(const std::vector<std::wstring>& properties) {
    struct Numbered {
        std::string before, after;
        long number = -1;
    };
    auto split = [](const std::string& path) {
        Numbered n{path, "", -1};
        const auto digit = path.find_first_of("0123456789");
        if (digit == std::string::npos) return n;
        const auto end = path.find_first_not_of("0123456789", digit);
        n.before = path.substr(0, digit);
        n.after = end == std::string::npos ? "" : path.substr(end);
        n.number = std::stol(path.substr(digit, end - digit));
        return n;
    };
    std::string out;
    for (std::size_t i = 0; i < properties.size();) {
        const Numbered first = split(zem::ToUtf8(properties[i]));
        std::size_t run = 1;
        while (first.number >= 0 && i + run < properties.size()) {
            const Numbered next = split(zem::ToUtf8(properties[i + run]));
            if (next.before != first.before || next.after != first.after || next.number != first.number + long(run)) break;
            ++run;
        }
        out += out.empty() ? "" : ", ";
        if (run >= 3)
            out += "`" + first.before + "N" + first.after + "` (N = " + std::to_string(first.number) + " to " +
                   std::to_string(first.number + long(run) - 1) + ")";
        else
            for (std::size_t k = 0; k < run; ++k) out += (k ? ", `" : "`") + zem::ToUtf8(properties[i + k]) + "`";
        i += run;
    }
    return out;
}

std::string Reference() {
    std::ostringstream out;
    out << "# The dialogs' controls and the properties they write\n\n"
           "Every control a person acts on, dialog by dialog in the template's order: its id and symbol\n"
           "(`resources/resource_ids.h`; a number alone has none), its kind, its label as a person reads it, and the engine\n"
           "properties its statements write (a radio group writes on its first radio, an edit with its\n"
           "spin on the edit). Frames and plain texts are left out. This page is generated from the\n"
           "templates and the settings catalogue (`dialogs/catalog.h`) by `docs/tools/dialogs_reference.cpp`;\n"
           "a test fails when it is out of date. Regenerate it with\n\n"
           "    build/docs/tools/zemd02-dialogs-reference --write docs/dialogs.md\n";
    for (const catalog::Dialog& dialog : catalog::Dialogs()) {
        out << "\n## " << zem::ToUtf8(catalog::Title(dialog)) << " (`" << zem::ToUtf8(dialog.className) << "`, template "
            << dialog.templateId << ")\n\n"
            << "| id | symbol | kind | label | writes |\n|---|---|---|---|---|\n";
        for (const ControlTemplate& control : AfxFindDialogTemplate(dialog.templateId)->controls) {
            const catalog::Kind kind = catalog::KindOf(control);
            if (kind == catalog::Kind::Static || kind == catalog::Kind::GroupBox) continue;
            const std::wstring symbol = ControlWord(control.id);
            const catalog::Setting* setting = catalog::FindSetting(dialog, control.id);
            const std::string writes = setting ? Properties(setting->writes) : "";
            out << "| " << control.id << " | ";
            if (symbol != std::to_wstring(control.id)) out << '`' << zem::ToUtf8(symbol) << '`';
            out << " | " << catalog::KindName(kind) << " | " << Cell(catalog::Label(dialog, control.id)) << " | " << writes
                << " |\n";
        }
    }
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 3 ? argv[1] : "";
    if (mode != "--write" && mode != "--check") {
        std::fputs("usage: zemd02-dialogs-reference --write|--check FILE\n", stderr);
        return 2;
    }
    const std::string page = Reference();
    if (mode == "--write") {
        std::ofstream(argv[2], std::ios::binary) << page;
        return 0;
    }
    std::ifstream in(argv[2], std::ios::binary);
    const std::string committed{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (committed == page) return 0;
    std::fprintf(stderr, "%s is not what the templates and the settings catalogue say; regenerate it:\n"
                 "  zemd02-dialogs-reference --write %s\n", argv[2], argv[2]);
    return 1;
}

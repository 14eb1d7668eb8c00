#include "scenario.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "classes.h"
#include "companions/zemdcm/cnspic.h"
#include "companions/zemreg/registry.h"
#include "platform/input.h"
#include "view.h"

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

std::wstring Trim(const std::wstring& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// Splits off the first word; rest is what follows the single blank after it.
std::wstring FirstWord(const std::wstring& s, std::wstring& rest) {
    const std::size_t blank = s.find(L' ');
    if (blank == std::wstring::npos) {
        rest.clear();
        return s;
    }
    rest = s.substr(blank + 1);
    return s.substr(0, blank);
}

std::vector<std::wstring> Words(const std::wstring& s) {
    std::vector<std::wstring> words;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && IsBlank(s[i])) ++i;
        std::size_t j = i;
        while (j < s.size() && !IsBlank(s[j])) ++j;
        if (j > i) words.push_back(s.substr(i, j - i));
        i = j;
    }
    return words;
}

}  // namespace

ScenarioHost::ScenarioHost(Transcript& out, const Setup& setup) : out_(out), setup_(setup) { AfxSetModalPerson(this); }

ScenarioHost::~ScenarioHost() {
    AfxSetModalPerson(nullptr);
    if (!tempData_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(tempData_, ec);
    }
}

int ScenarioHost::Run() {
    std::wstring line;
    while (!failed_ && NextLine(line)) Execute(line);
    out_.Flush();
    return failed_ ? 1 : 0;
}

void ScenarioHost::OnBegin(CDialog& dialog) {
    out_.Line(L"O " + DialogClassName(dialog));
    open_.push_back(&dialog);
}

void ScenarioHost::Run(CDialog& dialog) {
    if (setup_.interactive) Render();
    std::wstring line;
    while (!dialog.HasEnded() && !failed_ && NextLine(line)) Execute(line);
}

void ScenarioHost::OnEnd(CDialog& dialog, INT_PTR result) {
    if (!open_.empty() && open_.back() == &dialog) open_.pop_back();
    if (result == IDOK) out_.Line(L"E " + DialogClassName(dialog) + L" IDOK");
    else if (result == IDCANCEL) out_.Line(L"E " + DialogClassName(dialog) + L" IDCANCEL");
    if (setup_.interactive && !open_.empty()) Render();
}

bool ScenarioHost::NextLine(std::wstring& line) {
    if (ended_) return false;
    for (;;) {
        if (setup_.interactive) {
            std::fputs(open_.empty() ? "zemd02> " : "zemd02 dialog> ", stdout);
            std::fflush(stdout);
        }
        std::string bytes;
        int c;
        while ((c = std::fgetc(setup_.input)) != EOF && c != '\n') bytes += static_cast<char>(c);
        if (c == EOF && bytes.empty()) {
            ended_ = true;
            return false;
        }
        line = Trim(zem::FromUtf8(bytes));
        if (line.empty() || line[0] == L'#') continue;
        return true;
    }
}

void ScenarioHost::Fail(const std::wstring& reason) {
    out_.Line(L"! " + reason);
    failed_ = true;
}

CDialog* ScenarioHost::Active() { return open_.empty() ? nullptr : open_.back(); }

bool ScenarioHost::ParseInt(const std::wstring& word, long long& value, bool allowNegative) {
    std::size_t i = 0;
    bool negative = false;
    if (allowNegative && !word.empty() && (word[0] == L'-' || word[0] == L'+')) {
        negative = word[0] == L'-';
        i = 1;
    }
    if (i >= word.size() || word.size() - i > 9) {
        Fail(L"bad number: " + word);
        return false;
    }
    long long v = 0;
    for (; i < word.size(); ++i) {
        if (word[i] < L'0' || word[i] > L'9') {
            Fail(L"bad number: " + word);
            return false;
        }
        v = v * 10 + (word[i] - L'0');
    }
    value = negative ? -v : v;
    return true;
}

bool ScenarioHost::ParseId(const std::wstring& word, UINT& id) {
    long long v = 0;
    if (!ParseInt(word, v)) return false;
    id = static_cast<UINT>(v);
    return true;
}

void ScenarioHost::Execute(const std::wstring& line) {
    std::wstring rest;
    const std::wstring command = FirstWord(line, rest);
    if (Environment(command, rest) || Inspection(command, rest)) return;
    if (command == L"open") {
        Open(rest);
        return;
    }
    if (Action(command, rest)) {
        if (setup_.interactive && Active() && !Active()->HasEnded()) Render();
        return;
    }
    if (!failed_) Fail(L"unknown command: " + command);
}

bool ScenarioHost::Environment(const std::wstring& command, const std::wstring& rest) {
    if (command == L"engine") {
        setup_.engine->LoadState(CString(rest));
    } else if (command == L"registry") {
        std::wstring text;
        const std::wstring section = FirstWord(rest, text);
        std::wstring value;
        const std::wstring key = FirstWord(text, value);
        if (section.empty() || key.empty()) {
            Fail(L"registry needs a section and a key");
            return true;
        }
        CRegistry::Write(CString(section), CString(key), CString(value));
    } else if (command == L"picsets") {
        if (Trim(rest) != L"clear") {
            Fail(L"unknown picsets line: " + rest);
            return true;
        }
        CCnsPic::ClearList();
    } else if (command == L"picset") {
        const std::size_t bar = rest.find(L" | ");
        if (bar == std::wstring::npos) {
            Fail(L"picset needs NAME | FILE");
            return true;
        }
        CCnsPic::AddSet(CString(rest.substr(0, bar)), CString(rest.substr(bar + 3)));
    } else if (command == L"file") {
        WriteFile(Trim(rest));
    } else {
        return false;
    }
    return true;
}

void ScenarioHost::WriteFile(const std::wstring& path) {
    std::vector<std::wstring> lines;
    bool closed = false;
    // The file's lines are taken as they stand, blank and '#' lines included.
    std::string bytes;
    for (;;) {
        bytes.clear();
        int c;
        while ((c = std::fgetc(setup_.input)) != EOF && c != '\n') bytes += static_cast<char>(c);
        if (c == EOF && bytes.empty()) break;
        std::wstring text = zem::FromUtf8(bytes);
        if (!text.empty() && text.back() == L'\r') text.pop_back();
        if (Trim(text) == L"end") {
            closed = true;
            break;
        }
        for (std::size_t at = text.find(L"\\t"); at != std::wstring::npos; at = text.find(L"\\t", at + 1)) text.replace(at, 2, L"\t");
        lines.push_back(text);
    }
    if (!closed) {
        Fail(L"file without end: " + path);
        return;
    }
    if (path.empty() || path.find(L"..") != std::wstring::npos || path[0] == L'/') {
        Fail(L"bad file path: " + path);
        return;
    }
    std::error_code ec;
    if (tempData_.empty()) {
        char folder[] = "/tmp/zemd02-data-XXXXXX";
        if (!mkdtemp(folder)) {
            Fail(L"cannot make a temporary data folder");
            return;
        }
        tempData_ = folder;
        setup_.engine->SetDataPath(CString(zem::FromUtf8(tempData_.string())));
        out_.SetDataAlias(zem::FromUtf8(tempData_.string()));
    }
    const std::filesystem::path target = tempData_ / zem::ToUtf8(path);
    std::filesystem::create_directories(target.parent_path(), ec);
    std::ofstream file(target, std::ios::binary);
    for (const auto& l : lines) file << zem::ToUtf8(l) << '\n';
    if (!file) Fail(L"cannot write " + path);
}

void ScenarioHost::Open(const std::wstring& rest) {
    const auto words = Words(rest);
    if (words.empty()) {
        Fail(L"open needs a class");
        return;
    }
    if (!IsModuleClassName(words[0])) {
        Fail(L"unknown class: " + words[0]);
        return;
    }
    const DialogClass* cls = FindDialogClass(words[0]);
    if (!cls) {
        Fail(L"not available: " + words[0]);
        return;
    }
    OpenOptions options;
    options.engine = setup_.engine;
    options.engine2 = setup_.engine2;
    options.parent = setup_.parent;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::wstring& w = words[i];
        if (w == L"parent-only") options.parentOnly = true;
        else if (w == L"pgc=0" || w == L"pgc=1") options.pgc = w.back() - L'0';
        else if (w == L"mirado=0" || w == L"mirado=1") options.mirado = w.back() - L'0';
        else {
            Fail(L"unknown open option: " + w);
            return;
        }
    }
    std::unique_ptr<CDialog> dialog = cls->make(options);
    dialog->DoModal();
}

bool ScenarioHost::Action(const std::wstring& command, const std::wstring& rest) {
    static const wchar_t* const actions[] = {L"click", L"type", L"append", L"backspace", L"clear", L"paste", L"spin",
                                             L"spinraw", L"select", L"tick", L"cell", L"ok", L"cancel", L"help", L"close"};
    bool known = false;
    for (const auto* a : actions) known = known || command == a;
    if (!known) return false;
    CDialog* dialog = Active();
    if (!dialog) {
        Fail(L"no dialog is open: " + command);
        return true;
    }

    UINT id = 0;
    InputResult result = InputResult::Done;
    if (command == L"ok" || command == L"cancel" || command == L"help") {
        id = command == L"ok" ? IDOK : command == L"cancel" ? IDCANCEL : ID_HELP;
        result = input::Click(*dialog, id);
    } else if (command == L"close") {
        result = input::Close(*dialog);
    } else {
        std::wstring text;
        const std::wstring idWord = FirstWord(rest, text);
        if (!ParseId(idWord, id)) return true;
        const auto args = Words(text);
        long long a = 0, b = 0;
        auto count = [&](long long& n) {
            n = 1;
            if (args.empty()) return true;
            if (args.size() > 1 || !ParseInt(args[0], n)) {
                if (!failed_) Fail(L"bad count: " + text);
                return false;
            }
            return true;
        };
        if (command == L"click") result = input::Click(*dialog, id);
        else if (command == L"type") result = input::Type(*dialog, id, text);
        else if (command == L"append") result = input::Append(*dialog, id, text);
        else if (command == L"paste") result = input::Paste(*dialog, id, text);
        else if (command == L"clear") result = input::Clear(*dialog, id);
        else if (command == L"backspace") {
            if (!count(a)) return true;
            result = input::Backspace(*dialog, id, static_cast<int>(a));
        } else if (command == L"spin") {
            if (args.empty() || (args[0] != L"up" && args[0] != L"down") || args.size() > 2) {
                Fail(L"spin needs up or down: " + text);
                return true;
            }
            a = 1;
            if (args.size() == 2 && !ParseInt(args[1], a)) return true;
            result = input::Spin(*dialog, id, args[0] == L"up", static_cast<int>(a));
        } else if (command == L"spinraw") {
            if (args.size() != 1 || !ParseInt(args[0], a, true)) {
                if (!failed_) Fail(L"spinraw needs a delta: " + text);
                return true;
            }
            result = input::SpinRaw(*dialog, id, static_cast<int>(a));
        } else if (command == L"select" || command == L"tick") {
            if (args.size() != 1 || !ParseInt(args[0], a)) {
                if (!failed_) Fail(command + L" needs an index: " + text);
                return true;
            }
            result = command == L"select" ? input::Select(*dialog, id, static_cast<int>(a)) : input::Tick(*dialog, id, static_cast<int>(a));
        } else {  // cell
            if (args.size() != 2 || !ParseInt(args[0], a) || !ParseInt(args[1], b)) {
                if (!failed_) Fail(L"cell needs a row and a column: " + text);
                return true;
            }
            result = input::Cell(*dialog, id, static_cast<int>(a), static_cast<int>(b));
        }
    }
    switch (result) {
        case InputResult::Done: break;
        case InputResult::Disabled: out_.Line(L"! disabled " + std::to_wstring(id)); break;
        case InputResult::NoControl: Fail(L"unknown control: " + std::to_wstring(id)); break;
        case InputResult::Unsupported: Fail(L"control " + std::to_wstring(id) + L" does not take " + command); break;
        case InputResult::OutOfRange: Fail(L"no such entry in control " + std::to_wstring(id) + L": " + rest); break;
    }
    return true;
}

bool ScenarioHost::Inspection(const std::wstring& command, const std::wstring& rest) {
    if (command == L"state") {
        const std::wstring path = Trim(rest);
        out_.Line(L"= " + path + L" " + setup_.engine->Peek(CString(path)).str());
        return true;
    }
    if (command != L"show" && command != L"render") return false;
    CDialog* dialog = Active();
    if (!dialog) {
        Fail(L"no dialog is open: " + command);
        return true;
    }
    if (command == L"render") {
        Render();
        return true;
    }
    const std::wstring idWord = Trim(rest);
    if (idWord.empty()) {
        for (const auto& child : dialog->m_hWnd->children) out_.Line(L"= " + DescribeControl(child.get()));
        return true;
    }
    UINT id = 0;
    if (!ParseId(idWord, id)) return true;
    HWND control = AfxFindChild(dialog->m_hWnd, id);
    if (!control) {
        Fail(L"unknown control: " + idWord);
        return true;
    }
    out_.Line(L"= " + DescribeControl(control));
    return true;
}

void ScenarioHost::Render() {
    CDialog* dialog = Active();
    if (!dialog || !dialog->m_hWnd) return;
    const std::wstring drawing = RenderDialog(dialog->m_hWnd);
    std::size_t start = 0;
    while (start < drawing.size()) {
        const std::size_t end = drawing.find(L'\n', start);
        out_.Line(L"= " + drawing.substr(start, end - start));
        if (end == std::wstring::npos) break;
        start = end + 1;
    }
}

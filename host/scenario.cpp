// SPDX-License-Identifier: BSD-3-Clause
#include "host/scenario.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "companions/zemdcm/cnspic.h"
#include "companions/zemreg/registry.h"
#include "host/classes.h"
#include "host/view.h"
#include "platform/input.h"

ScenarioHost::ScenarioHost(Transcript& out, const Setup& setup)
    : out_(out), setup_(setup),
      // Dialogs made with only a parent work on the host's engines.
      guard_({.mainWindow = setup.main, .person = this, .engine = setup.engine, .engine2 = setup.engine2}) {
    CCnsPic::RestoreShippedList();
}

ScenarioHost::~ScenarioHost() {
    if (!tempData_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(tempData_, ec);
    }
}

ScenarioHost::Status ScenarioHost::Run() {
    std::wstring line;
    while (Going() && NextLine(line)) Execute(line);
    out_.Flush();
    return status_ == kRanToEnd && refusedAtTerminal_ ? kLineRefused : status_;
}

void ScenarioHost::OnBegin(CDialog& dialog) {
    out_.Line(L"O " + DialogClassName(dialog));
    open_.push_back(&dialog);
}

void ScenarioHost::Run(CDialog& dialog) {
    if (setup_.interactive) Render();
    std::wstring line;
    while (!dialog.HasEnded() && Going() && NextLine(line)) Execute(line);
    // The scenario has ended with the dialog still open: the person closes it.
    if (!dialog.HasEnded() && status_ == kRanToEnd) input::Close(dialog);
}

void ScenarioHost::OnEnd(CDialog& dialog, INT_PTR result) {
    if (!open_.empty() && open_.back() == &dialog) open_.pop_back();
    if (result == IDOK) out_.Line(L"E " + DialogClassName(dialog) + L" IDOK");
    else if (result == IDCANCEL) out_.Line(L"E " + DialogClassName(dialog) + L" IDCANCEL");
    if (setup_.interactive && !open_.empty()) Render();
}

ScenarioHost::Read ScenarioHost::ReadLine(std::string& bytes) {
    bytes.clear();
    int c;
    while ((c = std::fgetc(setup_.input)) != EOF && c != '\n') {
        if (bytes.size() >= kMaxLineBytes) return Read::TooLong;
        bytes += static_cast<char>(c);
    }
    if (setup_.stop && *setup_.stop) return Read::End;
    if (c == EOF && std::ferror(setup_.input)) return Read::Error;
    if (atStart_ && bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
    atStart_ = false;
    return c == EOF && bytes.empty() ? Read::End : Read::Line;
}

bool ScenarioHost::NextLine(std::wstring& line) {
    if (ended_) return false;
    for (;;) {
        if (setup_.interactive) {
            std::fputs(open_.empty() ? "zemd02> " : "zemd02 dialog> ", stdout);
            std::fflush(stdout);
        }
        std::string bytes;
        if (const Read read = ReadLine(bytes); read != Read::Line) {
            EndInput(read);
            return false;
        }
        line = zem::FromUtf8(bytes);
        if (IsSkippedLine(line)) continue;
        return true;
    }
}

void ScenarioHost::EndInput(Read read) {
    ended_ = true;
    if (setup_.stop && *setup_.stop) status_ = kStopped;
    else if (read == Read::TooLong) Fail(L"line longer than " + std::to_wstring(kMaxLineBytes) + L" bytes");
    else if (read == Read::Error) Fail(L"cannot read the scenario", kCannotRead);
}

void ScenarioHost::Fail(const std::wstring& reason, Status status) {
    out_.Line(L"! " + reason);
    // A person at a terminal gets another prompt after a line the host could not take; the run
    // still ends with the status of a refused line.
    if (setup_.interactive && status == kLineRefused && !ended_) {
        refusedAtTerminal_ = true;
        return;
    }
    status_ = status;
}

CDialog* ScenarioHost::Active() { return open_.empty() ? nullptr : open_.back(); }

void ScenarioHost::Execute(const std::wstring& text) {
    const ScenarioLine line = ParseScenarioLine(text);
    if (!line.error.empty()) return Fail(line.error);
    switch (line.verb) {
        case Verb::Engine:
        case Verb::Registry:
        case Verb::PicsetsClear:
        case Verb::Picset:
        case Verb::File: return Environment(line);
        case Verb::Open: return Open(line);
        case Verb::Show:
        case Verb::State:
        case Verb::Render: return Inspection(line);
        default:
            Action(line);
            if (setup_.interactive && Active() && !Active()->HasEnded()) Render();
    }
}

void ScenarioHost::Environment(const ScenarioLine& line) {
    switch (line.verb) {
        case Verb::Engine: setup_.engine->LoadState(CString(line.text)); break;
        case Verb::Registry: CRegistry::Write(CString(line.section), CString(line.key), CString(line.text)); break;
        case Verb::PicsetsClear: CCnsPic::ClearList(); break;
        case Verb::Picset:
            if (!CCnsPic::AddSet(CString(line.text), CString(line.file)))
                Fail(L"a picture set's name or file holds a double quote: " + line.text + L" | " + line.file);
            break;
        default: WriteFile(line.text);
    }
}

// The block goes to the file a line at a time, so that the host never holds more than one line of
// it; a block past its limit is read to its end and refused, leaving no file.
void ScenarioHost::WriteFile(const std::wstring& path) {
    std::wstring why;
    std::error_code ec;
    if (tempData_.empty()) {
        std::string folder = (std::filesystem::temp_directory_path(ec) / "zemd02-data-XXXXXX").string();
        if (!ec && mkdtemp(folder.data())) {
            tempData_ = folder;
            setup_.engine->SetDataPath(CString(zem::FromUtf8(tempData_.string())));
            out_.SetDataAlias(zem::FromUtf8(tempData_.string()));
        } else {
            why = L"cannot make a temporary data folder";
        }
    }
    std::filesystem::path target;
    std::ofstream file;
    if (why.empty()) {
        target = tempData_ / zem::ToUtf8(path);
        std::filesystem::create_directories(target.parent_path(), ec);
        file.open(target, std::ios::binary | std::ios::trunc);
    }
    std::size_t written = 0;
    bool closed = false, inputFailed = false;
    // The file's lines are taken as they stand, blank and '#' lines included.
    for (std::string bytes;;) {
        if (const Read read = ReadLine(bytes); read != Read::Line) {
            EndInput(read);  // says why when the input failed
            inputFailed = status_ != kRanToEnd;
            break;
        }
        std::wstring text = zem::FromUtf8(bytes);
        if (!text.empty() && text.back() == L'\r') text.pop_back();
        if (TrimLine(text) == L"end") {
            closed = true;
            break;
        }
        if (!why.empty()) continue;
        for (std::size_t at = text.find(L"\\t"); at != std::wstring::npos; at = text.find(L"\\t", at + 1)) text.replace(at, 2, L"\t");
        std::string line = zem::ToUtf8(text);
        line += '\n';
        written += line.size();
        if (written > kMaxFileBytes) why = L"file longer than " + std::to_wstring(kMaxFileBytes) + L" bytes: " + path;
        else file.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
    if (why.empty() && !closed && !inputFailed) why = L"file without end: " + path;
    file.close();
    if (why.empty() && !inputFailed && !file) why = L"cannot write " + path;
    if (why.empty() && !inputFailed) return;
    if (!target.empty()) std::filesystem::remove(target, ec);
    if (!why.empty()) Fail(why);
}

void ScenarioHost::Open(const ScenarioLine& line) {
    const DialogClass* cls = FindDialogClass(line.text);
    if (!cls) return Fail(L"not available: " + line.text);
    if (open_.size() >= static_cast<std::size_t>(kMaxOpenDialogs))
        return Fail(L"nesting past " + std::to_wstring(kMaxOpenDialogs) + L" open dialogs: open " + line.text);
    OpenOptions options;
    options.engine = setup_.engine;
    options.engine2 = setup_.engine2;
    options.parent = setup_.parent;
    options.parentOnly = line.parentOnly;
    options.pgc = line.pgc;
    options.mirado = line.mirado;
    std::unique_ptr<CDialog> dialog = cls->make(options);
    dialog->DoModal();
}

void ScenarioHost::Action(const ScenarioLine& line) {
    const std::wstring& command = line.command;
    CDialog* dialog = Active();
    if (!dialog) return Fail(L"no dialog is open: " + command);

    UINT id = line.id;
    const int n = static_cast<int>(line.count);
    InputResult result = InputResult::Done;
    switch (line.verb) {
        case Verb::Click: result = input::Click(*dialog, id); break;
        case Verb::Type: result = input::Type(*dialog, id, line.text); break;
        case Verb::Append: result = input::Append(*dialog, id, line.text); break;
        case Verb::Paste: result = input::Paste(*dialog, id, line.text); break;
        case Verb::Clear: result = input::Clear(*dialog, id); break;
        case Verb::Backspace: result = input::Backspace(*dialog, id, n); break;
        case Verb::Spin: result = input::Spin(*dialog, id, line.up, n); break;
        case Verb::SpinRaw: result = input::SpinRaw(*dialog, id, n); break;
        case Verb::Select: result = input::Select(*dialog, id, n); break;
        case Verb::Tick: result = input::Tick(*dialog, id, n); break;
        case Verb::Cell: result = input::Cell(*dialog, id, n, static_cast<int>(line.column)); break;
        case Verb::Close: result = input::Close(*dialog); break;
        default:
            id = line.verb == Verb::Ok ? IDOK : line.verb == Verb::Cancel ? IDCANCEL : ID_HELP;
            result = input::Click(*dialog, id);
    }
    const std::wstring what = line.verb == Verb::Cell ? std::to_wstring(line.count) + L" " + std::to_wstring(line.column)
                                                      : std::to_wstring(line.count);
    switch (result) {
        case InputResult::Done: break;
        case InputResult::Disabled: out_.Line(L"! disabled " + std::to_wstring(id)); break;
        case InputResult::NoControl: Fail(L"unknown control: " + std::to_wstring(id)); break;
        case InputResult::Unsupported: Fail(L"control " + std::to_wstring(id) + L" does not take " + command); break;
        case InputResult::OutOfRange: Fail(L"no such entry in control " + std::to_wstring(id) + L": " + what); break;
    }
}

void ScenarioHost::Inspection(const ScenarioLine& line) {
    if (line.verb == Verb::State) {
        out_.Line(L"= " + line.text + L" " + setup_.engine->Peek(CString(line.text)).str());
        return;
    }
    CDialog* dialog = Active();
    if (!dialog) return Fail(L"no dialog is open: " + line.command);
    if (line.verb == Verb::Render) return Render();
    if (!line.hasId) {
        for (const auto& child : dialog->m_hWnd->children) out_.Line(L"= " + DescribeControl(child));
        return;
    }
    HWND control = AfxFindChild(dialog->m_hWnd, line.id);
    if (!control) return Fail(L"unknown control: " + std::to_wstring(line.id));
    out_.Line(L"= " + DescribeControl(control));
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

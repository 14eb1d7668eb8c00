// SPDX-License-Identifier: BSD-3-Clause
#include "companions/zemqel/corqelrecorder.h"

#include <algorithm>

void CCorQelRecorder::Add(Kind kind, std::wstring_view text, std::wstring_view answer, int v0, int v1, int v2) {
    entries_.push_back({kind, texts_.size(), text.size(), answer.size(), {v0, v1, v2}});
    texts_.append(text);
    texts_.append(answer);
}

void CCorQelRecorder::OnQuery(const CString& query, const CString& answer) { Add(Kind::Query, query.str(), answer.str()); }
void CCorQelRecorder::OnScript(const CString& script) { Add(Kind::Script, script.str()); }
void CCorQelRecorder::OnRedraw() { Add(Kind::Redraw, {}); }
void CCorQelRecorder::OnGetBool(const CString& object, const CString& path, BOOL result) {
    Add(Kind::GetBool, object.str(), path.str(), result);
}
void CCorQelRecorder::OnGetStarCatalogInfo(int catalog, int autoSwitch, int switchCatalog) {
    Add(Kind::StarCatalogInfo, {}, {}, catalog, autoSwitch, switchCatalog);
}

CCorQelRecorder::Event CCorQelRecorder::EventOf(const Entry& e) const {
    const std::wstring_view all(texts_);
    return {e.kind, all.substr(e.at, e.textLength), all.substr(e.at + e.textLength, e.answerLength),
            {e.values[0], e.values[1], e.values[2]}};
}

std::vector<CCorQelRecorder::Event> CCorQelRecorder::Events() const {
    std::vector<Event> events;
    events.reserve(entries_.size());
    for (const Entry& e : entries_) events.push_back(EventOf(e));
    return events;
}

int CCorQelRecorder::Count(Kind kind) const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), [kind](const Entry& e) { return e.kind == kind; }));
}

std::vector<std::wstring> CCorQelRecorder::Scripts() const {
    std::vector<std::wstring> scripts;
    for (const Entry& e : entries_)
        if (e.kind == Kind::Script) scripts.emplace_back(EventOf(e).text);
    return scripts;
}

std::vector<std::wstring> CCorQelRecorder::Lines() const {
    std::vector<std::wstring> lines;
    for (const Event& e : Events()) {
        std::wstring text(e.text), answer(e.answer);
        switch (e.kind) {
            case Kind::Query: lines.push_back(L"Q " + text + L" => " + answer); break;
            case Kind::Script: lines.push_back(L"S " + text); break;
            case Kind::Redraw: lines.push_back(L"R"); break;
            case Kind::GetBool: lines.push_back(L"Q GetBool " + text + L"." + answer + (e.values[0] ? L" => TRUE" : L" => FALSE")); break;
            case Kind::StarCatalogInfo:
                lines.push_back(L"Q GetStarCatalogInfo => " + std::to_wstring(e.values[0]) + L" " + std::to_wstring(e.values[1]) + L" " +
                                std::to_wstring(e.values[2]));
                break;
        }
    }
    return lines;
}

void CCorQelRecorder::Clear() {
    texts_.clear();
    entries_.clear();
}

// SPDX-License-Identifier: BSD-3-Clause
// A listener that keeps the engine traffic it hears, in order, for a test or a measurement to read
// afterwards. The texts go back to back into one buffer, so once the buffer has grown to a run's
// traffic (Clear keeps it), recording a script allocates nothing.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "companions/zemqel/corqel.h"

class CCorQelRecorder : public CCorQelListener {
public:
    enum class Kind { Query, Script, Redraw, GetBool, StarCatalogInfo };

    // One call as it was heard. Query: text and answer. Script: text. GetBool: text is the object,
    // answer the path, values[0] the result. StarCatalogInfo: the three numbers in values. The
    // views last until the next call is recorded or Clear.
    struct Event {
        Kind kind;
        std::wstring_view text, answer;
        int values[3];
    };

    void OnQuery(const CString& query, const CString& answer) override;
    void OnScript(const CString& script) override;
    void OnRedraw() override;
    void OnGetBool(const CString& object, const CString& path, BOOL result) override;
    void OnGetStarCatalogInfo(int catalog, int autoSwitch, int switchCatalog) override;

    // The calls in the order they were made.
    std::vector<Event> Events() const;
    int Count(Kind kind) const;
    // The engine's answers asked for: queries, GetBool and GetStarCatalogInfo.
    int Reads() const { return Count(Kind::Query) + Count(Kind::GetBool) + Count(Kind::StarCatalogInfo); }
    // The scripts, as sent.
    std::vector<std::wstring> Scripts() const;
    // Every call as a line, as the scenario host writes traffic: "Q QUERY => ANSWER", "S SCRIPT",
    // "Q GetBool OBJECT.PATH => TRUE", "Q GetStarCatalogInfo => 1 0 4", and "R" for a redraw.
    std::vector<std::wstring> Lines() const;
    // Forgets everything heard, keeping the room it took.
    void Clear();

private:
    struct Entry {
        Kind kind;
        std::size_t at, textLength, answerLength;
        int values[3];
    };
    void Add(Kind kind, std::wstring_view text, std::wstring_view answer = {}, int v0 = 0, int v1 = 0, int v2 = 0);
    Event EventOf(const Entry& e) const;

    std::wstring texts_;
    std::vector<Entry> entries_;
};

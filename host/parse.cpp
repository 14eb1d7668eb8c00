// SPDX-License-Identifier: BSD-3-Clause
#include "host/parse.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <optional>

#include "host/classes.h"
#include "host/controlsymbols.h"

namespace {

bool IsLineBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

// Reads the words of a line. Words are separated by blanks; TEXT is what follows the single blank
// after the previous word.
class Words {
public:
    explicit Words(std::wstring_view line) : line_(line) {}

    // The next word, or an empty one at the end of the line.
    std::wstring_view Next() {
        while (pos_ < line_.size() && line_[pos_] == L' ') ++pos_;
        const std::size_t start = pos_;
        while (pos_ < line_.size() && line_[pos_] != L' ') ++pos_;
        return line_.substr(start, pos_ - start);
    }
    std::wstring_view Text() const { return pos_ < line_.size() ? line_.substr(pos_ + 1) : std::wstring_view(); }
    std::wstring_view Rest() const { return TrimLine(line_.substr(pos_)); }
    std::wstring_view Done() const { return line_.substr(0, pos_); }
    bool AtEnd() const { return Rest().empty(); }

private:
    std::wstring_view line_;
    std::size_t pos_ = 0;
};

class Parser {
public:
    Parser(std::wstring_view line, ScenarioLine& out) : words_(line), out_(out) {}

    void Parse() {
        const std::wstring_view command = Word();
        if (Failed()) return;
        static const struct {
            const wchar_t* name;
            Verb verb;
        } verbs[] = {
            {L"engine", Verb::Engine}, {L"registry", Verb::Registry}, {L"picsets", Verb::PicsetsClear},
            {L"picset", Verb::Picset}, {L"file", Verb::File},         {L"open", Verb::Open},
            {L"click", Verb::Click},   {L"type", Verb::Type},         {L"append", Verb::Append},
            {L"backspace", Verb::Backspace}, {L"clear", Verb::Clear}, {L"paste", Verb::Paste},
            {L"spin", Verb::Spin},     {L"spinraw", Verb::SpinRaw},   {L"select", Verb::Select},
            {L"tick", Verb::Tick},     {L"cell", Verb::Cell},         {L"ok", Verb::Ok},
            {L"cancel", Verb::Cancel}, {L"help", Verb::Help},         {L"close", Verb::Close},
            {L"show", Verb::Show},     {L"state", Verb::State},       {L"render", Verb::Render},
        };
        const auto* found = std::find_if(std::begin(verbs), std::end(verbs), [&](const auto& v) { return command == v.name; });
        if (found == std::end(verbs)) return Fail(L"unknown command: " + std::wstring(command));
        out_.command = command;
        out_.verb = found->verb;
        switch (out_.verb) {
            case Verb::Engine: out_.text = words_.Text(); return;
            case Verb::Registry:
                out_.section = Word();
                out_.key = Word();
                if (Failed()) return;
                if (out_.section.empty() || out_.key.empty()) return Fail(L"registry needs a section and a key");
                out_.text = words_.Text();
                return;
            case Verb::PicsetsClear: {
                const std::wstring_view what = Word();
                if (!Failed() && what != L"clear") return Fail(L"unknown picsets line: " + std::wstring(what));
                return Complete();
            }
            case Verb::Picset: {
                const std::wstring_view rest = words_.Text();
                const std::size_t bar = rest.find(L" | ");
                if (bar == std::wstring_view::npos) return Fail(L"picset needs NAME | FILE");
                out_.text = rest.substr(0, bar);
                out_.file = rest.substr(bar + 3);
                return;
            }
            case Verb::File: {
                out_.text = words_.Rest();
                const std::wstring& path = out_.text;
                if (path.empty() || path.find(L"..") != std::wstring::npos || path[0] == L'/') return Fail(L"bad file path: " + path);
                return;
            }
            case Verb::Open: return Open();
            case Verb::Click:
            case Verb::Clear: Id(); return Complete();
            case Verb::Type:
            case Verb::Append:
            case Verb::Paste:
                Id();
                out_.text = words_.Text();
                return;
            case Verb::Backspace:
                Id();
                if (!words_.AtEnd()) Number(out_.count, 0, INT_MAX, L"backspace count");
                return Complete();
            case Verb::Spin: {
                Id();
                const std::wstring_view arrow = Word();
                if (Failed()) return;
                if (arrow.empty()) return Fail(L"spin needs up or down");
                if (arrow != L"up" && arrow != L"down") return Fail(L"spin needs up or down: " + std::wstring(arrow));
                out_.up = arrow == L"up";
                if (!words_.AtEnd()) Number(out_.count, 0, kMaxSpinCount, L"spin count");
                return Complete();
            }
            case Verb::SpinRaw:
                Id();
                if (!Failed() && words_.AtEnd()) return Fail(L"spinraw needs a delta");
                Number(out_.count, INT_MIN, INT_MAX, L"delta");
                return Complete();
            case Verb::Select:
            case Verb::Tick:
                Id();
                if (!Failed() && words_.AtEnd()) return Fail(std::wstring(command) + L" needs an index");
                Number(out_.count, 0, INT_MAX, L"index");
                return Complete();
            case Verb::Cell:
                Id();
                if (!Failed() && words_.AtEnd()) return Fail(L"cell needs a row and a column");
                Number(out_.count, 0, INT_MAX, L"row");
                if (!Failed() && words_.AtEnd()) return Fail(L"cell needs a row and a column");
                Number(out_.column, 0, INT_MAX, L"column");
                return Complete();
            case Verb::Ok:
            case Verb::Cancel:
            case Verb::Help:
            case Verb::Close:
            case Verb::Render: return Complete();
            case Verb::Show:
                if (!words_.AtEnd()) {
                    Id();
                    out_.hasId = true;
                }
                return Complete();
            case Verb::State:
                out_.text = words_.Rest();
                if (out_.text.empty()) Fail(L"state needs a path");
                return;
        }
    }

private:
    bool Failed() const { return !out_.error.empty(); }
    void Fail(std::wstring reason) {
        if (!Failed()) out_.error = std::move(reason);
    }

    // The next word; a tab in it is a separator the language does not have.
    std::wstring_view Word() {
        const std::wstring_view word = words_.Next();
        if (word.find(L'\t') != std::wstring_view::npos)
            Fail(L"a tab between words (separate them with blanks): " + std::wstring(word));
        return word;
    }

    // Words left after a complete command are an error rather than ignored.
    void Complete() {
        if (!Failed() && !words_.AtEnd())
            Fail(L"extra words after \"" + std::wstring(words_.Done()) + L"\": " + std::wstring(words_.Rest()));
    }

    // A decimal integer within [low, high]; what says which number it is.
    void Number(long long& value, long long low, long long high, const wchar_t* what) {
        const std::wstring_view word = Word();
        if (!Failed()) NumberOf(word, value, low, high, what);
    }

    void NumberOf(std::wstring_view word, long long& value, long long low, long long high, const wchar_t* what) {
        std::size_t i = 0;
        const bool signedWord = low < 0 && !word.empty() && (word[0] == L'-' || word[0] == L'+');
        if (signedWord) i = 1;
        if (i >= word.size()) return Fail(L"bad number: " + std::wstring(word));
        long long v = 0;
        bool tooBig = false;
        for (; i < word.size(); ++i) {
            if (word[i] < L'0' || word[i] > L'9') return Fail(L"bad number: " + std::wstring(word));
            if (v > LLONG_MAX / 10 - 1) tooBig = true;
            else v = v * 10 + (word[i] - L'0');
        }
        if (signedWord && word[0] == L'-') v = -v;
        if (tooBig || v < low || v > high) {
            return Fail(std::wstring(what) + L" out of range (" + std::to_wstring(low) + L" to " + std::to_wstring(high) +
                        L"): " + std::wstring(word));
        }
        value = v;
    }

    // A control id, or the symbol of one. A word that starts like a number is read as one, so
    // that "-1" or "12x" stays a bad number rather than an unknown name.
    void Id() {
        if (Failed()) return;
        if (words_.AtEnd()) return Fail(out_.command + L" needs a control id");
        const std::wstring_view word = Word();
        if (Failed()) return;
        if (StartsAsNumber(word)) {
            long long v = 0;
            NumberOf(word, v, 0, UINT_MAX, L"control id");
            out_.id = static_cast<UINT>(v);
            return;
        }
        const std::optional<UINT> id = FindControlSymbol(word);
        if (!id) return Fail(L"unknown control: " + std::wstring(word));
        out_.id = *id;
    }

    static bool StartsAsNumber(std::wstring_view word) {
        return (word[0] >= L'0' && word[0] <= L'9') || word[0] == L'-' || word[0] == L'+';
    }

    void Open() {
        out_.text = Word();
        if (Failed()) return;
        if (out_.text.empty()) return Fail(L"open needs a class");
        if (!IsModuleClassName(out_.text)) return Fail(L"unknown class: " + out_.text);
        for (std::wstring_view w = Word(); !w.empty() && !Failed(); w = Word()) {
            if (w == L"parent-only") out_.parentOnly = true;
            else if (w == L"pgc=0" || w == L"pgc=1") out_.pgc = w.back() - L'0';
            else if (w == L"mirado=0" || w == L"mirado=1") out_.mirado = w.back() - L'0';
            else Fail(L"unknown open option: " + std::wstring(w));
        }
    }

    Words words_;
    ScenarioLine& out_;
};

}  // namespace

std::wstring_view TrimLine(std::wstring_view line) {
    std::size_t b = 0, e = line.size();
    while (b < e && IsLineBlank(line[b])) ++b;
    while (e > b && IsLineBlank(line[e - 1])) --e;
    return line.substr(b, e - b);
}

bool IsSkippedLine(std::wstring_view line) {
    const std::wstring_view t = TrimLine(line);
    return t.empty() || t.front() == L'#';
}

ScenarioLine ParseScenarioLine(std::wstring_view line) {
    ScenarioLine out;
    Parser(TrimLine(line), out).Parse();
    return out;
}

// SPDX-License-Identifier: BSD-3-Clause
// Statements written in place give the text their pieces appended one by one would: around the
// 512 characters opened at a time, statements longer than that, into a script with and without
// room, and numbers of every length "%.1f" writes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "companions/zemcst/statements.h"

namespace {

struct Statement {
    enum Kind { Bool, Visible, Value, Text } kind;
    std::wstring head, tail;  // the path in two pieces (the text of a Text)
    bool on = false;
    double value = 0.0;
};

template <class Out>
void Write(Out& out, const std::vector<Statement>& group) {
    for (const Statement& s : group) {
        switch (s.kind) {
            case Statement::Bool: out.Bool({s.head, s.tail}, s.on); break;
            case Statement::Visible: out.Visible({s.head, s.tail}, s.on); break;
            case Statement::Value: out.Value({s.head, s.tail}, s.value); break;
            case Statement::Text: out.Text(s.head); break;
        }
    }
}

std::wstring Expected(const std::vector<Statement>& group) {
    std::wstring text;
    for (const Statement& s : group) {
        const std::wstring path = s.head + s.tail;
        switch (s.kind) {
            case Statement::Bool: text += path + (s.on ? L" = TRUE;" : L" = FALSE;"); break;
            case Statement::Visible: text += path + (s.on ? L".Visible = TRUE;" : L".Visible = FALSE;"); break;
            case Statement::Value: text += path + L" = " + zem::Format(L"%.1f", s.value) + L";"; break;
            case Statement::Text: text += s.head; break;
        }
    }
    return text;
}

// The script before the group: empty, or a text with no room after it, or with room for the group
// (which it keeps).
void ExpectAppended(const std::vector<Statement>& group) {
    const std::wstring want = Expected(group);
    for (int before : {0, 1, 37}) {
        for (bool room : {false, true}) {
            SCOPED_TRACE(testing::Message() << "group of " << want.size() << ", after " << before << (room ? " with room" : ""));
            CString script(std::wstring(static_cast<std::size_t>(before), L'x'));
            if (room) script.Preallocate(before + static_cast<int>(want.size()));
            const wchar_t* buffer = script.GetString();
            zem::AppendStatements(script, [&](auto& out) { Write(out, group); });
            ASSERT_EQ(script.str(), std::wstring(static_cast<std::size_t>(before), L'x') + want);
            if (room) {
                EXPECT_EQ(script.GetString(), buffer);  // written into the room it had
            }
        }
    }
}

}  // namespace

TEST(Statements, GroupsGoOnPastTheRoomOpenedAtATimeAndLongStatementsTooAreWhole) {
    // Statements of a path of n characters take n + 8 or n + 9: groups of 8 come to about the 512
    // characters opened at a time, a little short or over, groups of 60 to several times that.
    for (int count : {8, 60}) {
        for (std::size_t n = 53; n <= 57; ++n) {
            std::vector<Statement> group;
            for (int i = 0; i < count; ++i)
                group.push_back({i % 3 == 2 ? Statement::Visible : Statement::Bool,
                                 std::wstring(n - 4, static_cast<wchar_t>(L'a' + i % 26)), L".Sub", i % 2 == 0});
            ExpectAppended(group);
        }
    }
    // Statements of 511 to 514 characters, between short ones.
    for (std::size_t n = 502; n <= 505; ++n) {
        ExpectAppended({{Statement::Text, L"a;", L""},
                        {Statement::Bool, std::wstring(n - 1, L'b'), L".", false},
                        {Statement::Text, std::wstring(n + 9, L'c'), L""},
                        {Statement::Visible, std::wstring(n - 8, L'd'), L"", true},
                        {Statement::Value, std::wstring(n - 1, L'e'), L".", false, -12.5}});
    }
    ExpectAppended({});
    ExpectAppended({{Statement::Text, L";Show Sky", L""}, {Statement::Bool, L"", L"", true}});
    // A piece may be a view of nothing at all.
    CString s;
    zem::AppendStatements(s, [](zem::StatementWriter& out) { out.Bool({std::wstring_view(), L"Star.Visible"}, true); });
    EXPECT_EQ(s, L"Star.Visible = TRUE;");
}

TEST(Statements, NumbersOfEveryLengthFitTheirRoom) {
    const double inf = std::numeric_limits<double>::infinity();
    const double numbers[] = {0.0,  -0.0, 0.25, 0.35,  -1.25, 6.0,      -10.0, 1e15, -9007199254740991.0,
                              0x1p53, 1e300, -1.7976931348623157e308, inf,  -inf, std::nan(""), 4.9e-324};
    std::vector<Statement> group;
    for (double v : numbers) {
        group.push_back({Statement::Value, L"Star.GCVS", L".FixedMagnitudeLimit.Maximum", false, v});
        ExpectAppended({group.back()});
    }
    ExpectAppended(group);
}

// SPDX-License-Identifier: BSD-3-Clause
// The common-dialog library: the picture sets and the formatted exchange of a double. (The colour
// dialog's run: the scenarios' "C" lines and the desktop person test.)
#include "companions/zemdcm/cnspic.h"
#include "companions/zemdcm/ddxfmt.h"
#include "qel_test_dialog.h"

namespace {

using namespace qtest;

// What a fresh enumerator gives, as (name, file); a null info takes nothing, and once at the end
// it stays there.
using Sets = std::vector<std::pair<std::wstring, std::wstring>>;
Sets Enumerate() {
    Sets sets;
    CCnsPic pic;
    tagCnsPicInfo info;
    EXPECT_FALSE(pic.EnumInfo(nullptr));
    while (sets.size() < 100 && pic.EnumInfo(&info)) {
        EXPECT_EQ(info.nIndex, static_cast<int>(sets.size()));
        sets.emplace_back(info.strName.str(), info.strFile.str());
    }
    EXPECT_FALSE(pic.EnumInfo(&info));
    return sets;
}

TEST(CnsPic, ShipsThreeSetsThatTheHostCanReplace) {
    const Sets shipped = Enumerate();
    ASSERT_EQ(shipped.size(), 3u);
    EXPECT_TRUE(shipped[0].second != shipped[1].second && shipped[1].second != shipped[2].second);
    // Renumbered; a double quote in a name or file would end the quoted value in the script.
    CCnsPic::SetList({{7, L"星図", L"a.png", 0, 0}, {7, L"x\";Milkyway.Visible = FALSE;y=\"", L"q.png", 0, 0},
                      {7, L"絵", L"b.png", 0, 0}, {7, L"引用", L"\"q.png", 0, 0}});
    EXPECT_TRUE(CCnsPic::AddSet(L"影絵", L"c.png"));
    EXPECT_FALSE(CCnsPic::AddSet(L"影\"絵", L"d.png"));
    EXPECT_FALSE(CCnsPic::AddSet(L"影絵", L"d\".png"));
    EXPECT_EQ(Enumerate(), (Sets{{L"星図", L"a.png"}, {L"絵", L"b.png"}, {L"影絵", L"c.png"}}));
    CCnsPic::ClearList();
    EXPECT_EQ(Enumerate(), Sets{});
    CCnsPic::RestoreShippedList();
    EXPECT_EQ(Enumerate(), shipped);
}

class DoubleFmt : public CompanionTest {};

TEST_F(DoubleFmt, ShowsFormattedAndReadsBack) {
    CQelTestDialog dialog(nullptr, nullptr);
    double first = 3.14159, second = -2.25;
    dialog.exchange = [&](CDataExchange* pDX) {
        DDX_DoubleFmt(pDX, IDC_EDIT, first, L"%.1f", 3);
        DDX_DoubleFmt(pDX, IDC_EDIT2, second, L"%.1f", 5);
    };
    Within(dialog, [&] {
        const auto shown = [&](UINT id) { return dialog.GetDlgItem(static_cast<int>(id))->GetWindowText(); };
        EXPECT_EQ(shown(IDC_EDIT) + L" " + shown(IDC_EDIT2), L"3.1 -2.2");
        const struct { const wchar_t* typed; BOOL ok; double first; } rows[] = {
            {L"12.25", TRUE, 12.25}, {L"abc", FALSE, 12.25}, {L"1.5等", FALSE, 12.25}};
        for (const auto& row : rows) {
            SCOPED_TRACE(zem::ToUtf8(row.typed));
            boxes.clear();
            input::Paste(dialog, IDC_EDIT, row.typed);
            input::Paste(dialog, IDC_EDIT2, L"4.5");
            second = 0.0;
            EXPECT_EQ(dialog.UpdateData(TRUE), row.ok);
            EXPECT_EQ(first, row.first);
            EXPECT_EQ(second, row.ok ? 4.5 : 0.0);  // a failed field stops the exchange there
            EXPECT_EQ(boxes, row.ok ? Log{} : Log{L"数値を入力してください。|"});
            EXPECT_EQ(shown(IDC_EDIT), row.typed);  // reading leaves the text as typed
        }
    });
}

}  // namespace

// The common-dialog library: the colour dialog's run, the picture sets, and the formatted
// exchange of a double.
#include "companions/zemdcm/cnspic.h"
#include "companions/zemdcm/ddxfmt.h"
#include "companions/zemdcm/setcolordialog.h"
#include "qel_test_dialog.h"

namespace {

using namespace qtest;

TEST(SetColorDialog, RecordsItsRunAndHandsItToThePresenter) {
    struct : CSetColorDialogPresenter {
        std::vector<const void*> engines;
        Log texts;
        INT_PTR Run(CSetColorDialog& d) override {
            engines = {d.GetEngine(), d.GetEngine2()};
            texts = {d.GetText0().str(), d.GetText1().str(), d.GetColourKey().str()};
            return IDCANCEL;
        }
    } presenter;
    CCorQel a, b;
    const int before = CSetColorDialog::RunCount();
    EXPECT_EQ(CSetColorDialog(&a, &b, L"天の川", L"輪郭", L"MilkyWay.Outline.Color").DoModal(), IDOK);
    EXPECT_EQ(CSetColorDialog::RunCount(), before + 1);
    EXPECT_EQ(CSetColorDialog::LastColourKey(), L"MilkyWay.Outline.Color");

    CSetColorDialog::SetPresenter(&presenter);
    const INT_PTR result = CSetColorDialog(&b, &a, L"星座", L"線", L"Constellation.Line.Color").DoModal();
    CSetColorDialog::SetPresenter(nullptr);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(presenter.engines, (std::vector<const void*>{&b, &a}));
    EXPECT_EQ(presenter.texts, (Log{L"星座", L"線", L"Constellation.Line.Color"}));
    EXPECT_EQ(CSetColorDialog::RunCount(), before + 2);
    EXPECT_EQ(CSetColorDialog::LastColourKey(), L"Constellation.Line.Color");
}

class CnsPic : public ::testing::Test {
protected:
    using Sets = std::vector<std::pair<std::wstring, std::wstring>>;
    void TearDown() override { CCnsPic::RestoreShippedList(); }

    // What a fresh enumerator gives, as (name, file); once at the end it stays there.
    static Sets Enumerate() {
        Sets sets;
        CCnsPic pic;
        tagCnsPicInfo info;
        while (sets.size() < 100 && pic.EnumInfo(&info)) {
            EXPECT_EQ(info.nIndex, static_cast<int>(sets.size()));
            sets.emplace_back(info.strName.str(), info.strFile.str());
        }
        EXPECT_FALSE(pic.EnumInfo(&info));
        EXPECT_FALSE(pic.EnumInfo(nullptr));
        return sets;
    }
};

TEST_F(CnsPic, ShippedListHasThreeDistinctSets) {
    const Sets shipped = Enumerate();
    ASSERT_EQ(shipped.size(), 3u);
    for (const auto& [name, file] : shipped) EXPECT_FALSE(name.empty() || file.empty());
    EXPECT_TRUE(shipped[0].second != shipped[1].second && shipped[1].second != shipped[2].second);
}

TEST_F(CnsPic, HostReplacesTheList) {
    const Sets shipped = Enumerate();
    CCnsPic::SetList({{7, L"星図", L"a.png", 0, 0}, {7, L"絵", L"b.png", 0, 0}});
    EXPECT_EQ(Enumerate(), (Sets{{L"星図", L"a.png"}, {L"絵", L"b.png"}}));
    CCnsPic::AddSet(L"影絵", L"c.png");
    EXPECT_EQ(Enumerate(), (Sets{{L"星図", L"a.png"}, {L"絵", L"b.png"}, {L"影絵", L"c.png"}}));
    CCnsPic::ClearList();
    EXPECT_EQ(Enumerate(), Sets{});
    CCnsPic::AddSet(L"一つ", L"one.png");
    EXPECT_EQ(Enumerate(), (Sets{{L"一つ", L"one.png"}}));
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
            {L"12.5", TRUE, 12.5}, {L" 0 ", TRUE, 0.0}, {L"-7", TRUE, -7.0},
            {L"abc", FALSE, -7.0}, {L"", FALSE, -7.0}, {L"1.5等", FALSE, -7.0},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE(zem::ToUtf8(row.typed));
            const auto boxesBefore = Boxes().size();
            input::Paste(dialog, IDC_EDIT, row.typed);
            input::Paste(dialog, IDC_EDIT2, L"4.5");
            second = 0.0;
            EXPECT_EQ(dialog.UpdateData(TRUE), row.ok);
            EXPECT_EQ(first, row.first);
            EXPECT_EQ(second, row.ok ? 4.5 : 0.0);  // a failed field stops the exchange there
            EXPECT_EQ(Log(Boxes().begin() + static_cast<std::ptrdiff_t>(boxesBefore), Boxes().end()),
                      row.ok ? Log{} : Log{L"数値を入力してください。"});
        }

        if (CommaLocale comma; comma) {
            first = 6.25;
            dialog.UpdateData(FALSE);
            EXPECT_EQ(shown(IDC_EDIT), L"6.2");
            input::Paste(dialog, IDC_EDIT, L"1.5");
            EXPECT_TRUE(dialog.UpdateData(TRUE));
            EXPECT_EQ(first, 1.5);
        }
    });
}

}  // namespace

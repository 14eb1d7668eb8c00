// The deep-sky dialog's cell lists: the rows built from what the engine names, their states at
// opening, clicks in their cells, and requests a list should never make.
#include <gtest/gtest.h>

#include <limits>

#include "deepsky_support.h"
#include "framework/module.h"

using namespace bench;
using namespace deepsky;
using overlay::State;
using overlay::Value;

namespace {

TEST(DeepSkyLists, CatalogsAsTheEngineNamesThem) {
    const std::wstring longName(5000, L'N');
    const struct {
        const char* name;
        CString state;
        std::wstring rows;  // the catalog list as drawn
    } cases[] = {
        {"none", State({}), L"1207 rows=\"\" disabled"},
        {"blank local name, two prefixes, blank name ends",
         State({{L"DeepSkyObject.Catalog.#1.Name", L"\" Lynds \""}, {L"DeepSkyObject.Catalog.#1.LocalName", L"\"  \""},
                {L"DeepSkyObject.Catalog.#1.Prefix", L"\"LBN|LDN\""}, {L"DeepSkyObject.Catalog.#2.Name", L"Bare"},
                {L"DeepSkyObject.Catalog.#3.Name", L"\" \""}, {L"DeepSkyObject.Catalog.#4.Name", L"Unreached"}}),
         L"1207 rows=\"1:Lynds(LBN, LDN)|1:Bare\" disabled"},
        {"very long name", State({{L"DeepSkyObject.Catalog.#1.Name", longName}}),
         L"1207 rows=\"1:" + longName + L"\" disabled"},
    };
    for (const auto& c : cases) {
        Bench b;
        b.engine.LoadState(c.state);
        auto dlg = Make(b);
        b.Run(*dlg, {Do([&](CDialog& d) { EXPECT_EQ(Show(d, IDC_NBL_CATALOG_LIST), c.rows) << c.name; }), Ok()});
        EXPECT_FALSE(dlg->GetUndoScript().IsEmpty()) << c.name;
    }
}

TEST(DeepSkyLists, SelectionReadAtOpening) {
    const CString catalogs = State({{L"DeepSkyObject.Catalog.#1.Name", L"A"}, {L"DeepSkyObject.Catalog.#2.Name", L"B"}});
    const struct {
        const char* name;
        CString state;
        const wchar_t *catalogRows, *levelRows, *galaxyCell;
        bool limitAsked;
    } cases[] = {
        // Nothing annotated: catalogs and types selected, levels not, whatever the engine holds.
        {"no annotation", State({{L"DeepSkyObject.A.Mark.Visible", L"FALSE"}, {L"DeepSkyObject.VisibleByBinocular.Visible", L"TRUE"},
                                 {L"DeepSkyObject.Galaxy.Mark.Visible", L"FALSE"}}),
         L"1:A|1:B", L"0:双眼鏡|0:望遠鏡", L"1:銀河", false},
        // One annotation shown: a row counts as selected when any of its four paths is shown.
        {"magnitude path only", State({{L"DeepSkyObject.Name.Visible", L"TRUE"}, {L"DeepSkyObject.B.Magnitude.Visible", L"TRUE"},
                                       {L"DeepSkyObject.VisibleByTelescope.Visible", L"TRUE"},
                                       {L"DeepSkyObject.Galaxy.Number.Visible", L"TRUE"}}),
         L"0:A|1:B", L"0:双眼鏡|1:望遠鏡", L"1:銀河", true},
        {"type not shown", State({{L"DeepSkyObject.Mark.Visible", L"TRUE"}}), L"0:A|0:B", L"0:双眼鏡|0:望遠鏡", L"0:銀河", true},
    };
    for (const auto& c : cases) {
        Bench b;
        b.recordQueries = true;
        b.engine.LoadState(catalogs);
        b.engine.Doit(c.state);
        auto dlg = Make(b);
        b.Run(*dlg, {Do([&](CDialog& d) {
                         EXPECT_NE(Show(d, IDC_NBL_CATALOG_LIST).find(c.catalogRows), std::wstring::npos) << c.name;
                         EXPECT_NE(Show(d, IDC_NBL_LEVEL_LIST).find(c.levelRows), std::wstring::npos) << c.name;
                         EXPECT_NE(Show(d, IDC_NBL_TYPE_LIST).find(c.galaxyCell), std::wstring::npos) << c.name;
                         // Asked, the limit reads as the engine answers (nothing: off); else it stays on.
                         EXPECT_EQ(Checked(d, IDC_NBL_LIMIT_MAG), !c.limitAsked) << c.name;
                     }),
                     Cancel()});
        bool asked = false;
        for (const auto& e : b.Take()) asked = asked || e == L"Q ? DeepSkyObject.FixedMagnitudeLimit => ";
        EXPECT_EQ(asked, c.limitAsked) << c.name;
    }
}

TEST(DeepSkyLists, ACheckCellAppliesAtOnceATextCellDoesNot) {
    Bench b;
    b.engine.LoadState(State({{L"DeepSkyObject.Catalog.#1.Name", L"A"}, {L"DeepSkyObject.Mark.Visible", L"TRUE"},
                              {L"DeepSkyObject.Name.Visible", L"TRUE"}, {L"DeepSkyObject.A.Mark.Visible", L"TRUE"}}));
    auto dlg = Make(b);
    std::vector<std::vector<std::wstring>> sent;
    auto record = Do([&](CDialog&) { sent.push_back(b.Scripts()); });
    b.Run(*dlg, {Do([&](CDialog&) { b.Take(); }), Cell(IDC_NBL_CATALOG_LIST, 0, 1), record, Cell(IDC_NBL_CATALOG_LIST, 0, 0),
                 record, Do([&](CDialog& d) { EXPECT_EQ(Show(d, IDC_NBL_CATALOG_LIST), L"1207 rows=\"0:A\" enabled"); }),
                 Cell(IDC_NBL_TYPE_LIST, 8, 0), record, Cancel()});
    sent.push_back(b.Scripts());
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_TRUE(sent[0].empty());
    ASSERT_EQ(sent[1].size(), 1u);
    // An unselected catalog: every annotation off for it, shown ones and hidden ones alike.
    EXPECT_EQ(CountStatements(sent[1][0], L"DeepSkyObject.A."), 4);
    EXPECT_EQ(Value(sent[1][0], L"DeepSkyObject.A.Magnitude.Visible"), L"FALSE");
    ASSERT_EQ(sent[2].size(), 1u);
    EXPECT_EQ(CountStatements(sent[2][0], L"DeepSkyObject.ClusterOfGalaxies."), 0);
    EXPECT_EQ(CountStatements(sent[2][0], L"DeepSkyObject.Galaxy."), 4);
    // Cancel after a change: the opening state, without a redraw.
    ASSERT_EQ(sent[3].size(), 1u);
    EXPECT_EQ(CountStatements(sent[3][0], L"DeepSkyObject.A."), 0);
    EXPECT_FALSE(sent[3][0].ends_with(L"Show Sky"));
}

// Requests a list box should never make: nothing is drawn past the rows, a record that does not
// hold what it names is reported, and nothing leaves the dialog.
TEST(DeepSkyLists, OddRequestsAreHarmless) {
    struct Reports : CInvalidArgReport {
        int count = 0;
        void OnInvalidArg(const char*) override { ++count; }
    } reports;
    AfxSetInvalidArgReport(&reports);
    using Info = CQelListBoxAObj::tagUpdateInfo;
    const std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const struct {
        WPARAM code;
        UINT list;
        std::int64_t first, count, offset;
        int column, columns;
        std::size_t cells;
        int reported, sent;
        const wchar_t* firstCell;  // the text of cell 0 of the text column afterwards
    } cases[] = {
        {1, IDC_NBL_LEVEL_LIST, 1, 3, 0, 0, 2, 3, 0, 0, L"望遠鏡"},
        {1, IDC_NBL_LEVEL_LIST, 2, 3, 0, 0, 2, 3, 0, 0, L"untouched"},
        {1, IDC_NBL_LEVEL_LIST, -1, 2, 0, 0, 2, 2, 0, 0, L"untouched"},
        {1, IDC_NBL_LEVEL_LIST, kMin, kMax, 0, 0, 2, 1, 0, 0, L"untouched"},
        {1, IDC_NBL_LEVEL_LIST, kMax, kMax, 0, 0, 2, 1, 0, 0, L"untouched"},
        {1, IDC_NBL_LEVEL_LIST, 0, 2, 0, 0, 2, 1, 1, 0, L"双眼鏡"},  // fewer cells than rows asked for
        {1, IDC_NBL_CATALOG_LIST, 0, 1, 0, 0, 2, 1, 0, 0, L"untouched"},  // no catalogs
        {1, 1234, 0, 1, 0, 0, 2, 1, 0, 0, L"untouched"},
        {3, IDC_NBL_LEVEL_LIST, 0, 1, 0, 0, 2, 1, 0, 0, L"untouched"},
        {4, IDC_NBL_LEVEL_LIST, 0, 1, 0, 0, 2, 1, 0, 1, L"untouched"},
        {4, IDC_NBL_LEVEL_LIST, 0, 1, 0, 2, 2, 1, 1, 0, L"untouched"},   // no such column
        {4, IDC_NBL_LEVEL_LIST, 0, 1, 0, -1, 2, 1, 1, 0, L"untouched"},
        {4, IDC_NBL_LEVEL_LIST, 1, 1, 0, 0, 2, 0, 1, 0, L""},            // no such cell
        {4, IDC_NBL_LEVEL_LIST, 1, 1, 1, 0, 2, 1, 0, 0, L"untouched"},   // row 2: past the end
        {4, IDC_NBL_LEVEL_LIST, kMax, 1, kMax, 0, 2, 1, 0, 0, L"untouched"},
        {4, IDC_NBL_LEVEL_LIST, kMin, 1, kMin, 0, 2, 1, 0, 0, L"untouched"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " first " << c.first << " column " << c.column);
        Bench b;
        b.engine.LoadState(State({{L"DeepSkyObject.Mark.Visible", L"TRUE"}}));
        auto dlg = Make(b);
        reports.count = 0;
        std::vector<CQelListBoxAObj::tagHeaderDataItem> columns(static_cast<std::size_t>(c.columns));
        std::vector<CQelListBoxAObj::tagHeaderDataItem*> pointers;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            columns[i].nID = static_cast<UINT>(i);
            columns[i].aCell.assign(c.cells, {L"untouched", 7});
            pointers.push_back(&columns[i]);
        }
        Info info{c.list, c.first, c.count, c.column, c.offset, pointers.data(), c.columns};
        b.Run(*dlg, {Do([&](CDialog& d) {
                         b.Take();
                         d.SendMessage(g_nQelListBoxAObjMessage, c.code, reinterpret_cast<LPARAM>(&info));
                         d.SendMessage(g_nQelListBoxAObjMessage, c.code, 0);
                     })});
        EXPECT_EQ(reports.count, c.reported);
        EXPECT_EQ(static_cast<int>(b.Scripts().size()), c.sent);
        EXPECT_EQ(columns[1].aCell.empty() ? L"" : columns[1].aCell[0].strText.str(), c.firstCell);
    }
    AfxSetInvalidArgReport(nullptr);
}

// A name that is not a property word is shown but never written: nothing the engine answers
// may add a statement of its own.
TEST(DeepSkyLists, ACatalogNameCannotAddStatements) {
    Bench b;
    b.engine.LoadState(State({{L"DeepSkyObject.Catalog.#1.Name", L"\"X;Star.Visible = TRUE;Y\""},
                              {L"DeepSkyObject.Catalog.#2.Name", L"\"Q\"\"\""}, {L"DeepSkyObject.Mark.Visible", L"TRUE"}}));
    auto dlg = Make(b);
    b.Run(*dlg, {Do([&](CDialog& d) {
                     EXPECT_EQ(Show(d, IDC_NBL_CATALOG_LIST), L"1207 rows=\"0:X;Star.Visible = TRUE;Y|0:Q\"\"\" enabled");
                 }),
                 Click(IDC_NBL_OUTLINE), Cancel()});
    for (const auto& script : b.Scripts()) {
        EXPECT_EQ(script.find(L"Star.Visible"), std::wstring::npos);
        EXPECT_EQ(script.find(L"Q\""), std::wstring::npos);
    }
    EXPECT_EQ(b.engine.Doit(L"? Star.Visible"), L"");
}

}  // namespace

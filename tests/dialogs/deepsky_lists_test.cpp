// The deep-sky dialog's cell lists against what they should never meet: odd requests of a list,
// and catalog names no property could have.
#include <gtest/gtest.h>

#include <limits>

#include "deepsky_support.h"
#include "framework/module.h"

using namespace bench;
using namespace deepsky;
using overlay::State;

namespace {

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

// Catalog names as the engine gives them: shown as they are; written into paths only when they
// can name a property, since nothing the engine answers may add a statement of its own.
TEST(DeepSkyLists, CatalogNamesAsTheEngineGivesThem) {
    const std::wstring longName(5000, L'N');
    const struct {
        const char* name;
        std::wstring stored;  // as the engine's script writes it
        std::wstring rows;
        int statements;  // about the catalog, left unselected
    } cases[] = {
        {"no catalogs", L"\"\"", L"1207 rows=\"\" enabled", 0},
        {"very long name", longName, L"1207 rows=\"0:" + longName + L"\" enabled", 4},
        {"ends a statement", L"\"X;Star.Visible = TRUE;Y\"", L"1207 rows=\"0:X;Star.Visible = TRUE;Y\" enabled", 0},
        {"assigns", L"\"Star.Visible = TRUE\"", L"1207 rows=\"0:Star.Visible = TRUE\" enabled", 0},
        {"quotes", L"Q\"Star.Visible", L"1207 rows=\"0:Q\"Star.Visible\" enabled", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        b.engine.LoadState(State({{L"DeepSkyObject.Mark.Visible", L"TRUE"}}));
        b.engine.Doit(CString(L"DeepSkyObject.Catalog.#1.Name = " + c.stored));
        auto dlg = Make(b);
        b.Run(*dlg, {Do([&](CDialog& d) { EXPECT_EQ(Show(d, IDC_NBL_CATALOG_LIST), c.rows); }), Click(IDC_NBL_OUTLINE),
                     Cancel()});
        const auto scripts = b.Scripts();
        ASSERT_EQ(scripts.size(), 3u);  // the name, the change, the undo script
        for (std::size_t i = 1; i < scripts.size(); ++i) {
            EXPECT_EQ(CountStatements(scripts[i], L"DeepSkyObject." + longName + L"."), c.statements);
            EXPECT_EQ(scripts[i].find(L"Star.Visible"), std::wstring::npos);
        }
        EXPECT_EQ(b.engine.Doit(L"? Star.Visible"), L"");
    }
}

}  // namespace

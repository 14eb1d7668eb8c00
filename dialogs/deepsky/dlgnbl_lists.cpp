// SPDX-License-Identifier: BSD-3-Clause
// The annotation rows and the three cell lists (catalogs, observing levels, object types): their
// rows, their states at opening, the lists' set-up, the cells the lists ask for, a changed cell,
// and the restriction statements.
#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "dialogs/deepsky/dlgnbl.h"

using namespace std::string_view_literals;

namespace {

using Info = CQelListBoxAObj::tagUpdateInfo;
using Column = CQelListBoxAObj::tagHeaderDataItem;

constexpr UINT kCheckColumn = 0;
constexpr UINT kTextColumn = 1;

const tagFeatureTypeInfo kFeatureTypes[] = {
    {0, L"Mark", IDC_NBL_MARK, FALSE},
    {1, L"Name", IDC_NBL_NAME, FALSE},
    {2, L"Number", IDC_NBL_NUMBER, FALSE},
    {3, L"Magnitude", IDC_NBL_MAGNITUDE, FALSE},
};

const tagLBoxAObjInfo kLevels[] = {
    {L"VisibleByBinocular", L"双眼鏡", L"", FALSE},
    {L"VisibleByTelescope", L"望遠鏡", L"", FALSE},
};

const tagLBoxAObjInfo kTypes[] = {
    {L"GlobularCluster", L"球状星団", L"", TRUE},   {L"OpenCluster", L"散開星団", L"", TRUE},
    {L"PlanetaryNebula", L"惑星状星雲", L"", TRUE}, {L"DiffuseNebula", L"散光星雲", L"", TRUE},
    {L"DarkNebula", L"暗黒星雲", L"", TRUE},        {L"SupernovaRemnant", L"超新星残骸", L"", TRUE},
    {L"Galaxy", L"銀河", L"", TRUE},                {L"GroupOfGalaxies", L"銀河群", L"", TRUE},
    {L"ClusterOfGalaxies", L"銀河団", L"", TRUE},
};

// A catalog's name goes into property paths. One that would end a statement, open a quoted value
// or make an assignment of its own cannot name a property, and is never written.
bool CanNameProperty(const CString& name) {
    return name.Find(L';') < 0 && name.Find(L'"') < 0 && name.Find(L'=') < 0;
}

// The offsets [begin, end) of a request of count rows from first whose data rows lie in
// [0, size); computed without overflow whatever the request holds.
std::pair<std::int64_t, std::int64_t> RowsInside(std::int64_t first, std::int64_t count, std::size_t size) {
    const auto n = static_cast<std::int64_t>(size);
    if (count <= 0 || first >= n) return {0, 0};
    std::int64_t begin = 0;
    if (first < 0) {
        if (count <= -(first + 1)) return {0, 0};
        begin = -first;  // no overflow: first > -count
    }
    const std::int64_t room = n - (first + begin);
    return {begin, begin + std::min(count - begin, room)};
}

// The data row at offset from first when it lies in [0, size).
std::optional<std::size_t> DataRow(std::int64_t first, std::int64_t offset, std::size_t size) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    if (offset > 0 ? first > kMax - offset : first < kMin - offset) return std::nullopt;
    const std::int64_t row = first + offset;
    if (row < 0 || row >= static_cast<std::int64_t>(size)) return std::nullopt;
    return static_cast<std::size_t>(row);
}

// A column of the request, or null (reported) when the request's own record does not hold it.
Column* ColumnAt(const Info& info, int position) {
    if (!info.ppHeader || position < 0 || position >= info.nHeaderCount || !info.ppHeader[position]) {
        AfxReportInvalidArg("CDlgNbl: column outside the list's request");
        return nullptr;
    }
    return info.ppHeader[position];
}

// A cell of a column, or null (reported) when the request's own record does not hold it.
CQelListBoxAObj::tagCell* CellAt(Column& column, std::int64_t offset) {
    if (offset < 0 || offset >= static_cast<std::int64_t>(column.aCell.size())) {
        AfxReportInvalidArg("CDlgNbl: cell outside the list's request");
        return nullptr;
    }
    return &column.aCell[static_cast<std::size_t>(offset)];
}

// A row's text: its label, then its prefixes in brackets with ", " between them where the
// catalog has '|', written into the cell's own buffer (a click asks for its row again).
void WriteCellText(CString& text, const tagLBoxAObjInfo& row) {
    text.Empty();
    text += row.strLabel;
    if (row.strPrefix.IsEmpty()) return;
    text += L'(';
    for (wchar_t c : row.strPrefix.str()) {
        if (c == L'|') text += L", ";
        else text += c;
    }
    text += L')';
}

}  // namespace

// Made once from the dialog's tables: the annotation kinds, the levels and types (each type with
// every kind), the other objects; then the boxes whose statements are not rows.
zem::HandSettings CDlgNbl::HandSettings() {
    struct Made {
        std::vector<std::pair<UINT, std::array<std::wstring, 2>>> paths;  // reads, writes
        std::vector<zem::HandSetting> settings;
    };
    static const Made made = [] {
        Made m;
        const std::wstring object = kObject;
        auto add = [&](UINT control, const std::wstring& reads, const std::wstring& writes) {
            m.paths.push_back({control, {reads, writes}});
        };
        for (const auto& f : kFeatureTypes) {
            const std::wstring path = object + L"." + f.strName.str() + L".Visible";
            add(f.nID, path, f.nType == 1 ? path + L";MagellanicCloud.Name.Visible" : path);
        }
        std::wstring levels, types;
        for (const auto& l : kLevels) levels += object + L"." + l.strName.str() + L".Visible;";
        for (const auto& t : kTypes)
            for (const auto& f : kFeatureTypes) types += object + L"." + t.strName.str() + L"." + f.strName.str() + L".Visible;";
        add(IDC_NBL_LEVEL_LIST, levels, levels);
        add(IDC_NBL_TYPE_LIST, types, types);
        for (const tagEtcObjInfo& e : OtherObjects()) {
            add(e.nVisibleID, e.strName.str() + L".Visible", e.strName.str() + L".Visible");
            add(e.nNameID, e.strName.str() + L".Name.Visible", e.strName.str() + L".Name.Visible");
        }
        add(IDC_NBL_LIMIT_MAG, object + L".FixedMagnitudeLimit", object + L".FixedMagnitudeLimit");
        add(IDC_NBL_PGC_LIMIT_MAG, object + L".PGC.FixedMagnitudeLimit", object + L".PGC.FixedMagnitudeLimit");
        add(IDC_NBL_PGC_POINT, object + L".PGC.Point.Visible", object + L".PGC.Point.Visible");
        add(IDC_NBL_PGC_SHAPE_IMAGE, object + L".PGC.Outline.Visible",
            object + L".PGC.Image.Visible;" + object + L".PGC.Outline.Visible");
        // The texts stay where they are from here on (a vector moves its elements with it).
        for (const auto& [control, lists] : m.paths) m.settings.push_back({control, lists[0].c_str(), lists[1].c_str()});
        return m;
    }();
    return made.settings;
}

std::span<const CDlgNbl::CellList> CDlgNbl::CellLists() {
    static const CellList lists[] = {
        {IDC_NBL_CATALOG_LIST, &CDlgNbl::m_aCatalog, &CDlgNbl::m_lstCatalog, L"カタログ"},
        {IDC_NBL_LEVEL_LIST, &CDlgNbl::m_aLevel, &CDlgNbl::m_lstLevel, L"レベル"},
        {IDC_NBL_TYPE_LIST, &CDlgNbl::m_aType, &CDlgNbl::m_lstType, L"種類"},
    };
    return lists;
}

const CDlgNbl::CellList* CDlgNbl::FindCellList(UINT id) {
    for (const CellList& l : CellLists())
        if (l.id == id) return &l;
    return nullptr;
}

std::span<const tagFeatureTypeInfo> CDlgNbl::FeatureTypes() { return kFeatureTypes; }

void CDlgNbl::InitFeatureTypes() { m_aFeatureType.assign(std::begin(kFeatureTypes), std::end(kFeatureTypes)); }

// The engine numbers its catalogs from 1 and ends the list with an empty name.
void CDlgNbl::InitCatalogs() {
    for (int n = 1; n < std::numeric_limits<int>::max(); ++n) {
        zem::DecimalRoom room;
        const std::wstring_view number = zem::ShortDecimal(n, room);
        auto ask = [&](const wchar_t* what) { return Query({m_strObject.str(), L".Catalog.#", number, what}); };
        CString name = ask(L".Name");
        if (name.Trim().IsEmpty()) break;
        tagLBoxAObjInfo& row = m_aCatalog.emplace_back();
        CString label = ask(L".LocalName");
        row.strLabel = label.Trim().IsEmpty() ? name : std::move(label);
        row.strName = std::move(name);
        CString prefix = ask(L".Prefix");
        row.strPrefix = std::move(prefix.Trim());
        row.bSelect = TRUE;
    }
}

void CDlgNbl::InitLevelsAndTypes() {
    m_aLevel.assign(std::begin(kLevels), std::end(kLevels));
    m_aType.assign(std::begin(kTypes), std::end(kTypes));
}

bool CDlgNbl::ReadListStates() {
    bool any = false;
    for (auto& f : m_aFeatureType) {
        f.bCheck = IsVisible({m_strObject.str(), L".", f.strName.str()});
        any = any || f.bCheck;
    }
    // With no annotation shown the restrictions are not read: everything stays selected but the
    // levels.
    if (!any) return false;
    // A catalog or type counts as selected when one of its annotations is shown.
    auto selected = [this](const tagLBoxAObjInfo& row) {
        for (const auto& f : m_aFeatureType)
            if (IsVisible({m_strObject.str(), L".", row.strName.str(), L".", f.strName.str()})) return TRUE;
        return FALSE;
    };
    for (auto& c : m_aCatalog) c.bSelect = selected(c);
    for (auto& l : m_aLevel) l.bSelect = IsVisible({m_strObject.str(), L".", l.strName.str()});
    for (auto& t : m_aType) t.bSelect = selected(t);
    return true;
}

void CDlgNbl::InitListBoxAObj() {
    for (const CellList& list : CellLists()) {
        CQelListBoxAObj& box = this->*list.box;
        box.UseVScrollBar(TRUE);
        box.HeaderVisible(FALSE);
        box.SelectableDataItem(TRUE);
        box.AutoAdjustDataItemHeight(FALSE);
        box.SetHeaderCount(2);

        // A narrow check column and a text column that fills the rest.
        static const int kCheckOptions[6] = {2, 0, 1, 1, 0, 0};
        static const int kTextOptions[6] = {0, 0, 0, 1, 0, 0};
        auto title = [&](UINT id) { return id == kCheckColumn ? L"表示" : list.title; };
        for (std::int64_t position = 0; position < 2; ++position) {
            Column* column = box.GetHeaderDataItemPtr(position);
            if (!column) continue;
            column->Init();
            column->nID = static_cast<UINT>(position);
            column->strTitle = title(column->nID);
            column->nRequestWidth = 10;
            std::copy_n(column->nID == kCheckColumn ? kCheckOptions : kTextOptions, 6, column->anOption);
        }
        box.CalcLayout();

        int others = 0;
        for (std::int64_t position = 0; position < box.GetHeaderCount(); ++position)
            if (Column* column = box.GetHeaderDataItemPtr(position); column && column->nID != kTextColumn)
                others += column->nWidth;
        if (Column* text = box.GetHeaderDataItemPtr(kTextColumn)) text->nRequestWidth = box.GetHeaderAreaWidth() - others;
        for (UINT id : {kCheckColumn, kTextColumn})
            if (Column* column = box.GetHeaderDataItemPtr(id)) column->strTitle = title(id);
        box.CalcLayout();
    }
}

// A list without rows gets no count.
void CDlgNbl::SetListCounts() {
    for (const CellList& list : CellLists()) {
        const auto& rows = this->*list.rows;
        if (!rows.empty()) (this->*list.box).SetValueCountTotal(static_cast<std::int64_t>(rows.size()), 0);
    }
}

void CDlgNbl::UpdateLists() {
    for (const CellList& list : CellLists()) {
        CQelListBoxAObj& box = this->*list.box;
        if (box.GetSafeHwnd()) box.Update();
    }
}

LRESULT CDlgNbl::OnQelListBoxAObj(WPARAM code, LPARAM info) {
    auto* request = reinterpret_cast<Info*>(info);
    if (!request) return 0;
    if (code == CQelListBoxAObj::kRequestCells) GetAllQelListBoxAObj(request);
    else if (code == CQelListBoxAObj::kCellChanged) ChangeDataItemOnceQelListBoxAObj(request);
    return 0;
}

void CDlgNbl::GetAllQelListBoxAObj(Info* info) {
    const CellList* list = FindCellList(info->nCtrlID);
    if (!list) return;
    const auto& rows = this->*list->rows;
    if (rows.empty() || info->nHeaderCount <= 0 || !info->ppHeader) return;
    // Rows past either end of the array are left as they are.
    const auto [begin, end] = RowsInside(info->nFirst, info->nCount, rows.size());
    for (std::int64_t r = begin; r < end; ++r) {
        const tagLBoxAObjInfo& row = rows[static_cast<std::size_t>(info->nFirst + r)];
        for (int c = 0; c < info->nHeaderCount; ++c) {
            Column* column = ColumnAt(*info, c);
            if (!column) return;
            if (column->nID != kCheckColumn && column->nID != kTextColumn) continue;
            CQelListBoxAObj::tagCell* cell = CellAt(*column, r);
            if (!cell) return;
            if (column->nID == kCheckColumn) cell->nCheck = row.bSelect ? 1 : 0;
            else WriteCellText(cell->strText, row);
        }
    }
}

// A click in the check column selects or clears the row and applies at once; the text column
// changes nothing. The list draws afresh either way.
void CDlgNbl::ChangeDataItemOnceQelListBoxAObj(Info* info) {
    const CellList* list = FindCellList(info->nCtrlID);
    if (!list) return;
    auto& rows = this->*list->rows;
    if (rows.empty()) return;
    const auto at = DataRow(info->nFirst, info->nChangedOffset, rows.size());
    if (!at) return;
    Column* column = ColumnAt(*info, info->nChangedColumn);
    if (!column) return;
    if (column->nID == kCheckColumn) {
        const CQelListBoxAObj::tagCell* cell = CellAt(*column, info->nChangedOffset);
        if (!cell) return;
        rows[*at].bSelect = cell->nCheck == 1 ? TRUE : FALSE;
        Apply();
    }
    CQelListBoxAObj& box = this->*list->box;
    if (box.GetSafeHwnd()) box.Update();
}

// The restrictions, written only while some annotation is shown: the levels as they stand, and
// every annotation switched off for each catalog and type left unselected.
void CDlgNbl::AppendListScript(CString& script) {
    auto appendUnselected = [&](const std::vector<tagLBoxAObjInfo>& rows) {
        for (const auto& row : rows) {
            if (row.bSelect || !CanNameProperty(row.strName)) continue;
            for (const auto& f : m_aFeatureType)
                AppendScriptVisible(script, {m_strObject.str(), L"."sv, row.strName.str(), L"."sv, f.strName.str()}, row.bSelect);
        }
    };
    appendUnselected(m_aCatalog);
    for (const auto& l : m_aLevel) AppendScriptVisible(script, {m_strObject.str(), L"."sv, l.strName.str()}, l.bSelect);
    appendUnselected(m_aType);
}

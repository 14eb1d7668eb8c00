// SPDX-License-Identifier: BSD-3-Clause
#include "companions/zemcst/qellistboxaobj.h"

#include <algorithm>

#include "platform/input.h"

void CQelListBoxAObj::tagHeaderDataItem::Init() { *this = tagHeaderDataItem(); }

void CQelListBoxAObj::SetHeaderCount(std::int64_t count) {
    if (count < 0) count = 0;
    m_columns.resize(static_cast<std::size_t>(count));
    for (auto& c : m_columns)
        if (!c) c = std::make_unique<tagHeaderDataItem>();
}

CQelListBoxAObj::tagHeaderDataItem* CQelListBoxAObj::GetHeaderDataItemPtr(std::int64_t position) {
    if (position < 0 || position >= GetHeaderCount()) return nullptr;
    return m_columns[static_cast<std::size_t>(position)].get();
}

CQelListBoxAObj::tagHeaderDataItem* CQelListBoxAObj::GetHeaderDataItemPtr(UINT columnId) {
    for (auto& c : m_columns)
        if (c->nID == columnId) return c.get();
    return nullptr;
}

int CQelListBoxAObj::GetHeaderAreaWidth() const {
    // Dialog units to pixels at the template font (6 pixels to 4 units), less the scroll bar.
    const int pixels = m_hWnd ? m_hWnd->cx * 6 / 4 : 0;
    return std::max(0, pixels - (m_bVScroll ? 17 : 0));
}

void CQelListBoxAObj::CalcLayout() {
    int room = GetHeaderAreaWidth();
    for (auto& c : m_columns) {
        c->nWidth = std::clamp(c->nRequestWidth, 0, room);
        room -= c->nWidth;
    }
}

void CQelListBoxAObj::SetValueCountTotal(std::int64_t count, int) {
    m_nRows = std::max<std::int64_t>(0, count);
    Update();
}

void CQelListBoxAObj::Update() {
    if (m_hWnd) AfxNotifyWndChanged(m_hWnd, WndChange::Items);
}

LRESULT CQelListBoxAObj::SendToParent(WPARAM code, tagUpdateInfo& info) {
    if (!m_hWnd || !m_hWnd->parent) return 0;
    static const UINT message = RegisterWindowMessageW(kMessageName);
    return AfxSendMessage(m_hWnd->parent, message, code, reinterpret_cast<LPARAM>(&info));
}

void CQelListBoxAObj::Request(std::int64_t first, std::int64_t count) {
    m_request.clear();
    for (auto& c : m_columns) {
        c->aCell.assign(static_cast<std::size_t>(count), tagCell());
        m_request.push_back(c.get());
    }
    tagUpdateInfo info;
    info.nCtrlID = m_hWnd ? m_hWnd->id : 0;
    info.nFirst = first;
    info.nCount = count;
    info.ppHeader = m_request.data();
    info.nHeaderCount = static_cast<int>(m_request.size());
    SendToParent(kRequestCells, info);
}

std::vector<CQelListBoxAObj::Row> CQelListBoxAObj::Draw() {
    std::vector<Row> rows;
    if (m_nRows == 0) return rows;
    Request(0, m_nRows);
    rows.resize(static_cast<std::size_t>(m_nRows));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (!m_columns.empty()) rows[r].nCheck = m_columns[0]->aCell[r].nCheck;
        if (m_columns.size() > 1) rows[r].strText = m_columns[1]->aCell[r].strText;
    }
    return rows;
}

LRESULT CQelListBoxAObj::ClickCell(std::int64_t row, int column) {
    if (row >= m_nRows || column >= static_cast<int>(m_columns.size())) return kInputOutOfRange;
    Request(row, 1);  // the row's cells as they stand
    tagCell& cell = m_columns[static_cast<std::size_t>(column)]->aCell[0];
    if (column == 0) cell.nCheck = cell.nCheck == 1 ? 0 : 1;
    tagUpdateInfo info;
    info.nCtrlID = m_hWnd ? m_hWnd->id : 0;
    info.nFirst = row;
    info.nCount = 1;
    info.nChangedColumn = column;
    info.nChangedOffset = 0;
    info.ppHeader = m_request.data();
    info.nHeaderCount = static_cast<int>(m_request.size());
    SendToParent(kCellChanged, info);
    return kInputHandled;
}

LRESULT CQelListBoxAObj::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WMZ_INPUT_CELL) return ClickCell(static_cast<std::int64_t>(wParam), static_cast<int>(lParam));
    return DefWindowProc(message, wParam, lParam);
}

// SPDX-License-Identifier: BSD-3-Clause
// CQelListBoxAObj: an owner-drawn list of rows in columns that holds no rows itself. Whenever it
// draws it asks its parent for the cells of the rows it shows (code kRequestCells), and when the
// person changes a cell it reports it (code kCellChanged), both through the registered message
// kMessageName with a tagUpdateInfo.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/controls.h"

class ZEM_EXPORT CQelListBoxAObj : public CWnd {
public:
    static constexpr const wchar_t* kMessageName = L"Corvelle::QelListBoxAObj::MessageID";
    static constexpr WPARAM kRequestCells = 1;
    static constexpr WPARAM kCellChanged = 4;

    struct tagCell {
        CString strText;
        int nCheck = 0;  // 1 checked, 0 not
    };

    // A column and, during a request, its cells (one per requested row).
    struct tagHeaderDataItem {
        UINT nID = 0;
        int anOption[6] = {};  // drawing options, in the library's layout order after the id
        CString strTitle;
        int nRequestWidth = 0;
        int nWidth = 0;  // computed by CalcLayout
        std::vector<tagCell> aCell;

        // An empty column: no id, title, widths, options or cells.
        void Init();
    };

    struct tagUpdateInfo {
        UINT nCtrlID = 0;
        std::int64_t nFirst = 0;         // first data row of the request
        std::int64_t nCount = 0;         // rows asked for (kRequestCells)
        int nChangedColumn = -1;         // position of the changed column (kCellChanged)
        std::int64_t nChangedOffset = 0; // changed row's offset from nFirst (kCellChanged)
        tagHeaderDataItem** ppHeader = nullptr;
        int nHeaderCount = 0;
    };

    // One row as the list draws it.
    struct Row {
        int nCheck = 0;
        CString strText;
    };

    BOOL Attach(UINT id, CWnd* parent) { return SubclassDlgItem(id, parent); }

    void UseVScrollBar(BOOL use) { m_bVScroll = use; }
    void HeaderVisible(BOOL visible) { m_bHeader = visible; }
    void SelectableDataItem(BOOL selectable) { m_bSelectable = selectable; }
    void AutoAdjustDataItemHeight(BOOL adjust) { m_bAutoHeight = adjust; }
    void SetHeaderCount(std::int64_t count);
    std::int64_t GetHeaderCount() const { return static_cast<std::int64_t>(m_columns.size()); }
    tagHeaderDataItem* GetHeaderDataItemPtr(std::int64_t position);
    tagHeaderDataItem* GetHeaderDataItemPtr(UINT columnId);
    // Gives each column its requested width, narrowed from the right to fit the header area.
    void CalcLayout();
    int GetHeaderAreaWidth() const;
    void SetValueCountTotal(std::int64_t count, int reserved);
    std::int64_t GetValueCountTotal() const { return m_nRows; }
    // Marks the rows stale: the next drawing asks the parent again.
    void Update();

    // Draws every row: asks the parent for the cells and reads the check of the first column and
    // the text of the second.
    std::vector<Row> Draw();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Asks the parent for rows [first, first + count) into fresh cells of every column; the
    // columns it handed over are m_request's.
    void Request(std::int64_t first, std::int64_t count);
    LRESULT ClickCell(std::int64_t row, int column);
    LRESULT SendToParent(WPARAM code, tagUpdateInfo& info);

    std::vector<std::unique_ptr<tagHeaderDataItem>> m_columns;
    std::vector<tagHeaderDataItem*> m_request;  // kept for its room: a click asks for its row
    std::int64_t m_nRows = 0;
    BOOL m_bVScroll = FALSE, m_bHeader = TRUE, m_bSelectable = FALSE, m_bAutoHeight = TRUE;
};

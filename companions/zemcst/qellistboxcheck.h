// SPDX-License-Identifier: BSD-3-Clause
// CQelListBoxCheck: an owner-drawn list with a tick box on every item. It keeps the ticks; when
// the person ticks an item it tells its parent with the command notification kCheckChange.
#pragma once

#include <vector>

#include "platform/controls.h"

class ZEM_EXPORT CQelListBoxCheck : public CListBox {
public:
    // The command notification code a user tick raises (WM_COMMAND from the list's id).
    static constexpr UINT kCheckChange = 40;
    // The window message the desktop list uses for the same purpose (sent to the parent).
    static constexpr UINT kCheckChangeMessage = 0x821;

    BOOL Attach(UINT id, CWnd* parent) { return SubclassDlgItem(id, parent); }

    void SetCheck(int item, int check);
    int GetCheck(int item) const;  // nonzero when ticked; 0 for an item that does not exist
    const std::vector<int>& GetChecks() const { return m_checks; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<int> m_checks;
};

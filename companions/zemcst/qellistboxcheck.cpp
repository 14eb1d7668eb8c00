// SPDX-License-Identifier: BSD-3-Clause
#include "companions/zemcst/qellistboxcheck.h"

#include "platform/input.h"

void CQelListBoxCheck::SetCheck(int item, int check) {
    if (item < 0 || item >= static_cast<int>(m_checks.size())) return;
    auto& tick = m_checks[static_cast<std::size_t>(item)];
    if (tick == check) return;
    tick = check;
    AfxNotifyWndChanged(m_hWnd, WndChange::Check);
}

int CQelListBoxCheck::GetCheck(int item) const {
    if (item < 0 || item >= static_cast<int>(m_checks.size())) return 0;
    return m_checks[static_cast<std::size_t>(item)];
}

LRESULT CQelListBoxCheck::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case LB_ADDSTRING:
        case LB_INSERTSTRING: {
            const LRESULT at = DefWindowProc(message, wParam, lParam);
            if (at >= 0 && at <= static_cast<LRESULT>(m_checks.size())) m_checks.insert(m_checks.begin() + at, 0);
            return at;
        }
        case LB_INITSTORAGE:
            m_checks.reserve(m_checks.size() + wParam);
            return DefWindowProc(message, wParam, lParam);
        case LB_RESETCONTENT:
            m_checks.clear();
            return DefWindowProc(message, wParam, lParam);
        case WMZ_INPUT_TICK: {
            const auto item = static_cast<int>(wParam);
            if (item >= static_cast<int>(m_checks.size())) return kInputOutOfRange;
            SetCheck(item, GetCheck(item) ? 0 : 1);
            if (m_hWnd) AfxNotifyParent(m_hWnd, kCheckChange);
            return kInputHandled;
        }
        default:
            return DefWindowProc(message, wParam, lParam);
    }
}

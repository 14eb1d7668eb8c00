// What the deep-sky tests share: the dialog on the bench, and the rows a cell list draws.
#pragma once

#include <memory>
#include <string>

#include "bench/bench.h"
#include "dialogs/deepsky/dlgnbl.h"
#include "overlay_support.h"
#include "resources/resource_ids.h"
#include "view.h"

namespace deepsky {

inline std::unique_ptr<CDlgNbl> Make(bench::Bench& b, int pgcData = 1) {
    return std::make_unique<CDlgNbl>(&b.engine, &b.engine2, pgcData, b.parent());
}

// A control as the host's `show` prints it ("1207 rows=\"1:メシエ(M)|…\" enabled").
inline std::wstring Show(CDialog& d, UINT id) { return DescribeControl(d.GetDlgItem(static_cast<int>(id))->m_hWnd); }

// The statements a script makes about paths that begin with prefix, in order.
inline int CountStatements(const std::wstring& script, const std::wstring& prefix) {
    int n = 0;
    for (std::size_t at = script.find(prefix); at != std::wstring::npos; at = script.find(prefix, at + 1))
        if (at == 0 || script[at - 1] == L';') ++n;
    return n;
}

}  // namespace deepsky

// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/sky/skytap.h"

#include "desktop/sky/skyview.h"

namespace sky {

void RedrawTap::OnQuery(const CString& query, const CString& answer) {
    if (next_) next_->OnQuery(query, answer);
}

void RedrawTap::OnScript(const CString& script) {
    if (view_) view_->noteScript(QString::fromStdWString(script.str()));
    if (next_) next_->OnScript(script);
}

void RedrawTap::OnRedraw() {
    if (next_) next_->OnRedraw();
    if (view_) view_->refresh();
}

void RedrawTap::OnGetBool(const CString& object, const CString& path, BOOL result) {
    if (next_) next_->OnGetBool(object, path, result);
}

void RedrawTap::OnGetStarCatalogInfo(int catalog, int autoSwitch, int switchCatalog) {
    if (next_) next_->OnGetStarCatalogInfo(catalog, autoSwitch, switchCatalog);
}

}  // namespace sky

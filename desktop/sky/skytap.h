// SPDX-License-Identifier: BSD-3-Clause
// RedrawTap: the engine holds one traffic listener; this one passes every call on to the host's
// own listener (if any) and has the sky view follow the engine: it refreshes the view on every
// "Show Sky" and shows it each script first, so the view knows which magnitude mode the script
// chose.
//
//     sky::RedrawTap tap(view, engine->GetListener());
//     engine->SetListener(&tap);
#pragma once

#include "companions/zemqel/corqel.h"

namespace sky {

class SkyView;

class RedrawTap : public CCorQelListener {
public:
    RedrawTap(SkyView* view, CCorQelListener* next = nullptr) : view_(view), next_(next) {}
    // The listener every call is passed on to.
    CCorQelListener* Next() const { return next_; }

    void OnQuery(const CString& query, const CString& answer) override;
    void OnScript(const CString& script) override;
    void OnRedraw() override;
    void OnGetBool(const CString& object, const CString& path, BOOL result) override;
    void OnGetStarCatalogInfo(int catalog, int autoSwitch, int switchCatalog) override;

private:
    SkyView* view_;
    CCorQelListener* next_;
};

}  // namespace sky

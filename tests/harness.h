// SPDX-License-Identifier: BSD-3-Clause
// What the platform and companion tests share: a test that installs its own templates, plays the
// person (actions on the innermost open dialog, until it ends) and records the message boxes.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/input.h"
#include "printers.h"

namespace harness {

using Log = std::vector<std::wstring>;
using Action = std::function<void(CDialog&)>;

inline Action Click(UINT id) {
    return [id](CDialog& d) { input::Click(d, id); };
}
inline Action Paste(UINT id, std::wstring text) {
    return [id, text](CDialog& d) { input::Paste(d, id, text); };
}

class Test : public ::testing::Test, protected CModalPerson, protected CMessageBoxService {
protected:
    explicit Test(const ResourceModule& resources) : resources_(resources) {}
    void SetUp() override {
        AfxAddResourceModule(&resources_);
        AfxSetMessageBoxService(this);
        AfxSetModalPerson(this);
    }
    void TearDown() override {
        AfxSetModalPerson(nullptr);
        AfxSetMessageBoxService(nullptr);
        AfxSetMainWnd(nullptr);
        AfxRemoveResourceModule(&resources_);
    }
    // Runs body while the dialog's windows exist; the dialog stays open unless body ends it.
    INT_PTR Within(CDialog& dialog, std::function<void()> body) {
        actions.push_back([body = std::move(body)](CDialog&) { body(); });
        return dialog.DoModal();
    }

    void OnBegin(CDialog& d) override { events.push_back(zem::Format(L"begin %u", d.GetTemplateId())); }
    void Run(CDialog& d) override {
        while (!d.HasEnded() && !actions.empty()) {
            auto act = std::move(actions.front());
            actions.pop_front();
            act(d);
        }
    }
    void OnEnd(CDialog& d, INT_PTR result) override {
        events.push_back(zem::Format(L"end %u %d", d.GetTemplateId(), static_cast<int>(result)));
    }
    // "text|caption"; answers Cancel, to show that its answer is the one returned.
    int Show(const CString& text, const CString& caption, UINT) override {
        boxes.push_back(text.str() + L'|' + caption.str());
        return IDCANCEL;
    }

    std::deque<Action> actions;
    Log events, boxes;

private:
    const ResourceModule& resources_;
};

}  // namespace harness

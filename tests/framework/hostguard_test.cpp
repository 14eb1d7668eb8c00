// SPDX-License-Identifier: BSD-3-Clause
// The host guard installs everything a host application gives the module, and takes it all away.
#include <gtest/gtest.h>

#include "companions/zemcst/qeldialog.h"
#include "framework/hostguard.h"
#include "framework/module.h"
#include "resources/resource_ids.h"

namespace {

TEST(HostGuard, InstallsTheHostAndTakesItAway) {
    CCorQel engine, engine2;
    CWnd main;
    struct Person : CModalPerson {
        void Run(CDialog&) override {}
    } person;
    {
        const zem::HostGuard guard({.mainWindow = &main, .person = &person, .engine = &engine, .engine2 = &engine2});
        EXPECT_EQ(AfxGetMainWnd(), &main);
        EXPECT_EQ(AfxGetModalPerson(), &person);
        EXPECT_NE(g_nQelListBoxAObjMessage, 0u);  // the module has started
        const CQelDialog parentOnly(IDD_DSP_MW, nullptr);
        EXPECT_EQ(parentOnly.GetEngine(), &engine);
        EXPECT_EQ(parentOnly.GetEngine2(), &engine2);
    }
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_EQ(AfxGetModalPerson(), nullptr);
    const CQelDialog parentOnly(IDD_DSP_MW, nullptr);
    EXPECT_EQ(parentOnly.GetEngine(), nullptr);
    EXPECT_EQ(parentOnly.GetEngine2(), nullptr);
}

}  // namespace

// SPDX-License-Identifier: BSD-3-Clause
// A host whose own headers define TRUE and FALSE as macros before it includes the module's (GLib
// does, as here) still compiles, and the module's answers compare equal to its TRUE and FALSE.
#define FALSE (0)
#define TRUE (!FALSE)

#include <gtest/gtest.h>

#include "companions/zemqel/corqel.h"
#include "dialogs/milkyway/dlgmw.h"

namespace {

TEST(Install, AHostsTrueAndFalseMacrosStand) {
    CCorQel engine;
    engine.Doit(L"Milkyway.Visible = TRUE; Milkyway.Image.Visible = FALSE;");
    EXPECT_EQ(engine.GetBool(L"Milkyway", L"Visible"), TRUE);
    EXPECT_EQ(engine.GetBool(L"Milkyway", L"Image.Visible"), FALSE);
}

}  // namespace

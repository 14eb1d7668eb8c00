// SPDX-License-Identifier: BSD-3-Clause
// The rules the module's templates must keep that the scenarios do not show: unique ids, controls
// inside their dialog, and radio groups that hold only radios. (Labels, styles and texts are the
// templates' own table; the scenarios and the desktop layout test meet them.)
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/resource.h"
#include "resources/module_resources.h"

namespace {

bool Is(const ControlTemplate& c, DWORD buttonType) {
    return c.wndClass == WndClass::Button && (c.style & BS_TYPEMASK) == buttonType;
}

std::string Name(const DialogTemplate& d, const ControlTemplate& c) {
    return std::to_string(d.id) + "/" + std::to_string(c.id);
}

}  // namespace

TEST(ModuleResources, IdsAreUniqueAndControlsLieInsideTheirTemplate) {
    for (const auto& d : ZemModuleResources().dialogs) {
        std::set<UINT> ids;
        for (const auto& c : d.controls) {
            EXPECT_TRUE(ids.insert(c.id).second) << "duplicate " << Name(d, c);
            EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.cx > 0 && c.cy > 0 && c.x + c.cx <= d.cx && c.y + c.cy <= d.cy)
                << Name(d, c);
        }
    }
}

// A radio group runs from a radio with the group style to the next control that has it, so a radio
// without it must follow a radio, and any other control that follows a radio must start a group.
TEST(ModuleResources, RadioGroupsStartWithGroupStyleAndHoldOnlyRadios) {
    int groups = 0;
    for (const auto& d : ZemModuleResources().dialogs) {
        bool afterRadio = false;  // frames aside
        for (const auto& c : d.controls) {
            const bool radio = Is(c, BS_AUTORADIOBUTTON), groupStart = (c.style & WS_GROUP) != 0;
            if (Is(c, BS_GROUPBOX)) continue;
            groups += radio && groupStart;
            EXPECT_TRUE(groupStart || radio == afterRadio) << Name(d, c);
            afterRadio = radio;
        }
    }
    EXPECT_EQ(groups, 9);  // Milky Way, star x3, PGC shape, double, variable, nova, supernova
}

// SPDX-License-Identifier: BSD-3-Clause
// The star data as a value, without a dialog: the engine's catalog codes, the extended-data list's
// positions, the limits to the nearest tenth, and the magnitude bounds of the data in use.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "dialogs/star/starcatalogs.h"

namespace {

TEST(StarCatalogs, EngineCodesAndWords) {
    // 2 GSC-ACT, 3 Tycho, 4 Tycho-2, 5 USNO-A2.0; the standard data (1) and anything else is none.
    const int expected[] = {-1, -1, -1, 0, 2, 1, 3, -1};
    for (int code = -1; code <= 6; ++code) EXPECT_EQ(CStarCatalogs::IndexOfCode(code), expected[code + 1]) << code;
    EXPECT_STREQ(CStarCatalogs::QueryWord(1), L"Tycho2");
    EXPECT_STREQ(CStarCatalogs::ScriptWord(0), L"GSCACT");
    EXPECT_STREQ(CStarCatalogs::ScriptWord(-1), L"");
    EXPECT_STREQ(CStarCatalogs::ScriptWord(CStarCatalogs::kCount), L"");
}

TEST(StarCatalogs, TheListHoldsTheInstalledCatalogsInIndexOrder) {
    CStarCatalogs c;
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.IndexAt(0), -1);
    c.List(1);
    c.List(3);
    c.List(7);  // not a catalog
    EXPECT_EQ(c.Count(), 2);
    EXPECT_EQ(c.IndexAt(0), 1);
    EXPECT_EQ(c.IndexAt(1), 3);
    EXPECT_EQ(c.IndexAt(2), -1);
    EXPECT_EQ(c.IndexAt(-1), -1);
    EXPECT_EQ(c.PositionOf(3), 1);
    EXPECT_EQ(c.PositionOf(0), -1);   // not installed
    EXPECT_EQ(c.PositionOf(-1), -1);  // the standard data
}

TEST(StarCatalogs, LimitsAndBoundsFollowTheDataInUse) {
    CStarCatalogs c;
    c.SetLimit(0, 12.25);  // to the nearest tenth, halves up
    c.SetLimit(1, 12.24);
    c.SetLimit(2, -0.04);
    c.SetLimit(3, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(c.Limit10(1), 123);
    EXPECT_EQ(c.Limit10(2), 122);
    EXPECT_EQ(c.Limit10(3), 0);
    EXPECT_EQ(c.Limit10(4), INT_MIN);  // as the processor converts what does not fit
    EXPECT_EQ(c.Limit10(0), CStarCatalogs::kStandard10);

    EXPECT_EQ(c.Upper10(), 141);
    EXPECT_EQ(c.Lower10(), -60);
    c.Use(1);
    EXPECT_EQ(c.Upper10(), 123);
    c.Use(0);
    EXPECT_EQ(c.Upper10(), 141);
    EXPECT_EQ(c.Lower10(), -60);  // the floor never moves
}

}  // namespace

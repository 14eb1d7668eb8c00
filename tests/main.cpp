// SPDX-License-Identifier: BSD-3-Clause
// The tests' main: the process takes the locale its environment names (as a front end toolkit
// makes it do), so that running the suite with LC_ALL set to a decimal-comma locale proves that
// nothing follows the locale's decimal point.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// SPDX-License-Identifier: BSD-3-Clause
// The engine numbers the 88 constellations 1..88 in the order of their Japanese names; the sky
// data names them by their IAU abbreviations. This table joins the two.
#pragma once

#include <QStringView>

namespace sky {

// The abbreviation of constellation number 1..88, or nullptr.
const char* ConstellationAbbreviation(int number);
// The number of an abbreviation (exact case, as the IAU writes it), or 0.
int ConstellationNumber(QStringView abbreviation);

}  // namespace sky

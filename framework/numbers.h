// SPDX-License-Identifier: BSD-3-Clause
// Number conventions of the property script.
#pragma once

#include <cmath>
#include <climits>

namespace zem {

// A double truncated toward zero to an int, as the processor converts it: a value that does not
// fit (or NaN) gives INT_MIN.
inline int TruncToInt(double v) {
    if (!(v > -2147483649.0 && v < 2147483648.0)) return INT_MIN;
    return static_cast<int>(v);
}

// Magnitudes and brightness in integer tenths: ×10, truncated toward zero.
inline int Tenths(double v) { return TruncToInt(v * 10.0); }

// One tenth up or down by the sign of an up-down control's delta, whatever its size. The int wraps
// as the processor's arithmetic does, so that the tenths of a text beyond the int range (INT_MIN,
// see TruncToInt) step as they always have.
inline int StepTenths(int n, int delta) {
    const unsigned u = static_cast<unsigned>(n);
    if (delta < 0) return static_cast<int>(u - 1u);
    if (delta > 0) return static_cast<int>(u + 1u);
    return n;
}

}  // namespace zem

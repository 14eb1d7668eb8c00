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

}  // namespace zem

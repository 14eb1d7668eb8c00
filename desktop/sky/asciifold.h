// SPDX-License-Identifier: BSD-3-Clause
// Property paths as the engine tells them apart, for Qt's strings: ASCII letters lowered and
// nothing else, so that neither the locale nor Qt's Unicode tables (which lower the Kelvin sign
// to 'k') make two paths the same that the engine keeps apart.
#pragma once

#include <QString>

#include "platform/casefold.h"

inline QString AsciiLowered(QString text) {
    for (QChar& c : text) c = QChar(static_cast<char16_t>(zem::AsciiLower(c.unicode())));
    return text;
}

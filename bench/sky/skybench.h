// SPDX-License-Identifier: BSD-3-Clause
// The parts of zemd02-skybench, each registering its benchmarks.
#pragma once

#include <QDateTime>
#include <QSize>

#include "desktop/sky/skycatalog.h"

namespace skybench {

// The picture every sky benchmark draws, and the instant it shows (Tokyo, 2022-01-15 21:00 JST).
inline const QSize kSize(960, 640);
inline const QDateTime kInstant = QDateTime::fromString(QStringLiteral("2022-01-15T12:00:00Z"), Qt::ISODate);

// The shipped sky data, read once.
const sky::Catalog& SharedCatalog();

void RegisterClickBenchmarks();
void RegisterStartBenchmarks();

}  // namespace skybench

// Moved: the dialog test bench lives in tests/bench/.
#pragma once
#include "bench/bench.h"

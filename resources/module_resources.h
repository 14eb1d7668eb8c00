// SPDX-License-Identifier: BSD-3-Clause
// The module's dialog templates and string table, handed to the platform's resource lookup when
// the module starts (AfxAddResourceModule).
#pragma once

#include "platform/resource.h"

const ResourceModule& ZemModuleResources();

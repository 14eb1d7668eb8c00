// SPDX-License-Identifier: BSD-3-Clause
// What a host may use. The module is built with hidden visibility, so the shared library exports
// the classes and functions marked ZEM_EXPORT and nothing else; a static build ignores the mark.
#pragma once

#if defined(__GNUC__) || defined(__clang__)
#define ZEM_EXPORT __attribute__((visibility("default")))
#else
#define ZEM_EXPORT
#endif

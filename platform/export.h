// SPDX-License-Identifier: BSD-3-Clause
// What a host may use. The module is built with hidden visibility, so the shared library exports
// the classes and functions marked ZEM_EXPORT and nothing else; a static build ignores the mark.
// An exported interface defines its destructor in the library, so that its vtable and type are
// the library's own whatever the build: one type on both sides of the boundary.
#pragma once

#if defined(__GNUC__) || defined(__clang__)
#define ZEM_EXPORT __attribute__((visibility("default")))
#else
#define ZEM_EXPORT
#endif

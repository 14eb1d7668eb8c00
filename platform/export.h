// SPDX-License-Identifier: BSD-3-Clause
// What a host may use. The module is built with hidden visibility, so the shared library exports
// the classes and functions marked ZEM_EXPORT and nothing else. A static build (ZEM_STATIC) hides
// everything, so a host's shared object that links it shows none of the module's names.
// An exported interface defines its destructor in the library, so that its vtable and type are
// the library's own whatever the build: one type on both sides of the boundary.
#pragma once

#if defined(ZEM_STATIC)
#define ZEM_EXPORT
#elif defined(__GNUC__) || defined(__clang__)
#define ZEM_EXPORT __attribute__((visibility("default")))
#else
#define ZEM_EXPORT
#endif

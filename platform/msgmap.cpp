// SPDX-License-Identifier: BSD-3-Clause
#include "platform/msgmap.h"

const CMessageMap::Entry* CMessageMap::FindCommand(UINT message, UINT code, UINT id) const {
    for (const CMessageMap* map = this; map; map = map->base_)
        for (const auto& e : map->entries_)
            if (e.id == id && e.code == code && e.message == message && !e.registered) return &e;  // most differ in id
    return nullptr;
}

const CMessageMap::Entry* CMessageMap::FindMessage(UINT message) const {
    for (const CMessageMap* map = this; map; map = map->base_)
        for (const auto& e : map->entries_) {
            const UINT m = e.registered ? *e.registered : e.message;
            if (m == message && m != 0 && e.message != WM_COMMAND && e.message != WM_NOTIFY) return &e;
        }
    return nullptr;
}

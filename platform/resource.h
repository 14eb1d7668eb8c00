// SPDX-License-Identifier: BSD-3-Clause
// Dialog templates and string tables: the shape of a module's resources and the lookup the
// framework uses to find them. A module hands its resources over once, when it is loaded.
#pragma once

#include <vector>

#include "platform/types.h"

// Window class of a template control.
enum class WndClass { Button, Edit, Static, UpDown, ComboBox, ListBox };

struct ControlTemplate {
    UINT id;
    WndClass wndClass;
    const wchar_t* label;  // "" for none
    DWORD style;
    short x, y, cx, cy;    // dialog units
};

struct DialogTemplate {
    UINT id;
    const wchar_t* title;
    DWORD style;
    const wchar_t* font;
    int pointSize;
    short cx, cy;          // dialog units
    std::vector<ControlTemplate> controls;  // template (tab) order
};

struct StringEntry {
    UINT id;
    const wchar_t* text;
};

struct ResourceModule {
    std::vector<DialogTemplate> dialogs;
    std::vector<StringEntry> strings;
};

// Joins a module to the resource search; later modules are searched first. The module must
// outlive its use.
ZEM_EXPORT void AfxAddResourceModule(const ResourceModule* module);
ZEM_EXPORT void AfxRemoveResourceModule(const ResourceModule* module);

ZEM_EXPORT const DialogTemplate* AfxFindDialogTemplate(UINT id);
ZEM_EXPORT const wchar_t* AfxFindString(UINT id);

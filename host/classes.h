// SPDX-License-Identifier: BSD-3-Clause
// The dialog classes the host can open. Adding a dialog is one line in the table (classes.cpp).
#pragma once

#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "companions/zemqel/corqel.h"
#include "platform/dialog.h"

struct OpenOptions {
    CCorQel* engine = nullptr;
    CCorQel* engine2 = nullptr;
    CWnd* parent = nullptr;
    bool parentOnly = false;
    int pgc = 1;
    int mirado = 0;
};

struct DialogClass {
    const wchar_t* name;
    const std::type_info* type;
    std::unique_ptr<CDialog> (*make)(const OpenOptions& options);
};

// The class of that name, or null when it is not (yet) part of the module.
const DialogClass* FindDialogClass(const std::wstring& name);
// Whether name is one of the module's exported or detail dialog classes at all.
bool IsModuleClassName(const std::wstring& name);
// Every exported dialog class name, then the two detail dialogs', whether available yet or not.
const std::vector<std::wstring>& ModuleClassNames();
// The class name of a dialog object (for dialogs a dialog opens itself too); "?" when unknown.
std::wstring DialogClassName(const CDialog& dialog);

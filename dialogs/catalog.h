// SPDX-License-Identifier: BSD-3-Clause
// The settings catalogue: every dialog class of the module with its template and title, and every
// control of it that carries a setting, with the properties that control reads when its dialog
// opens and those its statements write, and its label as a person reads it. It is made from the
// dialogs' own tables (setting rows, number rows, the overlays' limit group, the statements each
// dialog writes by hand) and from their templates, so a setting added to a dialog is in it.
//
//     for (const zem::catalog::Dialog& dialog : zem::catalog::Dialogs())
//         for (const zem::catalog::Setting& setting : dialog.settings)
//             Print(zem::catalog::Title(dialog), zem::catalog::Label(dialog, setting.control),
//                   setting.writes);   // 恒星 / またたき / Star.Twinkle.Visible
//
// A settings search matches labels; a list of differences between two engine states labels each
// property with WhoWrites; a reference table walks Dialogs().
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"
#include "platform/resource.h"

namespace zem::catalog {

// What a template control is, from its window class and style.
enum class Kind { CheckBox, RadioButton, PushButton, GroupBox, Edit, Spin, ComboBox, ListBox, Static };

ZEM_EXPORT Kind KindOf(const ControlTemplate& control);
// "check box", "radio button", "push button", "group box", "edit", "spin", "combo box",
// "list box", "static".
ZEM_EXPORT const char* KindName(Kind kind);

struct Setting {
    UINT control;
    Kind kind;
    std::vector<std::wstring> reads;   // the properties asked when the dialog opens
    std::vector<std::wstring> writes;  // the properties its statements write
};

// A radio group is one setting, on its first radio; an edit with its spin is one, on the edit.
struct Dialog {
    const wchar_t* className;       // "CDlgStar"
    UINT templateId;
    std::vector<Setting> settings;  // in the template's order
};

// The eleven dialogs, in the order of the host's class table. Made on the first call (which
// loads the module's resources) and kept: references stay valid.
ZEM_EXPORT const std::vector<Dialog>& Dialogs();
// Null for a name that is not one of them.
ZEM_EXPORT const Dialog* FindDialog(std::wstring_view className);
// Null when the control carries no setting.
ZEM_EXPORT const Setting* FindSetting(const Dialog& dialog, UINT control);

// The dialog's title ("恒星").
ZEM_EXPORT std::wstring Title(const Dialog& dialog);
// A control's label as a person reads it: its own text without the access key ("名称(&N)" is
// "名称", "&Close" is "Close") and without a trailing "："; for an edit or a spin, and any other
// control without a text of its own, the text on its left on its line within its frame (a label,
// check box or radio button; marks such as "～" are passed over), or else the caption just above
// it; a text-less box of a grid takes both, its row's and its column's ("パルサー 名称").
// Empty when there is none.
ZEM_EXPORT std::wstring Label(const Dialog& dialog, UINT control);

// Every setting whose statements write the property, compared without regard to ASCII case as
// the engine compares paths.
struct Place {
    const Dialog* dialog;
    const Setting* setting;
};
ZEM_EXPORT std::vector<Place> WhoWrites(std::wstring_view property);

}  // namespace zem::catalog

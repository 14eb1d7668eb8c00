// SPDX-License-Identifier: BSD-3-Clause
// A setting declared once. A check box is a row: the box, the member that holds it, the property
// it is read from when the dialog opens, the property its statement writes, what a click on it does
// and which controls it enables. An edit with its up-down control is a number row: the edit and
// the spin, the member, the two paths, its bounds, step, default and the message that refuses a
// text. The dialog base makes the rows' message-map and control-table entries, exchanges, reads
// and appends them; a dialog keeps only what a row cannot say.
//
// A dialog keeps its rows in one table, in the order of its data exchange, declared in its header
// beside the members they hold. Where the dialog's reads and script put other statements between
// rows, the rows carry a group, and the dialog hands the base one group at a time: a group is a
// run of neighbouring rows, and a table whose group is split does not compile.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "platform/types.h"

// The control-library class a template control is attached as.
enum class Ctl : unsigned char { GroupBox, CheckBox, FocusCheckBox, RadioButton, Edit, Static, Spin, ComboBox, Button };

struct ControlRow {
    Ctl kind;
    UINT id;
};

namespace zem {

enum RowFlag : unsigned {
    kRowInverted = 1u << 0,  // the box shows the opposite of the property, read and written
    kRowNoCase = 1u << 1,    // the answer counts as "TRUE" in any case
    kRowOwnRule = 1u << 2,   // the box has an enable rule of its own: its group's passes it over
};

// What a click on a row's box does, once the box has enabled or disabled its companions; for a
// number row, what a change of its edit's text does.
enum class Click : unsigned char {
    Apply,         // the dialog applies
    RepaintApply,  // the dialog paints itself, then applies
    ApplyEnable,   // the dialog applies, then runs its enable rules
    EnableApply,   // the dialog runs its enable rules, then applies
    ByHand,        // the dialog's message map has an entry of its own for it
};

// The controls a box enables while it is ticked and disables while it is not; 0 fills the rest.
using Companions = std::array<UINT, 4>;

template <class D>
struct SettingRow {
    UINT control;                     // its check box
    BOOL D::*member;
    const wchar_t* read;              // asked when the dialog opens ("? read")
    std::wstring_view write;          // the path of its statement
    Click click = Click::Apply;
    Companions enables = {};
    unsigned char group = 0;
    // A box that stands for two properties: the second is asked only when the first is TRUE and
    // the box is set when both are; its statement follows the first, with the same value.
    const wchar_t* read2 = nullptr;
    std::wstring_view write2 = {};
    // A setting that only counts under another: asked only while the gate holds, and written as
    // the two together.
    BOOL D::*gate = nullptr;
    // Read through the engine's GetBool(object, read) instead of a query.
    const wchar_t* object = nullptr;
    unsigned flags = 0;
    Ctl kind = Ctl::CheckBox;         // the small boxes of the star and deep-sky grids draw their focus
};

template <class D>
using SettingRows = std::span<const SettingRow<D>>;

// A number shown in an edit with its up-down control beside it. Bounds and steps are in tenths,
// so that a bound reads the same as a check's double and as a step's integer.
template <class D>
struct NumberRow {
    UINT edit;
    UINT spin;                        // 0: no up-down control
    double D::*member;
    const wchar_t* read;              // asked when the dialog opens
    std::wstring_view write;          // the path of its statement
    int lower10 = 0, upper10 = 0;     // what a check lets through; a step stays within them
    int step10 = 1;                   // one press of an arrow
    double initial = 0.0;             // the member's value before the engine is read
    double reset = initial;           // what the dialog's reset button writes
    UINT message = 0;                 // shown when a check refuses the text; 0: refused silently
    const wchar_t* format = L"%.1f";
    UINT width = 0;                   // exchanged by the common-dialog exchange of that width; 0: the dialog's own
    int textLimit = 0;                // characters a person may type; 0: as many as they like
    bool spinRange = false;           // the dialog sets the spin's range (else the platform's, which counts down)
    Click change = Click::Apply;      // what a change of the text does

    double Lower() const { return lower10 / 10.0; }
    double Upper() const { return upper10 / 10.0; }
};

template <class D>
using NumberRows = std::span<const NumberRow<D>>;

// A control whose statements the dialog writes by hand (a radio group, a list, a box whose
// statements are computed) with the properties it reads when the dialog opens and those its
// statements write, each a list separated by ';'; "%d" in a path stands for 1 to count. The
// settings catalogue reads these, the dialogs do not; a test holds them to what the dialogs send.
struct HandSetting {
    UINT control;
    const wchar_t* reads;
    const wchar_t* writes;
    int count = 0;
};

using HandSettings = std::span<const HandSetting>;

// The row of a table with that control (edit for a number row); a table without it does not
// compile.
template <class D, std::size_t N>
consteval const SettingRow<D>& Find(const SettingRow<D> (&table)[N], UINT control) {
    for (const SettingRow<D>& r : table)
        if (r.control == control) return r;
    throw "no row has that control";
}
template <class D, std::size_t N>
consteval const NumberRow<D>& Find(const NumberRow<D> (&table)[N], UINT edit) {
    for (const NumberRow<D>& r : table)
        if (r.edit == edit) return r;
    throw "no number row has that edit";
}

// The table's rows by group, group numbers 0 to G - 1; a group that is not one run of
// neighbouring rows, or is empty, does not compile.
template <std::size_t G, class D, std::size_t N>
consteval std::array<SettingRows<D>, G> Groups(const SettingRow<D> (&table)[N]) {
    std::array<SettingRows<D>, G> groups{};
    for (std::size_t g = 0; g < G; ++g) {
        std::size_t begin = N, end = N;
        for (std::size_t i = 0; i < N; ++i) {
            if (table[i].group != g) continue;
            if (begin == N) begin = i;
            else if (end != i) throw "a group of rows is split";
            end = i + 1;
        }
        if (begin == N) throw "a group has no rows";
        groups[g] = SettingRows<D>(table + begin, end - begin);
    }
    for (const SettingRow<D>& r : table)
        if (r.group >= G) throw "a row names a group the dialog does not have";
    return groups;
}

}  // namespace zem

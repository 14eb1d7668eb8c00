// SPDX-License-Identifier: BSD-3-Clause
// A plain setting declared once: the check box it is shown in, the member that holds it, the
// property it is read from when the dialog opens and the property its statement writes. The two
// paths are separate because the dialogs do not always read and write the same spelling (or even
// the same property); each is used exactly as written.
//
// A dialog keeps its rows in one table, in the order of its data exchange, and hands ranges of it
// to the dialog base (ExchangeRows, ReadRows, AppendRows) where its exchange, its reads and its
// script take them, so that its statement order stays what it is while each setting sits on one
// line.
#pragma once

#include <span>
#include <string_view>

#include "platform/types.h"

namespace zem {

enum RowFlag : unsigned {
    kRowInverted = 1u << 0,  // the box shows the opposite of the property, read and written
    kRowNoCase = 1u << 1,    // the answer counts as "TRUE" in any case
};

template <class D>
struct SettingRow {
    UINT control;                     // its check box
    BOOL D::*member;
    const wchar_t* read;              // asked when the dialog opens ("? read")
    std::wstring_view write;          // the path of its statement
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
};

template <class D>
using SettingRows = std::span<const SettingRow<D>>;

// A table's rows as a span (the table stays where it is, a static of its dialog).
template <class D, std::size_t N>
constexpr SettingRows<D> Rows(const SettingRow<D> (&table)[N]) {
    return SettingRows<D>(table, N);
}

}  // namespace zem

// The module's templates and string table. Ids are written as numbers on purpose: they are fixed,
// so a wrong constant in the header shows up as a missing or mislabelled control.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <set>
#include <string>

#include "platform/resource.h"
#include "resources/module_resources.h"

namespace {

const DialogTemplate* Find(UINT id) {
    for (const auto& d : ZemModuleResources().dialogs)
        if (d.id == id) return &d;
    return nullptr;
}

const ControlTemplate* Control(const DialogTemplate& d, UINT id) {
    for (const auto& c : d.controls)
        if (c.id == id) return &c;
    return nullptr;
}

bool Is(const ControlTemplate& c, DWORD buttonType) {
    return c.wndClass == WndClass::Button && (c.style & BS_TYPEMASK) == buttonType;
}

std::string Name(const DialogTemplate& d, const ControlTemplate& c) {
    return std::to_string(d.id) + "/" + std::to_string(c.id);
}

}  // namespace

TEST(ModuleResources, EachTemplateHasItsTitleSizeAndControls) {
    const struct { UINT id; const wchar_t* title; short cx, cy; size_t controls; } rows[] = {
        {12002, L"星座", 362, 273, 35},        {12006, L"天の川", 161, 93, 11},
        {12007, L"星雲・星団", 399, 299, 72},  {12011, L"恒星", 274, 354, 75},
        {12019, L"GSC-ACT詳細設定", 246, 66, 9}, {12020, L"USNO-A2.0詳細設定", 140, 66, 5},
        {12021, L"系外惑星", 150, 88, 10},     {12022, L"二重星", 249, 96, 21},
        {12023, L"変光星", 249, 98, 20},       {12024, L"新星", 249, 139, 25},
        {12025, L"超新星", 249, 139, 25},
    };
    EXPECT_EQ(ZemModuleResources().dialogs.size(), std::size(rows));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        const DialogTemplate* d = Find(row.id);
        ASSERT_NE(d, nullptr);
        EXPECT_STREQ(d->title, row.title);
        EXPECT_TRUE(d->style == 0x80C800C0u && std::wcscmp(d->font, L"MS UI Gothic") == 0 && d->pointSize == 9);
        EXPECT_EQ(d->cx, row.cx);
        EXPECT_EQ(d->cy, row.cy);
        EXPECT_EQ(d->controls.size(), row.controls);
        for (auto [id, label] : {std::pair{IDOK, L"閉じる"}, {IDCANCEL, L"キャンセル"}, {ID_HELP, L"ヘルプ(&H)"}}) {
            const ControlTemplate* c = Control(*d, static_cast<UINT>(id));
            ASSERT_NE(c, nullptr) << id;
            EXPECT_STREQ(c->label, label);
        }
    }
}

TEST(ModuleResources, IdsAreUniqueAndControlsLieInsideTheirTemplate) {
    for (const auto& d : ZemModuleResources().dialogs) {
        std::set<UINT> ids;
        for (const auto& c : d.controls) {
            EXPECT_TRUE(ids.insert(c.id).second) << "duplicate " << Name(d, c);
            EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.cx > 0 && c.cy > 0 && c.x + c.cx <= d.cx && c.y + c.cy <= d.cy)
                << Name(d, c);
        }
    }
}

// A radio group runs from a radio with the group style to the next control that has it, so a radio
// without it must follow a radio, and any other control that follows a radio must start a group.
TEST(ModuleResources, RadioGroupsStartWithGroupStyleAndHoldOnlyRadios) {
    int groups = 0;
    for (const auto& d : ZemModuleResources().dialogs) {
        bool afterRadio = false;  // frames aside
        for (const auto& c : d.controls) {
            const bool radio = Is(c, BS_AUTORADIOBUTTON), groupStart = (c.style & WS_GROUP) != 0;
            if (Is(c, BS_GROUPBOX)) continue;
            groups += radio && groupStart;
            EXPECT_TRUE(groupStart || radio == afterRadio) << Name(d, c);
            afterRadio = radio;
        }
    }
    EXPECT_EQ(groups, 9);  // Milky Way, star x3, PGC shape, double, variable, nova, supernova
}

TEST(ModuleResources, SampleControlsHaveTheirKindStyleAndLabel) {
    using enum WndClass;
    const struct { UINT dialog, id; WndClass cls; DWORD style; const wchar_t* label; } rows[] = {
        {12006, 1302, Button, 0x50030009, L"精細(&R)"},
        {12021, 1600, Button, 0x50020007, L"\u3000\u3000"},
        {12021, 1605, Button, 0x50010003, L"惑星軌道(&P)"},
        {12002, 1110, ListBox, 0x50A31053, L""},
        {12002, 1125, Button, 0x50020007, L"中国の星座（二十八宿）など(&S)："},
        {12011, 1056, Static, 0x50020001, L"表示"},
        {12007, 1215, UpDown, 0x50020030, L"Spin3"},
        {12011, 1071, Button, 0x5003000B, L"色・フォント(&C)..."},
        {12007, 1207, Static, 0x5001010D, L""},
        {12007, 1228, Button, 0x50000007, L"\u3000\u3000\u3000\u3000"},
        {12019, 1404, Button, 0x50010003, L"非恒星状天体"},
        {12020, 1501, Button, 0x50030003, L"すべての恒星を表示(&A)"},
        {12022, 1706, Button, 0x50010003, L"すべての等級(A)"},
        {12023, 1808, Button, 0x50030009, L"恒星等級に連動(&L)"},
        {12024, 1904, Button, 0x50010003, L"発見者(&R)"},
        {12025, 2004, Button, 0x50010003, L"発見者(&O)"},  // the supernova labels differ
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.dialog) + "/" + std::to_string(row.id));
        const DialogTemplate* d = Find(row.dialog);
        const ControlTemplate* c = d ? Control(*d, row.id) : nullptr;
        ASSERT_NE(c, nullptr);
        EXPECT_TRUE(c->wndClass == row.cls && c->style == row.style) << std::hex << c->style;
        EXPECT_STREQ(c->label, row.label);
    }
}

// A spot check: the table's size, its one backslash key, and texts whose placeholders are filled.
TEST(ModuleResources, StringTableSpotCheck) {
    const StringEntry samples[] = {
        {12212, L"等級には %.1f から %.1f までの値を入力してください。"},
        {12217, L"Dialog\\StarGsc"},
        {12270, L"明るさには 0.1 から 5.0 の値を指定してください。"},
        {12272, L"またたきの強さには 0.1 から 1.0 までの値を入力してください。"},
    };
    const auto& strings = ZemModuleResources().strings;
    EXPECT_EQ(strings.size(), 23u);
    for (const auto& e : samples) {
        const auto it = std::find_if(strings.begin(), strings.end(), [&](const StringEntry& s) { return s.id == e.id; });
        ASSERT_NE(it, strings.end()) << e.id;
        EXPECT_STREQ(it->text, e.text) << e.id;
    }
}

// The module's templates and string table: lookup, structure, layout and exact texts. Ids are
// written as numbers here on purpose: they are the module's fixed numbers, so a wrong constant in
// the header shows up as a missing or mislabelled control.
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

bool IsFrame(const ControlTemplate& c) {
    return c.wndClass == WndClass::Button && (c.style & BS_TYPEMASK) == BS_GROUPBOX;
}
bool IsRadio(const ControlTemplate& c) {
    return c.wndClass == WndClass::Button && (c.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

struct Rect {
    int l, t, r, b;
};
// A combo box's template height includes its dropped list; only the closed box takes room.
Rect Box(const ControlTemplate& c) {
    const int h = c.wndClass == WndClass::ComboBox ? std::min<int>(c.cy, 14) : c.cy;
    return {c.x, c.y, c.x + c.cx, c.y + h};
}
bool Disjoint(Rect a, Rect b) { return a.r <= b.l || b.r <= a.l || a.b <= b.t || b.b <= a.t; }
bool Inside(Rect in, Rect out) { return in.l >= out.l && in.r <= out.r && in.t >= out.t && in.b <= out.b; }

std::string Name(const DialogTemplate& d, const ControlTemplate& c) {
    return std::to_string(d.id) + "/" + std::to_string(c.id);
}

}  // namespace

TEST(ModuleResources, EachTemplateHasItsTitleSizeAndControlCount) {
    struct Row {
        UINT id;
        const wchar_t* title;
        short cx, cy;
        size_t controls;
    };
    const Row rows[] = {
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
        EXPECT_EQ(d->style, 0x80C800C0u);
        EXPECT_STREQ(d->font, L"MS UI Gothic");
        EXPECT_EQ(d->pointSize, 9);
        EXPECT_EQ(d->cx, row.cx);
        EXPECT_EQ(d->cy, row.cy);
        EXPECT_EQ(d->controls.size(), row.controls);
        // Close, Cancel and Help end every template's tab order, the colour button aside.
        for (auto [id, label] : {std::pair{IDOK, L"閉じる"}, {IDCANCEL, L"キャンセル"}, {ID_HELP, L"ヘルプ(&H)"}}) {
            const ControlTemplate* c = Control(*d, static_cast<UINT>(id));
            ASSERT_NE(c, nullptr) << id;
            EXPECT_STREQ(c->label, label);
            EXPECT_EQ(c->style, 0x5003000Bu);
        }
    }
}

TEST(ModuleResources, PlatformLookupFindsTemplatesAndStrings) {
    AfxAddResourceModule(&ZemModuleResources());
    ASSERT_NE(AfxFindDialogTemplate(12011), nullptr);
    EXPECT_STREQ(AfxFindDialogTemplate(12011)->title, L"恒星");
    ASSERT_NE(AfxFindString(12255), nullptr);
    EXPECT_STREQ(AfxFindString(12255), L"Dialog\\Milkyway");
    EXPECT_EQ(std::wcslen(AfxFindString(12255)), 15u);  // one backslash, not two
    EXPECT_EQ(AfxFindString(12271), nullptr);
    AfxRemoveResourceModule(&ZemModuleResources());
}

TEST(ModuleResources, IdsAreUniqueAndControlsLieInsideTheirTemplate) {
    for (const auto& d : ZemModuleResources().dialogs) {
        std::set<UINT> ids;
        for (const auto& c : d.controls) {
            EXPECT_TRUE(ids.insert(c.id).second) << "duplicate " << Name(d, c);
            EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.cx > 0 && c.cy > 0) << Name(d, c);
            EXPECT_LE(c.x + c.cx, d.cx) << Name(d, c);
            EXPECT_LE(c.y + c.cy, d.cy) << Name(d, c);
        }
    }
}

// Frames nest or stand apart, and each control is wholly inside or outside every frame (a check
// box on a frame's top edge lies inside it); other controls never overlap.
TEST(ModuleResources, LayoutHasNoOverlappingControls) {
    for (const auto& d : ZemModuleResources().dialogs) {
        for (size_t i = 0; i < d.controls.size(); ++i) {
            for (size_t j = i + 1; j < d.controls.size(); ++j) {
                const auto &a = d.controls[i], &b = d.controls[j];
                const Rect ra = Box(a), rb = Box(b);
                bool ok = Disjoint(ra, rb);
                if (IsFrame(a)) ok = ok || Inside(rb, ra) || (IsFrame(b) && Inside(ra, rb));
                if (IsFrame(b)) ok = ok || Inside(ra, rb) || (IsFrame(a) && Inside(rb, ra));
                EXPECT_TRUE(ok) << Name(d, a) << " overlaps " << Name(d, b);
            }
        }
    }
}

// A radio group runs from a radio with the group style to the next control that has it; a check
// box or push button inside that run would be swept into the group.
TEST(ModuleResources, RadioGroupsStartWithGroupStyleAndHoldOnlyRadios) {
    int groups = 0;
    for (const auto& d : ZemModuleResources().dialogs) {
        bool inRadioGroup = false;
        for (size_t i = 0; i < d.controls.size(); ++i) {
            const auto& c = d.controls[i];
            const bool groupStart = (c.style & WS_GROUP) != 0;
            if (IsRadio(c)) {
                if (groupStart) ++groups;
                EXPECT_TRUE(groupStart || (i > 0 && IsRadio(d.controls[i - 1]))) << Name(d, c);
                inRadioGroup = true;
            } else if (groupStart) {
                inRadioGroup = false;
            } else if (inRadioGroup) {
                EXPECT_TRUE(IsFrame(c)) << Name(d, c) << " is inside a radio group";
            }
        }
    }
    EXPECT_EQ(groups, 9);  // Milky Way, star x3, PGC shape, double, variable, nova, supernova
}

TEST(ModuleResources, StylesMatchControlKinds) {
    for (const auto& d : ZemModuleResources().dialogs) {
        for (const auto& c : d.controls) {
            std::set<DWORD> allowed;
            switch (c.wndClass) {
                case WndClass::Button:
                    allowed = {0x5003000B, 0x50030003, 0x50010003, 0x50030009, 0x50000009,
                               d.id == 12007 ? 0x50000007u : 0x50020007u};
                    break;
                case WndClass::Edit: allowed = {0x50830080}; break;
                case WndClass::UpDown: allowed = {0x50020030}; break;
                case WndClass::ComboBox: allowed = {0x50230003}; break;
                case WndClass::ListBox: allowed = {0x50A31053}; break;
                case WndClass::Static: allowed = {0x50020000, 0x50020001, 0x5001010D}; break;
            }
            EXPECT_TRUE(allowed.count(c.style)) << Name(d, c) << " style " << std::hex << c.style;
        }
    }
}

TEST(ModuleResources, SampleControlsHaveTheirKindStyleAndLabel) {
    struct Row {
        UINT dialog, id;
        WndClass cls;
        DWORD style;
        const wchar_t* label;
    };
    using enum WndClass;
    const Row rows[] = {
        {12006, 1301, Button, 0x50030003, L"表示(&V)："},
        {12006, 1302, Button, 0x50030009, L"精細(&R)"},
        {12006, 1304, Button, 0x5003000B, L"色の設定(&C)..."},
        {12006, 1307, UpDown, 0x50020030, L"Spin1"},
        {12021, 1600, Button, 0x50020007, L"\u3000\u3000"},
        {12021, 1605, Button, 0x50010003, L"惑星軌道(&P)"},
        {12002, 1107, ComboBox, 0x50230003, L""},
        {12002, 1110, ListBox, 0x50A31053, L""},
        {12002, 1125, Button, 0x50020007, L"中国の星座（二十八宿）など(&S)："},
        {12002, 1128, Button, 0x50020007, L"二十四節気および雑節の太陽黄経(&D)："},
        {12011, 1003, Button, 0x50030009, L"視野角に連動"},
        {12011, 1011, Static, 0x50020000, L"～"},
        {12011, 1031, Button, 0x50010003, L"フラムスチード番号"},
        {12011, 1037, Button, 0x50020007, L"    "},
        {12011, 1053, ComboBox, 0x50230003, L""},
        {12011, 1056, Static, 0x50020001, L"表示"},
        {12011, 1071, Button, 0x5003000B, L"色・フォント(&C)..."},
        {12007, 1207, Static, 0x5001010D, L""},
        {12007, 1215, UpDown, 0x50020030, L"Spin3"},
        {12007, 1222, Button, 0x50000007, L"    "},
        {12007, 1228, Button, 0x50000007, L"\u3000\u3000\u3000\u3000"},
        {12007, 1229, Button, 0x50030003, L"PGC(&P)："},
        {12007, 1259, Static, 0x50020000, L"クエーサー・電波銀河"},
        {12019, 1400, Button, 0x50020007, L"GSC-ACT表示設定(&D)："},
        {12019, 1404, Button, 0x50010003, L"非恒星状天体"},
        {12020, 1501, Button, 0x50030003, L"すべての恒星を表示(&A)"},
        {12022, 1700, Button, 0x50020007, L"  "},
        {12022, 1706, Button, 0x50010003, L"すべての等級(A)"},
        {12023, 1806, Button, 0x50020007, L"\u3000\u3000\u3000\u3000\u3000\u3000"},
        {12023, 1808, Button, 0x50030009, L"恒星等級に連動(&L)"},
        {12024, 1904, Button, 0x50010003, L"発見者(&R)"},
        {12024, 1912, Button, 0x50030003, L"等級限定："},
        {12025, 2003, Button, 0x50010003, L"発見等級(&R)"},
        {12025, 2004, Button, 0x50010003, L"発見者(&O)"},
        {12025, 2007, Button, 0x50030003, L"日時と連動(&L)"},
        {12025, 2008, Static, 0x50020000, L"オフセット(&O)："},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.dialog) + "/" + std::to_string(row.id));
        const DialogTemplate* d = Find(row.dialog);
        ASSERT_NE(d, nullptr);
        const ControlTemplate* c = Control(*d, row.id);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->wndClass, row.cls);
        EXPECT_EQ(c->style, row.style);
        EXPECT_STREQ(c->label, row.label);
    }
}

TEST(ModuleResources, StringTableIsExact) {
    const StringEntry expected[] = {
        {12212, L"等級には %.1f から %.1f までの値を入力してください。"},
        {12213, L"等級範囲は、上限等級より下限等級を大きくしてください。"},
        {12214, L"GSC-ACTデータがありません。このまま処理を続行します。"},
        {12215, L"拡張恒星データがありません。このまま処理を続行します。"},
        {12216, L"星雲・星団画像の明るさには %.1f から %.1f までの値を入力してください。"},
        {12217, L"Dialog\\StarGsc"},
        {12218, L"Dialog\\StarUsnoA20"},
        {12219, L"大きさには %.1f から %.1f までの値を入力してください。"},
        {12220, L"変光星の等級には %.1f から %.1f までの値を入力してください。"},
        {12221, L"変光星の等級範囲は、上限等級より下限等級を大きくしてください。"},
        {12222, L"二重星の等級には %.1f から %.1f までの値を入力してください。"},
        {12223, L"二重星の等級範囲は、上限等級より下限等級を大きくしてください。"},
        {12224, L"Dialog\\ExoPlanet"},
        {12247, L"Dialog\\Cons"},
        {12255, L"Dialog\\Milkyway"},
        {12257, L"Dialog\\Nebula"},
        {12265, L"Dialog\\Star"},
        {12266, L"Dialog\\StarWds"},
        {12267, L"Dialog\\StarGcvs"},
        {12268, L"Dialog\\StarNova"},
        {12269, L"Dialog\\StarSNova"},
        {12270, L"明るさには 0.1 から 5.0 の値を指定してください。"},
        {12272, L"またたきの強さには 0.1 から 1.0 までの値を入力してください。"},
    };
    const auto& strings = ZemModuleResources().strings;
    ASSERT_EQ(strings.size(), std::size(expected));
    for (const auto& e : expected) {
        const auto it = std::find_if(strings.begin(), strings.end(), [&](const StringEntry& s) { return s.id == e.id; });
        ASSERT_NE(it, strings.end()) << e.id;
        EXPECT_STREQ(it->text, e.text) << e.id;
    }
}

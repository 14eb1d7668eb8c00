// SPDX-License-Identifier: BSD-3-Clause
// Templates of the Milky Way and exoplanet dialogs.
#include "resources/resource_ids.h"
#include "resources/template_parts.h"

namespace zem_res {

DialogTemplate MilkyWayTemplate() {
    using enum WndClass;
    return {IDD_DSP_MW, L"天の川", kDialogStyle, kDialogFont, kDialogPointSize, 161, 93, {
        {IDC_MW_GROUP, Button, L"    ", kGroupBox, 7, 7, 147, 58},
        {IDC_MW_VISIBLE, Button, L"表示(&V)：", kCheck, 13, 7, 40, 10},
        {IDC_MW_REAL, Button, L"精細(&R)", kRadioFirst, 14, 22, 39, 10},
        {IDC_MW_OUTLINE, Button, L"輪郭(&O)", kRadio, 53, 22, 39, 10},
        {IDC_MW_COLOR, Button, L"色の設定(&C)...", kButton, 97, 20, 50, 14},
        {IDC_MW_BRIGHTNESS_LABEL, Static, L"明るさ(&B)：", kStatic, 15, 44, 31, 8},
        {IDC_MW_BRIGHTNESS_EDIT, Edit, L"", kEdit, 52, 41, 24, 14},
        {IDC_MW_BRIGHTNESS_SPIN, UpDown, L"Spin1", kSpin, 76, 41, 9, 14},
        {IDOK, Button, L"閉じる", kButton, 13, 72, 45, 14},
        {IDCANCEL, Button, L"キャンセル", kButton, 61, 72, 45, 14},
        {ID_HELP, Button, L"ヘルプ(&H)", kButton, 109, 72, 45, 14},
    }};
}

DialogTemplate ExoplanetTemplate() {
    using enum WndClass;
    return {IDD_DSP_EXOPLANET, L"系外惑星", kDialogStyle, kDialogFont, kDialogPointSize, 150, 88, {
        {IDC_EXO_GROUP, Button, L"\u3000\u3000", kGroupBox, 7, 7, 73, 74},
        {IDC_EXO_VISIBLE, Button, L"表示(&V)：", kCheck, 13, 7, 40, 10},
        {IDC_EXO_MARK, Button, L"マーク(&M)", kCheckNext, 14, 21, 45, 10},
        {IDC_EXO_STAR_NAME, Button, L"恒星名称(&N)", kCheckNext, 14, 35, 55, 10},
        {IDC_EXO_PLANET_NAME, Button, L"惑星名称(&P)", kCheckNext, 14, 49, 51, 10},
        {IDC_EXO_ORBIT, Button, L"惑星軌道(&P)", kCheckNext, 14, 63, 51, 10},
        {IDOK, Button, L"閉じる", kButton, 88, 7, 55, 14},
        {IDCANCEL, Button, L"キャンセル", kButton, 88, 24, 55, 14},
        {ID_HELP, Button, L"ヘルプ(&H)", kButton, 88, 41, 55, 14},
        {IDC_EXO_COLOR_FONT, Button, L"色・フォント(&C)...", kButton, 88, 61, 55, 14},
    }};
}

}  // namespace zem_res

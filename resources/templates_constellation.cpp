// SPDX-License-Identifier: BSD-3-Clause
// Template of the constellation dialog.
#include "resources/resource_ids.h"
#include "resources/template_parts.h"

namespace zem_res {

DialogTemplate ConstellationTemplate() {
    using enum WndClass;
    return {IDD_DSP_CONS, L"星座", kDialogStyle, kDialogFont, kDialogPointSize, 362, 273, {
        {IDC_CONS_GROUP, Button, L"星座：", kGroupBox, 7, 7, 202, 259},
        {IDC_CONS_NAME, Button, L"名称(&N)", kCheck, 15, 25, 39, 10},
        {IDC_CONS_LATIN_NAME, Button, L"学名(&A)", kCheckNext, 66, 25, 39, 10},
        {IDC_CONS_ABBREVIATION, Button, L"略名(&V)", kCheckNext, 117, 25, 39, 10},
        {IDC_CONS_LINE, Button, L"星座線(&L)", kCheckNext, 15, 43, 44, 10},
        {IDC_CONS_BOUNDARY, Button, L"星座境界線(&B)", kCheckNext, 66, 43, 58, 10},
        {IDC_CONS_PICTURE, Button, L"星座絵(&P)", kCheckNext, 15, 62, 44, 10},
        {IDC_CONS_PICTURE_SET, ComboBox, L"", kCombo, 61, 61, 100, 73},
        {IDC_CONS_LIMIT_GROUP, Button, L"限定：", kGroupBox, 13, 81, 189, 177},
        {IDC_CONS_LIST_LABEL, Static, L"星座名(&E)：", kStatic, 21, 96, 65, 8},
        {IDC_CONS_LIST, ListBox, L"", kConsList, 21, 109, 105, 142},
        {IDC_CONS_SPRING, Button, L"春の星座(&R)", kButton, 132, 100, 63, 14},
        {IDC_CONS_SUMMER, Button, L"夏の星座(&U)", kButton, 132, 117, 63, 14},
        {IDC_CONS_AUTUMN, Button, L"秋の星座(&T)", kButton, 132, 134, 63, 14},
        {IDC_CONS_WINTER, Button, L"冬の星座(&W)", kButton, 132, 151, 63, 14},
        {IDC_CONS_SOUTH, Button, L"南天の星座(&G)", kButton, 132, 168, 63, 14},
        {IDC_CONS_ZODIAC, Button, L"黄道十二星座(&Z)", kButton, 132, 193, 63, 14},
        {IDC_CONS_SELECT_ALL, Button, L"すべて選択(&O)", kButton, 132, 217, 63, 14},
        {IDC_CONS_CLEAR_ALL, Button, L"すべて解除(&X)", kButton, 132, 234, 63, 14},
        {IDC_CONS_ASTERISM_GROUP, Button, L"星空の目印(&M)：", kGroupBox, 216, 7, 139, 30},
        {IDC_CONS_ASTERISM, Button, L"表示", kCheck, 236, 20, 35, 10},
        {IDC_CONS_ASTERISM_NAME, Button, L"名称", kCheckNext, 290, 20, 35, 10},
        {IDC_CONS_NICKNAME_GROUP, Button, L"天体のニックネーム(&K)：", kGroupBox, 216, 44, 139, 30},
        {IDC_CONS_NICKNAME, Button, L"表示", kCheck, 236, 56, 35, 10},
        {IDC_CONS_NICKNAME_NAME, Button, L"名称", kCheckNext, 290, 56, 35, 10},
        {IDC_CONS_CHINESE_GROUP, Button, L"中国の星座（二十八宿）など(&S)：", kGroupBox, 216, 81, 139, 30},
        {IDC_CONS_CHINESE, Button, L"表示", kCheck, 236, 94, 35, 10},
        {IDC_CONS_CHINESE_NAME, Button, L"名称", kCheckNext, 290, 94, 35, 10},
        {IDC_CONS_CALENDAR_GROUP, Button, L"二十四節気および雑節の太陽黄経(&D)：", kGroupBox, 216, 118, 139, 30},
        {IDC_CONS_CALENDAR, Button, L"表示", kCheck, 236, 131, 35, 10},
        {IDC_CONS_CALENDAR_NAME, Button, L"名称", kCheckNext, 290, 131, 35, 10},
        {IDC_CONS_COLOR_FONT, Button, L"色・フォント(&C)...", kButton, 301, 231, 54, 14},
        {IDOK, Button, L"閉じる", kButton, 215, 252, 45, 14},
        {IDCANCEL, Button, L"キャンセル", kButton, 263, 252, 45, 14},
        {ID_HELP, Button, L"ヘルプ(&H)", kButton, 310, 252, 45, 14},
    }};
}

}  // namespace zem_res

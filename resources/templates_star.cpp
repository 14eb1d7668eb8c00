// SPDX-License-Identifier: BSD-3-Clause
// Template of the star dialog. One frame under the show box holds everything that box disables;
// the "other overlays" grid below it stays usable while stars are hidden.
#include "resources/resource_ids.h"
#include "resources/template_parts.h"

namespace zem_res {

DialogTemplate StarTemplate() {
    using enum WndClass;
    return {IDD_DSP_STAR, L"恒星", kDialogStyle, kDialogFont, kDialogPointSize, 274, 354, {
        {IDC_STAR_GROUP, Button, L"    ", kGroupBox, 7, 7, 260, 260},
        {IDC_STAR_VISIBLE, Button, L"表示(&V)：", kCheck, 13, 7, 40, 10},

        {IDC_STAR_MAG_GROUP, Button, L"等級(&M)：", kGroupBox, 14, 20, 246, 46},
        {IDC_STAR_MAG_AUTO, Button, L"視野角に連動", kRadioFirst, 20, 32, 60, 10},
        {IDC_STAR_MAG_FIXED, Button, L"固定", kRadio, 20, 50, 30, 10},
        {IDC_STAR_MAG_AUTO_MIN, Edit, L"", kEdit, 84, 30, 28, 14},
        {IDC_STAR_MAG_AUTO_MIN_SPIN, UpDown, L"", kSpin, 112, 30, 9, 14},
        {IDC_STAR_MAG_AUTO_MIN_UNIT, Static, L"等", kStatic, 124, 33, 10, 8},
        {IDC_STAR_MAG_RESET, Button, L"リセット(&R)", kButton, 140, 30, 50, 14},
        {IDC_STAR_MAG_MAX, Edit, L"", kEdit, 84, 48, 28, 14},
        {IDC_STAR_MAG_MAX_SPIN, UpDown, L"", kSpin, 112, 48, 9, 14},
        {IDC_STAR_MAG_TO, Static, L"～", kStatic, 124, 51, 10, 8},
        {IDC_STAR_MAG_MIN, Edit, L"", kEdit, 136, 48, 28, 14},
        {IDC_STAR_MAG_MIN_SPIN, UpDown, L"", kSpin, 164, 48, 9, 14},
        {IDC_STAR_MAG_UNIT, Static, L"等", kStatic, 176, 51, 10, 8},

        {IDC_STAR_IMAGE_GROUP, Button, L"星像(&S)：", kGroupBox, 14, 70, 246, 46},
        {IDC_STAR_SIZE_LABEL, Static, L"大きさ：", kStatic, 20, 85, 30, 8},
        {IDC_STAR_SIZE, Edit, L"", kEdit, 52, 82, 28, 14},
        {IDC_STAR_SIZE_SPIN, UpDown, L"", kSpin, 80, 82, 9, 14},
        {IDC_STAR_SHAPE_LABEL, Static, L"形状：", kStatic, 98, 85, 24, 8},
        {IDC_STAR_SHAPE, ComboBox, L"", kCombo, 124, 82, 100, 80},
        {IDC_STAR_TWINKLE, Button, L"またたき", kCheck, 20, 102, 44, 10},
        {IDC_STAR_TWINKLE_LABEL, Static, L"強さ：", kStatic, 70, 103, 24, 8},
        {IDC_STAR_TWINKLE_STRENGTH, Edit, L"", kEdit, 96, 100, 28, 14},
        {IDC_STAR_TWINKLE_STRENGTH_SPIN, UpDown, L"", kSpin, 124, 100, 9, 14},
        {IDC_STAR_IMAGE_RESET, Button, L"リセット(&T)", kButton, 204, 100, 50, 14},

        {IDC_STAR_LABEL_GROUP, Button, L"名称等(&N)：", kGroupBox, 14, 120, 246, 58},
        {IDC_STAR_PROPER_NAME, Button, L"固有名", kCheck, 20, 132, 40, 10},
        {IDC_STAR_NAME_JAPANESE, Button, L"日本語", kRadioFirst, 66, 132, 40, 10},
        {IDC_STAR_NAME_ENGLISH, Button, L"英語", kRadio, 110, 132, 34, 10},
        {IDC_STAR_BAYER, Button, L"バイエル名", kCheck, 20, 146, 56, 10},
        {IDC_STAR_FLAMSTEED, Button, L"フラムスチード番号", kCheckNext, 80, 146, 80, 10},
        {IDC_STAR_MAGNITUDE, Button, L"等級", kCheckNext, 164, 146, 34, 10},
        {IDC_STAR_NAME_LIMIT, Button, L"等級で限定", kCheckNext, 20, 162, 52, 10},
        {IDC_STAR_NAME_LIMIT_MAG, Edit, L"", kEdit, 76, 160, 28, 14},
        {IDC_STAR_NAME_LIMIT_MAG_SPIN, UpDown, L"", kSpin, 104, 160, 9, 14},
        {IDC_STAR_NAME_LIMIT_MAG_UNIT, Static, L"等", kStatic, 116, 163, 10, 8},

        {IDC_STAR_PM_GROUP, Button, L"    ", kGroupBox, 14, 182, 120, 30},
        {IDC_STAR_PROPER_MOTION, Button, L"固有運動計算(&P)：", kCheck, 20, 182, 80, 10},
        {IDC_STAR_PM_MAG, Edit, L"", kEdit, 20, 194, 28, 14},
        {IDC_STAR_PM_MAG_SPIN, UpDown, L"", kSpin, 48, 194, 9, 14},
        {IDC_STAR_PM_MAG_UNIT, Static, L"等以上", kStatic, 60, 197, 30, 8},
        {IDC_STAR_ABSMAG_GROUP, Button, L"", kGroupBox, 140, 182, 120, 30},
        {IDC_STAR_ABSMAG, Button, L"絶対等級表示(&A)：", kCheck, 146, 182, 80, 10},
        {IDC_STAR_ABSMAG_PARSEC, Edit, L"", kEdit, 146, 194, 28, 14},
        {IDC_STAR_ABSMAG_PARSEC_SPIN, UpDown, L"", kSpin, 174, 194, 9, 14},
        {IDC_STAR_ABSMAG_PARSEC_UNIT, Static, L"パーセク", kStatic, 186, 197, 34, 8},

        {IDC_STAR_DATA_GROUP, Button, L"恒星データ(&D)：", kGroupBox, 14, 216, 246, 46},
        {IDC_STAR_DATA_LABEL, Static, L"使用するデータ：", kStatic, 20, 229, 56, 8},
        {IDC_STAR_DATA_STD, Button, L"標準", kRadioFirst, 80, 228, 32, 10},
        {IDC_STAR_DATA_EXT, Button, L"拡張", kRadio, 116, 228, 32, 10},
        {IDC_STAR_DATA_AUTO, Button, L"自動切換え", kRadio, 152, 228, 52, 10},
        {IDC_STAR_EXTDATA_LABEL, Static, L"拡張データ：", kStatic, 20, 247, 48, 8},
        {IDC_STAR_EXTDATA, ComboBox, L"", kCombo, 72, 244, 100, 60},
        {IDC_STAR_EXTDATA_DETAIL, Button, L"詳細(&E)...", kButton, 176, 244, 50, 14},

        // Two blocks of rows, each under its own show and name captions.
        {IDC_STAR_OTHER_GROUP, Button, L"その他(&Y)：", kGroupBox, 7, 271, 260, 56},
        {IDC_STAR_OTHER_SHOW_LEFT, Static, L"表示", kStaticCentre, 88, 282, 20, 8},
        {IDC_STAR_OTHER_NAME_LEFT, Static, L"名称", kStaticCentre, 112, 282, 20, 8},
        {IDC_STAR_JNAMES_LABEL, Static, L"日本での星の呼び名", kStatic, 13, 295, 72, 8},
        {IDC_STAR_JNAMES, Button, L"", kCheck, 93, 294, 10, 10},
        {IDC_STAR_JNAMES_NAME, Button, L"", kCheckNext, 117, 294, 10, 10},
        {IDC_STAR_NEARBY_LABEL, Static, L"太陽系から近い恒星", kStatic, 13, 311, 72, 8},
        {IDC_STAR_NEARBY, Button, L"", kCheck, 93, 310, 10, 10},
        {IDC_STAR_NEARBY_NAME, Button, L"", kCheckNext, 117, 310, 10, 10},
        {IDC_STAR_OTHER_SHOW_RIGHT, Static, L"表示", kStaticCentre, 204, 282, 20, 8},
        {IDC_STAR_OTHER_NAME_RIGHT, Static, L"名称", kStaticCentre, 228, 282, 20, 8},
        {IDC_STAR_DISTANCE_LABEL, Static, L"恒星までの距離", kStatic, 140, 295, 60, 8},
        {IDC_STAR_DISTANCE, Button, L"", kCheck, 233, 294, 10, 10},  // name column: no show box
        {IDC_STAR_PULSAR_LABEL, Static, L"パルサー", kStatic, 140, 311, 60, 8},
        {IDC_STAR_PULSAR, Button, L"", kCheck, 209, 310, 10, 10},
        {IDC_STAR_PULSAR_NAME, Button, L"", kCheckNext, 233, 310, 10, 10},

        {IDOK, Button, L"閉じる", kButton, 126, 333, 45, 14},
        {IDCANCEL, Button, L"キャンセル", kButton, 174, 333, 45, 14},
        {ID_HELP, Button, L"ヘルプ(&H)", kButton, 222, 333, 45, 14},
        {IDC_STAR_COLOR_FONT, Button, L"色・フォント(&C)...", kButton, 7, 333, 60, 14},
    }};
}

}  // namespace zem_res

// SPDX-License-Identifier: BSD-3-Clause
// Template of the deep-sky dialog: annotations, their restrictions and images on the left; PGC
// galaxies and the other-objects grid on the right. Its frames carry no group style.
#include "resources/resource_ids.h"
#include "resources/template_parts.h"

namespace zem_res {

DialogTemplate DeepSkyTemplate() {
    using enum WndClass;
    return {IDD_DSP_NBL, L"星雲・星団", kDialogStyle, kDialogFont, kDialogPointSize, 399, 299, {
        {IDC_NBL_GROUP, Button, L"星雲・星団：", kGroupBoxNbl, 7, 7, 192, 245},
        {IDC_NBL_MARK, Button, L"マーク(&V)", kCheck, 14, 20, 44, 10},
        {IDC_NBL_NAME, Button, L"通称(&N)", kCheckNext, 62, 20, 40, 10},
        {IDC_NBL_NUMBER, Button, L"番号(&U)", kCheckNext, 106, 20, 40, 10},
        {IDC_NBL_MAGNITUDE, Button, L"等級(&M)", kCheckNext, 150, 20, 40, 10},
        {IDC_NBL_LIMIT_GROUP, Button, L"限定：", kGroupBoxNbl, 13, 34, 180, 178},
        {IDC_NBL_CATALOG_LABEL, Static, L"カタログ(&A)：", kStatic, 19, 46, 60, 8},
        {IDC_NBL_CATALOG_LIST, Static, L"", kListFrame, 19, 56, 96, 150},
        {IDC_NBL_LEVEL_LABEL, Static, L"レベル(&L)：", kStatic, 121, 46, 60, 8},
        {IDC_NBL_LEVEL_LIST, Static, L"", kListFrame, 121, 56, 66, 28},
        {IDC_NBL_TYPE_LABEL, Static, L"種類(&T)：", kStatic, 121, 90, 60, 8},
        {IDC_NBL_TYPE_LIST, Static, L"", kListFrame, 121, 100, 66, 106},
        {IDC_NBL_MAG_GROUP, Button, L"等級(&G)：", kGroupBoxNbl, 13, 216, 180, 30},
        {IDC_NBL_LIMIT_MAG, Button, L"限定", kCheck, 19, 229, 32, 10},
        {IDC_NBL_MAG_MAX, Edit, L"", kEdit, 55, 227, 28, 14},
        {IDC_NBL_MAG_MAX_SPIN, UpDown, L"Spin3", kSpin, 83, 227, 9, 14},
        {IDC_NBL_MAG_TO, Static, L"～", kStatic, 95, 230, 10, 8},
        {IDC_NBL_MAG_MIN, Edit, L"", kEdit, 107, 227, 28, 14},
        {IDC_NBL_MAG_MIN_SPIN, UpDown, L"Spin3", kSpin, 135, 227, 9, 14},
        {IDC_NBL_MAG_UNIT, Static, L"等", kStatic, 147, 230, 10, 8},
        {IDC_NBL_OUTLINE_GROUP, Button, L"輪郭(&O)：", kGroupBoxNbl, 7, 256, 50, 30},
        {IDC_NBL_OUTLINE, Button, L"表示", kCheck, 14, 270, 36, 10},
        {IDC_NBL_IMAGE_GROUP, Button, L"    ", kGroupBoxNbl, 63, 256, 136, 30},
        {IDC_NBL_IMAGE, Button, L"画像(&I)：", kCheck, 69, 256, 50, 10},
        {IDC_NBL_BRIGHTNESS_LABEL, Static, L"明るさ(&B)：", kStatic, 69, 271, 40, 8},
        {IDC_NBL_BRIGHTNESS, Edit, L"", kEdit, 111, 268, 26, 14},
        {IDC_NBL_BRIGHTNESS_SPIN, UpDown, L"Spin1", kSpin, 137, 268, 9, 14},
        {IDC_NBL_IMAGE_RESET, Button, L"リセット(&R)", kButton, 150, 268, 40, 14},

        {IDC_NBL_PGC_GROUP, Button, L"\u3000\u3000\u3000\u3000", kGroupBoxNbl, 206, 7, 186, 111},
        {IDC_NBL_PGC, Button, L"PGC(&P)：", kCheck, 212, 7, 50, 10},
        {IDC_NBL_PGC_NUMBER, Button, L"番号(&J)", kCheckNext, 213, 21, 44, 10},
        {IDC_NBL_PGC_ALIAS, Button, L"別名(&S)", kCheckNext, 261, 21, 44, 10},
        {IDC_NBL_PGC_MAGNITUDE, Button, L"等級(&E)", kCheckNext, 309, 21, 44, 10},
        {IDC_NBL_PGC_MAG_GROUP, Button, L"等級(&D)：", kGroupBoxNbl, 212, 36, 174, 30},
        {IDC_NBL_PGC_LIMIT_MAG, Button, L"限定", kCheck, 218, 49, 32, 10},
        {IDC_NBL_PGC_MAG_MAX, Edit, L"", kEdit, 254, 47, 28, 14},
        {IDC_NBL_PGC_MAG_MAX_SPIN, UpDown, L"", kSpin, 282, 47, 9, 14},
        {IDC_NBL_PGC_MAG_TO, Static, L"～", kStatic, 294, 50, 10, 8},
        {IDC_NBL_PGC_MAG_MIN, Edit, L"", kEdit, 306, 47, 28, 14},
        {IDC_NBL_PGC_MAG_MIN_SPIN, UpDown, L"", kSpin, 334, 47, 9, 14},
        {IDC_NBL_PGC_MAG_UNIT, Static, L"等", kStatic, 346, 50, 10, 8},
        {IDC_NBL_PGC_POINT, Button, L"常に表示(&W)", kCheck, 213, 71, 60, 10},
        {IDC_NBL_PGC_SHAPE_GROUP, Button, L"形状(&Z)：", kGroupBoxNbl, 212, 86, 174, 26},
        {IDC_NBL_PGC_SHAPE_IMAGE, Button, L"画像", kRadioFirst, 218, 98, 36, 10},
        {IDC_NBL_PGC_SHAPE_OUTLINE, Button, L"輪郭", kRadio, 258, 98, 36, 10},

        // Two blocks of three rows, each under its own show and name captions.
        {IDC_NBL_OTHER_GROUP, Button, L"その他(&Y)：", kGroupBoxNbl, 206, 122, 186, 68},
        {IDC_NBL_OTHER_SHOW_LEFT, Static, L"表示", kStaticCentre, 246, 134, 16, 8},
        {IDC_NBL_OTHER_NAME_LEFT, Static, L"名称", kStaticCentre, 262, 134, 16, 8},
        {IDC_NBL_OTHER_SHOW_RIGHT, Static, L"表示", kStaticCentre, 352, 134, 16, 8},
        {IDC_NBL_OTHER_NAME_RIGHT, Static, L"名称", kStaticCentre, 368, 134, 16, 8},
        {IDC_NBL_INFRARED_LABEL, Static, L"赤外線源", kStatic, 212, 147, 32, 8},
        {IDC_NBL_INFRARED, Button, L"", kCheck, 249, 146, 10, 10},
        {IDC_NBL_INFRARED_NAME, Button, L"", kCheckNext, 265, 146, 10, 10},
        {IDC_NBL_H2REGION_LABEL, Static, L"HII領域", kStatic, 212, 161, 32, 8},
        {IDC_NBL_H2REGION, Button, L"", kCheck, 249, 160, 10, 10},
        {IDC_NBL_H2REGION_NAME, Button, L"", kCheckNext, 265, 160, 10, 10},
        {IDC_NBL_XRAY_LABEL, Static, L"X線源", kStatic, 212, 175, 32, 8},
        {IDC_NBL_XRAY, Button, L"", kCheck, 249, 174, 10, 10},
        {IDC_NBL_XRAY_NAME, Button, L"", kCheckNext, 265, 174, 10, 10},
        {IDC_NBL_QUASAR_LABEL, Static, L"クエーサー・電波銀河", kStatic, 286, 147, 66, 8},
        {IDC_NBL_QUASAR, Button, L"", kCheck, 355, 146, 10, 10},
        {IDC_NBL_QUASAR_NAME, Button, L"", kCheckNext, 371, 146, 10, 10},
        {IDC_NBL_LOCAL_GALAXIES_LABEL, Static, L"局部銀河群", kStatic, 286, 161, 66, 8},
        {IDC_NBL_LOCAL_GALAXIES, Button, L"", kCheck, 355, 160, 10, 10},
        {IDC_NBL_LOCAL_GALAXIES_NAME, Button, L"", kCheckNext, 371, 160, 10, 10},
        {IDC_NBL_GALAXY_CLUSTERS_LABEL, Static, L"銀河群・銀河団", kStatic, 286, 175, 66, 8},
        {IDC_NBL_GALAXY_CLUSTERS, Button, L"", kCheck, 355, 174, 10, 10},
        {IDC_NBL_GALAXY_CLUSTERS_NAME, Button, L"", kCheckNext, 371, 174, 10, 10},

        {IDC_NBL_COLOR_FONT, Button, L"色・フォント(&C)...", kButton, 332, 258, 60, 14},
        {IDOK, Button, L"閉じる", kButton, 251, 278, 45, 14},
        {IDCANCEL, Button, L"キャンセル", kButton, 299, 278, 45, 14},
        {ID_HELP, Button, L"ヘルプ(&H)", kButton, 347, 278, 45, 14},
    }};
}

}  // namespace zem_res

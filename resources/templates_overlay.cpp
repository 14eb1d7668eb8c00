// SPDX-License-Identifier: BSD-3-Clause
// Templates of the catalog overlay dialogs (double, variable, nova and supernova stars) and of the
// two catalog detail dialogs. The overlay dialogs share one layout: options and limit frames on
// the left, the buttons in a column on the right.
#include "resources/resource_ids.h"
#include "resources/template_parts.h"

namespace zem_res {

namespace {

// The nova and supernova templates are one layout; the supernova ids are the nova ids plus 100
// and four labels differ.
struct NovaLabels {
    const wchar_t* discoveryMag;
    const wchar_t* discoverers;
    const wchar_t* magVariable;
};

DialogTemplate NovaFamily(UINT templateId, const wchar_t* title, UINT shift, const NovaLabels& l) {
    using enum WndClass;
    const UINT s = shift;
    return {templateId, title, kDialogStyle, kDialogFont, kDialogPointSize, 249, 139, {
        {IDC_NOVA_GROUP + s, Button, L"    ", kGroupBox, 7, 7, 179, 38},
        {IDC_NOVA_VISIBLE + s, Button, L"表示(&V)：", kCheck, 13, 7, 40, 10},
        {IDC_NOVA_NAME + s, Button, L"名称(&N)", kCheckNext, 14, 19, 44, 10},
        {IDC_NOVA_DISCOVERY_MAG + s, Button, l.discoveryMag, kCheckNext, 62, 19, 56, 10},
        {IDC_NOVA_DISCOVERERS + s, Button, l.discoverers, kCheckNext, 14, 31, 44, 10},
        {IDC_NOVA_DISCOVERY_DATE + s, Button, L"発見日時(&D)", kCheckNext, 62, 31, 56, 10},
        {IDC_NOVA_MAG_GROUP + s, Button, L"等級：", kGroupBox, 7, 49, 179, 30},
        {IDC_NOVA_MAG_VARIABLE + s, Button, l.magVariable, kCheck, 14, 62, 64, 10},
        {IDC_NOVA_MAG_OFFSET_LABEL + s, Static, L"オフセット(&O)：", kStatic, 84, 63, 50, 8},
        {IDC_NOVA_MAG_OFFSET + s, Edit, L"", kEdit, 136, 60, 28, 14},
        {IDC_NOVA_MAG_OFFSET_SPIN + s, UpDown, L"", kSpin, 164, 60, 9, 14},
        {IDC_NOVA_LIMIT_GROUP + s, Button, L"\u3000\u3000\u3000\u3000\u3000\u3000", kGroupBox, 7, 83, 179, 42},
        {IDC_NOVA_LIMIT_MAG + s, Button, L"等級限定：", kCheck, 13, 83, 52, 10},
        {IDC_NOVA_MAG_AUTO + s, Button, L"恒星等級に連動(&L)", kRadioFirst, 14, 95, 76, 10},
        {IDC_NOVA_MAG_FIXED + s, Button, L"固定(&F)", kRadio, 14, 109, 36, 10},
        {IDC_NOVA_MAG_MAX + s, Edit, L"", kEdit, 54, 107, 28, 14},
        {IDC_NOVA_MAG_MAX_SPIN + s, UpDown, L"", kSpin, 82, 107, 9, 14},
        {IDC_NOVA_MAG_TO + s, Static, L"～", kStatic, 94, 110, 10, 8},
        {IDC_NOVA_MAG_MIN + s, Edit, L"", kEdit, 106, 107, 28, 14},
        {IDC_NOVA_MAG_MIN_SPIN + s, UpDown, L"", kSpin, 134, 107, 9, 14},
        {IDC_NOVA_MAG_UNIT + s, Static, L"等", kStatic, 146, 110, 10, 8},
        {IDC_NOVA_COLOR_FONT + s, Button, L"色・フォント(&C)...", kButton, 192, 61, 50, 14},
        {IDOK, Button, L"閉じる", kButton, 192, 7, 50, 14},
        {IDCANCEL, Button, L"キャンセル", kButton, 192, 24, 50, 14},
        {ID_HELP, Button, L"ヘルプ(&H)", kButton, 192, 41, 50, 14},
    }};
}

}  // namespace

DialogTemplate DoubleStarTemplate() {
    using enum WndClass;
    return {IDD_DSP_STAR_WDS, L"二重星", kDialogStyle, kDialogFont, kDialogPointSize, 249, 96, {
        {IDC_WDS_GROUP, Button, L"  ", kGroupBox, 7, 7, 179, 38},
        {IDC_WDS_VISIBLE, Button, L"表示(&V)：", kCheck, 13, 7, 40, 10},
        {IDC_WDS_NAME, Button, L"名称(&N)", kCheckNext, 14, 19, 40, 10},
        {IDC_WDS_MAG_PRIMARY, Button, L"主星等級(&M)", kCheckNext, 56, 19, 54, 10},
        {IDC_WDS_COMPONENT_NAME, Button, L"コンポーネント名(&O)", kCheckNext, 114, 19, 68, 10},
        {IDC_WDS_SYSTEM, Button, L"星系(&S)", kCheckNext, 14, 31, 40, 10},
        {IDC_WDS_MAG_ALL, Button, L"すべての等級(A)", kCheckNext, 56, 31, 60, 10},  // under 1703
        {IDC_WDS_LIMIT_GROUP, Button, L"\u3000\u3000\u3000\u3000\u3000\u3000", kGroupBox, 7, 49, 179, 40},
        {IDC_WDS_LIMIT_MAG, Button, L"等級限定(&T)：", kCheck, 13, 49, 60, 10},
        {IDC_WDS_MAG_AUTO, Button, L"恒星等級に連動(&L)", kRadioFirst, 14, 60, 76, 10},
        {IDC_WDS_MAG_FIXED, Button, L"固定(&F)", kRadio, 14, 73, 36, 10},
        {IDC_WDS_MAG_MAX, Edit, L"", kEdit, 54, 71, 28, 14},
        {IDC_WDS_MAG_MAX_SPIN, UpDown, L"", kSpin, 82, 71, 9, 14},
        {IDC_WDS_MAG_TO, Static, L"～", kStatic, 94, 74, 10, 8},
        {IDC_WDS_MAG_MIN, Edit, L"", kEdit, 106, 71, 28, 14},
        {IDC_WDS_MAG_MIN_SPIN, UpDown, L"", kSpin, 134, 71, 9, 14},
        {IDC_WDS_MAG_UNIT, Static, L"等", kStatic, 146, 74, 10, 8},
        {IDC_WDS_COLOR_FONT, Button, L"色・フォント(&C)...", kButton, 192, 61, 50, 14},
        {IDOK, Button, L"閉じる", kButton, 192, 7, 50, 14},
        {IDCANCEL, Button, L"キャンセル", kButton, 192, 24, 50, 14},
        {ID_HELP, Button, L"ヘルプ(&H)", kButton, 192, 41, 50, 14},
    }};
}

DialogTemplate VariableStarTemplate() {
    using enum WndClass;
    return {IDD_DSP_STAR_GCVS, L"変光星", kDialogStyle, kDialogFont, kDialogPointSize, 249, 98, {
        {IDC_GCVS_GROUP, Button, L"    ", kGroupBox, 7, 7, 179, 38},
        {IDC_GCVS_VISIBLE, Button, L"表示(&V)：", kCheck, 13, 7, 40, 10},
        // Name and abbreviation are alternatives and share a row; the two magnitudes the next.
        {IDC_GCVS_NAME, Button, L"名称(&N)", kCheckNext, 14, 19, 40, 10},
        {IDC_GCVS_ABBREVIATION, Button, L"略名(&E)", kCheckNext, 72, 19, 40, 10},
        {IDC_GCVS_MAXIMUM, Button, L"極大等級(&A)", kCheckNext, 14, 31, 54, 10},
        {IDC_GCVS_MINIMUM, Button, L"極小等級(&M)", kCheckNext, 72, 31, 54, 10},
        {IDC_GCVS_LIMIT_GROUP, Button, L"\u3000\u3000\u3000\u3000\u3000\u3000", kGroupBox, 7, 49, 179, 42},
        {IDC_GCVS_LIMIT_MAG, Button, L"等級限定(&T)：", kCheck, 13, 49, 60, 10},
        {IDC_GCVS_MAG_AUTO, Button, L"恒星等級に連動(&L)", kRadioFirst, 14, 61, 76, 10},
        {IDC_GCVS_MAG_FIXED, Button, L"固定(&F)", kRadio, 14, 75, 36, 10},
        {IDC_GCVS_MAG_MAX, Edit, L"", kEdit, 54, 73, 28, 14},
        {IDC_GCVS_MAG_MAX_SPIN, UpDown, L"", kSpin, 82, 73, 9, 14},
        {IDC_GCVS_MAG_TO, Static, L"～", kStatic, 94, 76, 10, 8},
        {IDC_GCVS_MAG_MIN, Edit, L"", kEdit, 106, 73, 28, 14},
        {IDC_GCVS_MAG_MIN_SPIN, UpDown, L"", kSpin, 134, 73, 9, 14},
        {IDC_GCVS_MAG_UNIT, Static, L"等", kStatic, 146, 76, 10, 8},
        {IDC_GCVS_COLOR_FONT, Button, L"色・フォント(&C)...", kButton, 192, 61, 50, 14},
        {IDOK, Button, L"閉じる", kButton, 192, 7, 50, 14},
        {IDCANCEL, Button, L"キャンセル", kButton, 192, 24, 50, 14},
        {ID_HELP, Button, L"ヘルプ(&H)", kButton, 192, 41, 50, 14},
    }};
}

DialogTemplate NovaTemplate() {
    return NovaFamily(IDD_DSP_STAR_NOVA, L"新星", 0,
                      {L"発見等級(&A)", L"発見者(&R)", L"日時と連動(&M)"});
}

DialogTemplate SupernovaTemplate() {
    return NovaFamily(IDD_DSP_STAR_SNOVA, L"超新星", IDC_SNOVA_GROUP - IDC_NOVA_GROUP,
                      {L"発見等級(&R)", L"発見者(&O)", L"日時と連動(&L)"});
}

DialogTemplate GscTemplate() {
    using enum WndClass;
    return {IDD_DSP_STAR_GSC, L"GSC-ACT詳細設定", kDialogStyle, kDialogFont, kDialogPointSize, 246, 66, {
        {IDC_GSC_GROUP, Button, L"GSC-ACT表示設定(&D)：", kGroupBox, 7, 7, 176, 52},
        {IDC_GSC_STAR, Button, L"恒星", kCheck, 14, 22, 36, 10},
        {IDC_GSC_GALAXY, Button, L"銀河", kCheckNext, 54, 22, 36, 10},
        {IDC_GSC_BLEND, Button, L"ブレンド", kCheckNext, 94, 22, 44, 10},
        {IDC_GSC_NONSTAR, Button, L"非恒星状天体", kCheckNext, 14, 40, 62, 10},
        {IDC_GSC_ARTIFACT, Button, L"人工天体", kCheckNext, 80, 40, 48, 10},
        {IDOK, Button, L"閉じる", kButton, 189, 7, 50, 14},
        {IDCANCEL, Button, L"キャンセル", kButton, 189, 24, 50, 14},
        {ID_HELP, Button, L"ヘルプ(&H)", kButton, 189, 41, 50, 14},
    }};
}

DialogTemplate UsnoA20Template() {
    using enum WndClass;
    // Too narrow for a button column: the buttons sit in a row under the frame.
    return {IDD_DSP_STAR_USNOA20, L"USNO-A2.0詳細設定", kDialogStyle, kDialogFont, kDialogPointSize, 140, 66, {
        {IDC_USNO_GROUP, Button, L"USNO-A2.0表示設定(&D)：", kGroupBox, 7, 7, 126, 30},
        {IDC_USNO_ALL_STARS, Button, L"すべての恒星を表示(&A)", kCheck, 14, 21, 100, 10},
        {IDOK, Button, L"閉じる", kButton, 7, 45, 40, 14},
        {IDCANCEL, Button, L"キャンセル", kButton, 50, 45, 40, 14},
        {ID_HELP, Button, L"ヘルプ(&H)", kButton, 93, 45, 40, 14},
    }};
}

}  // namespace zem_res

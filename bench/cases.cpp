// SPDX-License-Identifier: BSD-3-Clause
#include "bench/cases.h"

#include <string>

#include "resources/resource_ids.h"

namespace zembench {
namespace {

Action ClickBox(UINT id) {
    return [id](CDialog& d, bool) { return input::Click(d, id); };
}
Action ClickRadios(UINT first, UINT second) {
    return [=](CDialog& d, bool odd) { return input::Click(d, odd ? first : second); };
}
Action SpinStep(UINT id) {
    return [id](CDialog& d, bool odd) { return input::Spin(d, id, !odd); };
}
// Erases the edit's last character, then types it again.
Action TypeKey(UINT id) {
    return [id, typed = std::wstring()](CDialog& d, bool odd) mutable {
        if (odd) return input::Append(d, id, typed);
        const CWnd* edit = d.GetDlgItem(static_cast<int>(id));
        if (!edit || edit->WindowText().empty()) return InputResult::Unsupported;
        typed.assign(1, edit->WindowText().back());
        return input::Backspace(d, id);
    };
}
Action Pick(UINT id, int a, int b) {
    return [=](CDialog& d, bool odd) { return input::Select(d, id, odd ? a : b); };
}
Action TickItem(UINT id, int item) {
    return [=](CDialog& d, bool) { return input::Tick(d, id, item); };
}
Action ClickCell(UINT id, int row, int column) {
    return [=](CDialog& d, bool) { return input::Cell(d, id, row, column); };
}

}  // namespace

const std::vector<DialogCase>& Cases() {
    static const std::vector<DialogCase> cases = {
        {L"CDlgMw",
         {{"click", ClickBox(IDC_MW_VISIBLE), {}},
          {"radio", ClickRadios(IDC_MW_REAL, IDC_MW_OUTLINE), {}},
          {"spin", SpinStep(IDC_MW_BRIGHTNESS_SPIN), {}},
          {"type", TypeKey(IDC_MW_BRIGHTNESS_EDIT), {}}}},
        {L"CDlgExoPlanet", {{"click", ClickBox(IDC_EXO_MARK), {}}}},
        {L"CDlgCons",
         {{"click", ClickBox(IDC_CONS_LINE), {}},
          {"tick", TickItem(IDC_CONS_LIST, 0), {}},
          {"pick", Pick(IDC_CONS_PICTURE_SET, 0, 1), {}},
          {"button", ClickRadios(IDC_CONS_SPRING, IDC_CONS_SUMMER), {}}}},
        {L"CDlgStarGcvs",
         {{"click", ClickBox(IDC_GCVS_NAME), {}},
          {"radio", ClickRadios(IDC_GCVS_MAG_AUTO, IDC_GCVS_MAG_FIXED), {IDC_GCVS_LIMIT_MAG}},
          {"spin", SpinStep(IDC_GCVS_MAG_MAX_SPIN), {IDC_GCVS_LIMIT_MAG, IDC_GCVS_MAG_FIXED}},
          {"type", TypeKey(IDC_GCVS_MAG_MIN), {IDC_GCVS_LIMIT_MAG, IDC_GCVS_MAG_FIXED}}}},
        {L"CDlgStarNova",
         {{"click", ClickBox(IDC_NOVA_NAME), {}},
          {"radio", ClickRadios(IDC_NOVA_MAG_AUTO, IDC_NOVA_MAG_FIXED), {IDC_NOVA_LIMIT_MAG}},
          {"spin", SpinStep(IDC_NOVA_MAG_OFFSET_SPIN), {}},
          {"type", TypeKey(IDC_NOVA_MAG_OFFSET), {}}}},
        {L"CDlgStarSNova",
         {{"click", ClickBox(IDC_SNOVA_NAME), {}},
          {"radio", ClickRadios(IDC_SNOVA_MAG_AUTO, IDC_SNOVA_MAG_FIXED), {IDC_SNOVA_LIMIT_MAG}},
          {"spin", SpinStep(IDC_SNOVA_MAG_MAX_SPIN), {}},
          {"type", TypeKey(IDC_SNOVA_MAG_MIN), {}}}},
        {L"CDlgStarWds",
         {{"click", ClickBox(IDC_WDS_NAME), {}},
          {"radio", ClickRadios(IDC_WDS_MAG_AUTO, IDC_WDS_MAG_FIXED), {IDC_WDS_LIMIT_MAG}},
          {"spin", SpinStep(IDC_WDS_MAG_MAX_SPIN), {IDC_WDS_LIMIT_MAG, IDC_WDS_MAG_FIXED}},
          {"type", TypeKey(IDC_WDS_MAG_MIN), {IDC_WDS_LIMIT_MAG, IDC_WDS_MAG_FIXED}}}},
        {L"CDlgStarGsc", {{"click", ClickBox(IDC_GSC_STAR), {}}}},
        {L"CDlgStarUsnoA20", {{"click", ClickBox(IDC_USNO_ALL_STARS), {}}}},
        {L"CDlgStar",
         {{"click", ClickBox(IDC_STAR_BAYER), {}},
          {"radio", ClickRadios(IDC_STAR_MAG_AUTO, IDC_STAR_MAG_FIXED), {}},
          {"spin", SpinStep(IDC_STAR_MAG_AUTO_MIN_SPIN), {IDC_STAR_MAG_AUTO}},
          {"type", TypeKey(IDC_STAR_MAG_AUTO_MIN), {IDC_STAR_MAG_AUTO}},
          {"pick", Pick(IDC_STAR_SHAPE, 0, 1), {}},
          {"button", ClickRadios(IDC_STAR_MAG_RESET, IDC_STAR_IMAGE_RESET), {IDC_STAR_MAG_AUTO}}}},
        {L"CDlgNbl",
         {{"click", ClickBox(IDC_NBL_OUTLINE), {}},
          {"radio", ClickRadios(IDC_NBL_PGC_SHAPE_IMAGE, IDC_NBL_PGC_SHAPE_OUTLINE), {IDC_NBL_PGC}},
          {"cell", ClickCell(IDC_NBL_CATALOG_LIST, 0, 0), {}},
          {"spin", SpinStep(IDC_NBL_MAG_MAX_SPIN), {IDC_NBL_MARK, IDC_NBL_LIMIT_MAG}},
          {"type", TypeKey(IDC_NBL_MAG_MAX), {IDC_NBL_MARK, IDC_NBL_LIMIT_MAG}},
          {"button", ClickBox(IDC_NBL_IMAGE_RESET), {}}}},
    };
    return cases;
}


void MakeLive(CDialog& dialog, const Change& change) {
    for (UINT id : change.checked)
        if (!dialog.IsDlgButtonChecked(static_cast<int>(id))) input::Click(dialog, id);
}

}  // namespace zembench

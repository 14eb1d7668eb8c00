// SPDX-License-Identifier: BSD-3-Clause
// What every dialog gets from its setting rows: each setting alone on, open, cancel, and the undo
// script carries exactly that setting on; and no dialog refuses a number it wrote itself.
#include <gtest/gtest.h>

#include "dialogs/constellation/dlgcons.h"
#include "dialogs/deepsky/dlgnbl.h"
#include "dialogs/exoplanet/dlgexoplanet.h"
#include "dialogs/milkyway/dlgmw.h"
#include "dialogs/overlay/dlgstargcvs.h"
#include "dialogs/overlay/dlgstargsc.h"
#include "dialogs/overlay/dlgstarnova.h"
#include "dialogs/overlay/dlgstarusnoa20.h"
#include "dialogs/overlay/dlgstarwds.h"
#include "dialogs/star/dlgstar.h"
#include "resources/resource_ids.h"
#include "testbench/testbench.h"

using namespace bench;

namespace {

// The engine property a row reads.
template <class D>
std::wstring ReadProperty(const zem::SettingRow<D>& row, const wchar_t* path) {
    return row.object ? std::wstring(row.object) + L"." + path : std::wstring(path);
}

// The engine state in which row on (and its gate) shows set and every other row clear.
template <class D>
CString StateWith(zem::SettingRows<D> rows, const zem::SettingRow<D>* on) {
    std::wstring state;
    for (const auto& r : rows) {
        const bool set = &r == on || (on->gate && r.member == on->gate);
        const bool property = set != ((r.flags & zem::kRowInverted) != 0);
        for (const wchar_t* path : {r.read, r.read2})
            if (path) state += ReadProperty(r, path) + L" = " + (property ? L"TRUE" : L"FALSE") + L";";
    }
    return CString(state);
}

// The deep-sky dialog with its PGC data, in the constructor form the others have.
struct CDlgNblWithPgc : CDlgNbl {
    CDlgNblWithPgc(CCorQel* engine, CCorQel* engine2, CWnd* parent) : CDlgNbl(engine, engine2, 1, parent) {}
};

template <class Dialog, class D>
void ExpectEachRowAloneComesBack(zem::SettingRows<D> rows) {
    ASSERT_FALSE(rows.empty());
    for (const auto& on : rows) {
        Bench b;
        b.LoadDefaultSky();
        b.engine.Doit(StateWith(rows, &on));
        Dialog dialog(&b.engine, &b.engine2, b.parent());
        b.Run(dialog, {Cancel()});
        const std::wstring undo = dialog.GetUndoScript().str();
        SCOPED_TRACE(zem::ToUtf8(std::wstring(on.write)));
        ASSERT_FALSE(undo.empty());
        for (const auto& r : rows) {
            const bool set = &r == &on || (on.gate && r.member == on.gate);
            const bool written = (set != ((r.flags & zem::kRowInverted) != 0)) && (!r.gate || set);
            for (std::wstring_view path : {r.write, r.write2}) {
                if (path.empty()) continue;
                EXPECT_EQ(Value(undo, std::wstring(path)), written ? L"TRUE" : L"FALSE") << zem::ToUtf8(path);
            }
        }
    }
}

TEST(SettingRows, EachSettingAloneComesBackInTheUndoScript) {
    ExpectEachRowAloneComesBack<CDlgMw>(CDlgMw::Rows());
    ExpectEachRowAloneComesBack<CDlgExoPlanet>(CDlgExoPlanet::Rows());
    ExpectEachRowAloneComesBack<CDlgCons>(CDlgCons::Rows());
    ExpectEachRowAloneComesBack<CDlgStarGcvs>(CDlgStarGcvs::Rows());
    ExpectEachRowAloneComesBack<CDlgStarNova>(CDlgStarNova::Rows());
    ExpectEachRowAloneComesBack<CDlgStarSNova>(CDlgStarSNova::Rows());
    ExpectEachRowAloneComesBack<CDlgStarWds>(CDlgStarWds::Rows());
    ExpectEachRowAloneComesBack<CDlgStarGsc>(CDlgStarGsc::Rows());
    ExpectEachRowAloneComesBack<CDlgStarUsnoA20>(CDlgStarUsnoA20::Rows());
    ExpectEachRowAloneComesBack<CDlgNblWithPgc>(CDlgNbl::Rows());
    ExpectEachRowAloneComesBack<CDlgStar>(CDlgStar::Rows());
}

// A number field of a dialog and the property it shows.
struct Field {
    const char* dialog;
    std::function<std::unique_ptr<CDialog>(Bench&)> make;
    UINT edit;
    const wchar_t* property;
    // Engine values to try: around zero, unless the field's range begins above it.
    std::vector<const wchar_t*> values = {L"-0.04", L"-0", L"0.04", L"-0.0049", L"1e-400"};
};

template <class T>
std::unique_ptr<CDialog> Make(Bench& b) {
    return std::make_unique<T>(&b.engine, &b.engine2, b.parent());
}

// The PGC range is read only while PGC galaxies are shown.
std::unique_ptr<CDialog> MakeNblShowingPgc(Bench& b) {
    b.engine.Doit(L"DeepSkyObject.PGC.Visible = TRUE;");
    return Make<CDlgNblWithPgc>(b);
}

const Field kFields[] = {
    {"mw", Make<CDlgMw>, IDC_MW_BRIGHTNESS_EDIT, L"Milkyway.Image.Brightness"},
    {"gcvs", Make<CDlgStarGcvs>, IDC_GCVS_MAG_MAX, L"Star.GCVS.FixedMagnitudeLimit.Maximum"},
    {"gcvs", Make<CDlgStarGcvs>, IDC_GCVS_MAG_MIN, L"Star.GCVS.FixedMagnitudeLimit.Minimum"},
    {"nova", Make<CDlgStarNova>, IDC_NOVA_MAG_OFFSET, L"Star.Nova.Magnitude.Offset"},
    {"nova", Make<CDlgStarNova>, IDC_NOVA_MAG_MAX, L"Star.Nova.FixedMagnitudeLimit.Maximum"},
    {"nova", Make<CDlgStarNova>, IDC_NOVA_MAG_MIN, L"Star.Nova.FixedMagnitudeLimit.Minimum"},
    {"snova", Make<CDlgStarSNova>, IDC_SNOVA_MAG_OFFSET, L"Star.Supernova.Magnitude.Offset"},
    {"snova", Make<CDlgStarSNova>, IDC_SNOVA_MAG_MAX, L"Star.Supernova.FixedMagnitudeLimit.Maximum"},
    {"snova", Make<CDlgStarSNova>, IDC_SNOVA_MAG_MIN, L"Star.Supernova.FixedMagnitudeLimit.Minimum"},
    {"wds", Make<CDlgStarWds>, IDC_WDS_MAG_MAX, L"Star.WDS.FixedMagnitudeLimit.Maximum"},
    {"wds", Make<CDlgStarWds>, IDC_WDS_MAG_MIN, L"Star.WDS.FixedMagnitudeLimit.Minimum"},
    {"nbl", Make<CDlgNblWithPgc>, IDC_NBL_MAG_MAX, L"DeepSkyObject.FixedMagnitudeLimit.Maximum"},
    {"nbl", Make<CDlgNblWithPgc>, IDC_NBL_MAG_MIN, L"DeepSkyObject.FixedMagnitudeLimit.Minimum"},
    {"nbl", MakeNblShowingPgc, IDC_NBL_PGC_MAG_MAX, L"DeepSkyObject.PGC.FixedMagnitudeLimit.Maximum"},
    {"nbl", MakeNblShowingPgc, IDC_NBL_PGC_MAG_MIN, L"DeepSkyObject.PGC.FixedMagnitudeLimit.Minimum"},
    {"nbl", Make<CDlgNblWithPgc>, IDC_NBL_BRIGHTNESS, L"DeepSkyObject.Image.Brightness", {L"0.0951", L"0.96", L"1.04"}},
    {"star", Make<CDlgStar>, IDC_STAR_MAG_AUTO_MIN, L"Star.AutoMagnitudeLimit.Minimum"},
    {"star", Make<CDlgStar>, IDC_STAR_MAG_MAX, L"Star.FixedMagnitudeLimit.Maximum"},
    {"star", Make<CDlgStar>, IDC_STAR_MAG_MIN, L"Star.FixedMagnitudeLimit.Minimum"},
    {"star", Make<CDlgStar>, IDC_STAR_SIZE, L"Star.Size", {L"0.1049", L"0.96", L"10.04", L"1.25"}},
    {"star", Make<CDlgStar>, IDC_STAR_TWINKLE_STRENGTH, L"Star.Twinkle.Strength", {L"0.0951", L"0.96", L"1.04"}},
    {"star", Make<CDlgStar>, IDC_STAR_NAME_LIMIT_MAG, L"Star.JapaneseName.MagnitudeLimit.Minimum"},
    {"star", Make<CDlgStar>, IDC_STAR_PM_MAG, L"Star.ProperMotion.MagnitudeLimit.Minimum"},
    {"star", Make<CDlgStar>, IDC_STAR_ABSMAG_PARSEC, L"star.Distance.Tenparsec.Multiplier"},
};

// Whatever number the engine holds, the dialog reads back the text it showed for it: it opens
// with an undo script, shows no message, and closes with OK.
TEST(SettingRows, NoDialogRefusesANumberItWrote) {
    for (const Field& f : kFields) {
        for (const wchar_t* value : f.values) {
            SCOPED_TRACE(std::string(f.dialog) + " " + zem::ToUtf8(std::wstring(f.property)) + " = " + zem::ToUtf8(std::wstring(value)));
            Bench b;
            b.LoadDefaultSky();
            b.engine.Doit(CString(f.property) + L" = " + value + L";");
            auto dialog = f.make(b);
            std::wstring shown;
            const INT_PTR result = b.Run(*dialog, {Do([&](CDialog& d) { shown = TextOf(d, f.edit); }), Ok()});
            EXPECT_EQ(result, IDOK) << zem::ToUtf8(shown);
            EXPECT_FALSE(static_cast<CSettingsDialog&>(*dialog).GetUndoScript().IsEmpty());
            for (const auto& e : b.Take()) EXPECT_NE(e.rfind(L"M ", 0), 0u) << zem::ToUtf8(e);
        }
    }
}

}  // namespace

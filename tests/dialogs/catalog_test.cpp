// SPDX-License-Identifier: BSD-3-Clause
// The settings catalogue: it holds every row of every dialog, names controls as a person reads
// them, and says no more and no less than the dialogs do: every property it lists for a control
// is one the dialog asks when it opens or writes in its script, and every statement a dialog's
// script writes belongs to a control of the catalogue.
#include <gtest/gtest.h>

#include <set>

#include "dialogs/catalog.h"
#include "dialogs/constellation/dlgcons.h"
#include "dialogs/exoplanet/dlgexoplanet.h"
#include "dialogs/milkyway/dlgmw.h"
#include "dialogs/overlay/dlgstargsc.h"
#include "dialogs/overlay/dlgstarusnoa20.h"
#include "host/classes.h"
#include "support.h"

using namespace dlg;
namespace catalog = zem::catalog;

namespace {

std::wstring Lower(std::wstring_view text) {
    std::wstring lower(text);
    for (wchar_t& c : lower)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return lower;
}

std::string Utf8(const std::wstring& text) { return zem::ToUtf8(text); }

TEST(Catalog, NamesEachDialogByItsClassTemplateAndTitle) {
    const auto& dialogs = catalog::Dialogs();
    ASSERT_EQ(dialogs.size(), 11u);
    const std::vector<std::wstring>& classes = ModuleClassNames();
    for (const catalog::Dialog& d : dialogs) {
        EXPECT_NE(std::find(classes.begin(), classes.end(), d.className), classes.end()) << Utf8(d.className);
        EXPECT_FALSE(catalog::Title(d).empty()) << Utf8(d.className);
        EXPECT_FALSE(d.settings.empty()) << Utf8(d.className);
    }
    const catalog::Dialog* star = catalog::FindDialog(L"CDlgStar");
    ASSERT_NE(star, nullptr);
    EXPECT_EQ(star->templateId, IDD_DSP_STAR);
    EXPECT_EQ(catalog::Title(*star), L"恒星");
    EXPECT_EQ(catalog::Title(*catalog::FindDialog(L"CDlgStarSNova")), L"超新星");
    EXPECT_EQ(catalog::FindDialog(L"CDlgNothing"), nullptr);
}

template <class D>
void ExpectEveryRowIn(const wchar_t* className) {
    const catalog::Dialog* d = catalog::FindDialog(className);
    ASSERT_NE(d, nullptr);
    auto expect = [&](UINT control, catalog::Kind kind, std::wstring_view write) {
        const catalog::Setting* s = catalog::FindSetting(*d, control);
        ASSERT_NE(s, nullptr) << Utf8(className) << " " << control;
        EXPECT_EQ(s->kind, kind) << Utf8(className) << " " << control;
        EXPECT_NE(std::find(s->writes.begin(), s->writes.end(), write), s->writes.end()) << Utf8(className) << " " << control;
    };
    for (const auto& r : D::Rows()) expect(r.control, catalog::Kind::CheckBox, r.write);
    if constexpr (requires { D::Numbers(); })
        for (const auto& n : D::Numbers()) expect(n.edit, catalog::Kind::Edit, n.write);
}

TEST(Catalog, HoldsEveryRowAndNumberRow) {
    ExpectEveryRowIn<CDlgMw>(L"CDlgMw");
    ExpectEveryRowIn<CDlgExoPlanet>(L"CDlgExoPlanet");
    ExpectEveryRowIn<CDlgCons>(L"CDlgCons");
    ExpectEveryRowIn<CDlgStar>(L"CDlgStar");
    ExpectEveryRowIn<CDlgStarGsc>(L"CDlgStarGsc");
    ExpectEveryRowIn<CDlgStarUsnoA20>(L"CDlgStarUsnoA20");
    ExpectEveryRowIn<CDlgStarGcvs>(L"CDlgStarGcvs");
    ExpectEveryRowIn<CDlgStarNova>(L"CDlgStarNova");
    ExpectEveryRowIn<CDlgStarSNova>(L"CDlgStarSNova");
    ExpectEveryRowIn<CDlgStarWds>(L"CDlgStarWds");
    ExpectEveryRowIn<CDlgNbl>(L"CDlgNbl");
}

TEST(Catalog, LabelsControlsAsAPersonReadsThem) {
    const struct {
        const wchar_t* dialog;
        UINT control;
        const wchar_t* label;
    } cases[] = {
        {L"CDlgCons", IDC_CONS_LATIN_NAME, L"学名"},                     // "学名(&A)"
        {L"CDlgCons", IDC_CONS_PICTURE_SET, L"星座絵"},                  // a drop-down list: its box on the left
        {L"CDlgCons", IDC_CONS_LIST, L"星座名"},                         // a list: the caption above
        {L"CDlgCons", IDC_CONS_CHINESE_GROUP, L"中国の星座（二十八宿）など"},
        {L"CDlgStar", IDC_STAR_VISIBLE, L"表示"},                        // "表示(&V)："
        {L"CDlgStar", IDC_STAR_COLOR_FONT, L"色・フォント..."},
        {L"CDlgStar", IDC_STAR_SIZE, L"大きさ"},                         // the label on its left
        {L"CDlgStar", IDC_STAR_TWINKLE_STRENGTH_SPIN, L"強さ"},
        {L"CDlgStar", IDC_STAR_MAG_AUTO_MIN, L"視野角に連動"},          // the radio on its line
        {L"CDlgStar", IDC_STAR_PM_MAG, L"固有運動計算"},                 // the box above it
        {L"CDlgStar", IDC_STAR_ABSMAG_PARSEC, L"絶対等級表示"},          // not the other frame's unit on its line
        {L"CDlgStar", IDC_STAR_PULSAR_NAME, L"パルサー 名称"},           // a grid box: row and column
        {L"CDlgStar", IDC_STAR_DISTANCE, L"恒星までの距離 名称"},
        {L"CDlgStarNova", IDC_NOVA_MAG_OFFSET, L"オフセット"},
        {L"CDlgStarGcvs", IDC_GCVS_MAG_MIN, L"固定"},                    // past the "～"
        {L"CDlgNbl", IDC_NBL_BRIGHTNESS, L"明るさ"},
        {L"CDlgNbl", IDC_NBL_H2REGION_NAME, L"HII領域 名称"},
    };
    for (const auto& c : cases) {
        const catalog::Dialog* d = catalog::FindDialog(c.dialog);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(catalog::Label(*d, c.control), c.label) << Utf8(c.dialog) << " " << c.control;
    }
}

TEST(Catalog, FindsWhoWritesAProperty) {
    const auto places = catalog::WhoWrites(L"constellation.line.visible");
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(std::wstring(places[0].dialog->className), L"CDlgCons");
    EXPECT_EQ(places[0].setting->control, IDC_CONS_LINE);
    // The Magellanic Clouds follow the Milky Way's switch and the deep-sky names: each property
    // belongs to the control a person changes it with, written by hand or by a row.
    EXPECT_EQ(catalog::WhoWrites(L"MagellanicCloud.Name.Visible")[0].setting->control, IDC_NBL_NAME);
    EXPECT_EQ(catalog::WhoWrites(L"MagellanicCloud.Visible")[0].setting->control, IDC_MW_VISIBLE);
    EXPECT_TRUE(catalog::WhoWrites(L"Nothing.Visible").empty());
}

// What a dialog asks when it opens on the default sky with changes, and what its undo script
// writes, as lower-case paths.
struct Traffic {
    std::set<std::wstring> asked, written;
};

void Observe(const wchar_t* className, const std::wstring& changes, bool shippedData, Traffic& traffic) {
    Bench b;
    b.recordQueries = true;
    b.LoadSky(changes);
    if (shippedData) b.engine.SetDataPath(CString(zem::FromUtf8(ZEM_DATA_DIR)));
    OpenOptions options{&b.engine, &b.engine2, b.parent()};
    auto dialog = FindDialogClass(className)->make(options);
    b.Run(*dialog, {Cancel()});
    for (const std::wstring& e : b.events()) {
        for (const wchar_t* prefix : {L"Q ? ", L"Q GetBool "}) {
            const std::wstring p = prefix;
            if (e.rfind(p, 0) == 0) traffic.asked.insert(Lower(e.substr(p.size(), e.find(L" => ") - p.size())));
        }
    }
    const std::wstring undo = static_cast<CSettingsDialog&>(*dialog).GetUndoScript().str();
    for (std::size_t begin = 0; begin < undo.size();) {
        std::size_t end = undo.find(L';', begin);
        if (end == std::wstring::npos) end = undo.size();
        const std::wstring statement = undo.substr(begin, end - begin);
        const std::size_t equals = statement.find(L'=');
        if (equals != std::wstring::npos) {
            std::wstring path = statement.substr(0, equals);
            path.erase(0, path.find_first_not_of(L' '));
            path.erase(path.find_last_not_of(L' ') + 1);
            traffic.written.insert(Lower(path));
        }
        begin = end + 1;
    }
}

// The openings that between them reach every question and statement: the default sky, and skies
// that switch on what the default sky leaves off (a fixed star limit, labels limited by
// magnitude, English names, a custom star image, the distances' labels, the pair names of double
// stars, deep-sky annotations with every type left out, PGC galaxies).
struct Opening {
    const wchar_t* dialog;
    std::wstring changes;
    bool shippedData;
};

std::vector<Opening> Openings() {
    const std::wstring images = zem::FromUtf8(ZEM_DATA_DIR) + L"\\star\\customstar\\";
    std::wstring noTypes;
    for (const std::wstring& path : catalog::FindSetting(*catalog::FindDialog(L"CDlgNbl"), IDC_NBL_TYPE_LIST)->reads)
        noTypes += path + L" = FALSE;";
    return {
        {L"CDlgStar",
         L"Star.AutoMagnitudeLimit = FALSE; Star.FixedMagnitudeLimit = TRUE; Star.ProperMotion = TRUE;"
         L"Star.JapaneseName.MagnitudeLimit = TRUE; Star.JapaneseName.Visible = FALSE; star.Distance.Tenparsec = 1;"
         L"DistanceToStars.Visible = TRUE;",
         false},
        {L"CDlgStar", L"Star.Custom.Visible = TRUE; Star.custom.file = \"" + images + L"ring.png\";", true},
        {L"CDlgStarWds", L"Star.WDS.ComponentName.Visible = TRUE; Star.WDS.Primary.Magnitude.Visible = TRUE;", false},
        {L"CDlgNbl",
         L"DeepSkyObject.Mark.Visible = TRUE; DeepSkyObject.FixedMagnitudeLimit = TRUE; DeepSkyObject.PGC.Visible = TRUE;"
         L"DeepSkyObject.PGC.FixedMagnitudeLimit = TRUE;" + noTypes,
         false},
    };
}

// The deep-sky catalogs are the engine's: their statements are named by the engine's catalog
// list, not by a table.
bool IsEngineCatalogStatement(const std::wstring& path) {
    Bench b;
    b.LoadDefaultSky();
    for (const auto& [property, value] : b.engine.GetProperties()) {
        const std::wstring p = Lower(property.str());
        if (p.rfind(L"deepskyobject.catalog.#", 0) == 0 && p.size() > 5 && p.substr(p.size() - 5) == L".name" &&
            path.rfind(L"deepskyobject." + Lower(value.str()) + L".", 0) == 0)
            return true;
    }
    return false;
}

TEST(Catalog, SaysWhatTheDialogsAskAndWriteNoMoreNoLess) {
    for (const catalog::Dialog& d : catalog::Dialogs()) {
        SCOPED_TRACE(Utf8(d.className));
        Traffic traffic;
        Observe(d.className, L"", false, traffic);
        for (const Opening& o : Openings())
            if (std::wstring(o.dialog) == d.className) Observe(d.className, o.changes, o.shippedData, traffic);
        // The star data comes through the engine's catalog call, which is not a query.
        if (std::wstring(d.className) == L"CDlgStar")
            for (const wchar_t* path : {L"star.catalog", L"star.catalog.switch", L"star.catalog.switch.catalog"})
                traffic.asked.insert(path);

        std::set<std::wstring> named;
        for (const catalog::Setting& s : d.settings) {
            for (const std::wstring& path : s.reads)
                EXPECT_TRUE(traffic.asked.count(Lower(path)))
                    << s.control << " reads " << Utf8(path) << ", which the dialog never asks";
            for (const std::wstring& path : s.writes) {
                EXPECT_TRUE(traffic.written.count(Lower(path)))
                    << s.control << " writes " << Utf8(path) << ", which the dialog never writes";
                named.insert(Lower(path));
            }
        }
        for (const std::wstring& path : traffic.written)
            EXPECT_TRUE(named.count(path) || IsEngineCatalogStatement(path))
                << "the dialog writes " << Utf8(path) << ", which no setting of the catalogue names";
    }
}

}  // namespace

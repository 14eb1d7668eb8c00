// SPDX-License-Identifier: BSD-3-Clause
// The dialogs' tables check themselves: every property a table names (through the settings
// catalogue, which is made from them) is one the shipped default sky has, and every control id a
// row, a message map or a control table names is in that dialog's template, of the kind the code
// takes it for.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

#include "companions/zemcst/qellistboxaobj.h"
#include "companions/zemcst/qellistboxcheck.h"
#include "dialogs/catalog.h"
#include "dialogs/constellation/dlgcons.h"
#include "dialogs/exoplanet/dlgexoplanet.h"
#include "dialogs/milkyway/dlgmw.h"
#include "dialogs/overlay/dlgstargsc.h"
#include "dialogs/overlay/dlgstarusnoa20.h"
#include "framework/module.h"
#include "support.h"

using namespace dlg;
using zem::catalog::Kind;

namespace {

// Properties a table names that the default sky leaves out, each with the reason. None today:
// a property added here is one the dialogs write although the shipped sky never sets it.
const wchar_t* const kNotInDefaultSky[] = {nullptr};

std::wstring Lower(std::wstring_view text) {
    std::wstring lower(text);
    for (wchar_t& c : lower)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return lower;
}

std::set<std::wstring> DefaultSkyProperties() {
    Bench b;
    b.LoadDefaultSky();
    std::set<std::wstring> properties;
    for (const auto& [path, value] : b.engine.GetProperties()) properties.insert(Lower(path.str()));
    for (const wchar_t* path : kNotInDefaultSky)
        if (path) properties.insert(Lower(path));
    return properties;
}

std::string Name(const zem::catalog::Dialog& d, UINT control) {
    return zem::ToUtf8(std::wstring(d.className)) + " " + std::to_string(control) + " \"" +
           zem::ToUtf8(zem::catalog::Label(d, control)) + "\"";
}

TEST(Tables, EveryPropertyTheyNameIsInTheDefaultSky) {
    const std::set<std::wstring> sky = DefaultSkyProperties();
    for (const zem::catalog::Dialog& d : zem::catalog::Dialogs())
        for (const zem::catalog::Setting& s : d.settings)
            for (const auto* paths : {&s.reads, &s.writes})
                for (const std::wstring& path : *paths)
                    EXPECT_TRUE(sky.count(Lower(path)))
                        << Name(d, s.control) << (paths == &s.reads ? " reads " : " writes ") << zem::ToUtf8(path)
                        << ", which data/sky/default.qel does not have";
}

// The kind of a template control, or nothing where the template has no such control.
struct Template {
    const DialogTemplate* t;
    const char* dialog;

    std::optional<Kind> KindOf(UINT id) const {
        for (const ControlTemplate& c : t->controls)
            if (c.id == id) return zem::catalog::KindOf(c);
        return std::nullopt;
    }
    // Fails unless id is in the template, of one of the kinds (any kind when none are given).
    void Expect(UINT id, const std::vector<Kind>& kinds, const char* what) const {
        const auto kind = KindOf(id);
        std::string expected;
        for (Kind k : kinds) expected += std::string(expected.empty() ? "" : " or ") + zem::catalog::KindName(k);
        if (!kind) {
            ADD_FAILURE() << dialog << ": " << what << " names control " << id << ", which template "
                          << t->id << " does not have";
        } else if (kinds.size() && std::find(kinds.begin(), kinds.end(), *kind) == kinds.end()) {
            ADD_FAILURE() << dialog << ": " << what << " takes control " << id << " for a " << expected
                          << ", but template " << t->id << " has a " << zem::catalog::KindName(*kind) << " there";
        }
    }
};

// The kinds a notification can come from.
std::vector<Kind> Senders(UINT message, UINT code) {
    if (message == WM_NOTIFY) return {code == static_cast<UINT>(UDN_DELTAPOS) ? Kind::Spin : Kind::ListBox};
    switch (code) {
        case BN_CLICKED: return {Kind::CheckBox, Kind::RadioButton, Kind::PushButton};
        case EN_CHANGE: return {Kind::Edit};
        case CBN_SELCHANGE: return {Kind::ComboBox};
        default: return {Kind::ListBox};
    }
}

// What the control object attached to a template control is.
Kind AttachedKind(CWnd* w) {
    if (dynamic_cast<CQelListBoxCheck*>(w) || dynamic_cast<CQelListBoxAObj*>(w)) return Kind::ListBox;
    if (dynamic_cast<CQelRadioButton*>(w)) return Kind::RadioButton;
    if (dynamic_cast<CQelCheckBox*>(w)) return Kind::CheckBox;
    if (dynamic_cast<CQelGroupBox*>(w)) return Kind::GroupBox;
    if (dynamic_cast<CQelButton*>(w)) return Kind::PushButton;
    if (dynamic_cast<CQelEdit*>(w)) return Kind::Edit;
    if (dynamic_cast<CQelSpinButton*>(w)) return Kind::Spin;
    if (dynamic_cast<CQelComboBox*>(w)) return Kind::ComboBox;
    return Kind::Static;
}

// A dialog whose control objects can be looked at.
template <class D>
struct Opened : D {
    using D::D;
    const auto& Objects() const { return this->m_controls; }
};

template <class D>
std::unique_ptr<Opened<D>> Open(Bench& b) {
    if constexpr (std::is_same_v<D, CDlgNbl>) return std::make_unique<Opened<D>>(&b.engine, &b.engine2, 1, b.parent());
    else return std::make_unique<Opened<D>>(&b.engine, &b.engine2, b.parent());
}

template <class D>
void ExpectControlsInTemplate(const char* name) {
    SCOPED_TRACE(name);
    zem::ModuleLoad();
    UINT templateId = 0;
    if constexpr (requires { D::Traits().dialog; }) templateId = D::Traits().dialog.templateId;
    else templateId = D::Traits().templateId;
    const Template t{AfxFindDialogTemplate(templateId), name};
    ASSERT_NE(t.t, nullptr);

    for (const auto& r : D::Rows()) {
        t.Expect(r.control, {Kind::CheckBox}, "a row");
        for (UINT id : r.enables)
            if (id) t.Expect(id, {}, "a row's companions");
    }
    if constexpr (requires { D::Numbers(); })
        for (const auto& n : D::Numbers()) {
            t.Expect(n.edit, {Kind::Edit}, "a number row");
            if (n.spin) t.Expect(n.spin, {Kind::Spin}, "a number row");
        }
    if constexpr (requires { D::Limit(); }) {
        const zem::MagLimitTraits& l = D::Limit();
        t.Expect(l.group, {Kind::GroupBox}, "the limit group");
        t.Expect(l.limitCheck, {Kind::CheckBox}, "the limit group");
        for (UINT id : {l.autoRadio, l.fixedRadio}) t.Expect(id, {Kind::RadioButton}, "the limit group");
        for (UINT id : {l.maximum.edit, l.minimum.edit}) t.Expect(id, {Kind::Edit}, "the limit group");
        for (UINT id : {l.maximum.spin, l.minimum.spin}) t.Expect(id, {Kind::Spin}, "the limit group");
        for (UINT id : {l.toStatic, l.unitStatic}) t.Expect(id, {Kind::Static}, "the limit group");
    }
    if constexpr (requires { D::HandSettings(); })
        for (const auto& h : D::HandSettings()) t.Expect(h.control, {}, "a hand-written setting");

    Bench b;
    b.LoadDefaultSky();
    auto dialog = Open<D>(b);
    for (const CMessageMap* map = dialog->GetMessageMap(); map; map = map->Base())
        for (const auto& e : map->Entries())
            if ((e.message == WM_COMMAND || e.message == WM_NOTIFY) && !e.registered)
                t.Expect(e.id, Senders(e.message, e.code), "the message map");

    b.Run(*dialog, {Do([&](CDialog& d) {
                        // Every object the dialog made has its control, of the kind it was made for.
                        for (const auto& object : dialog->Objects())
                            if (!object->m_hWnd)
                                ADD_FAILURE() << name << ": a control table names a control the template does not have, or one twice";
                        // Every control but the labels, Close, Cancel and Help has its object.
                        for (const auto& c : d.m_hWnd->children) {
                            const Kind kind = *t.KindOf(c->id);
                            if (c->attached) {
                                if (AttachedKind(c->attached) != kind)
                                    ADD_FAILURE() << name << ": control " << c->id << " is a " << zem::catalog::KindName(kind)
                                                  << " but the dialog attached a "
                                                  << zem::catalog::KindName(AttachedKind(c->attached));
                            } else if (kind != Kind::Static && c->id != IDOK && c->id != IDCANCEL && c->id != ID_HELP) {
                                ADD_FAILURE() << name << ": control " << c->id << " (" << zem::catalog::KindName(kind)
                                              << ") has no object: no control table names it";
                            }
                        }
                    }),
                    Cancel()});
}

TEST(Tables, EveryControlTheyNameIsInItsTemplateAsTheKindTheCodeTakes) {
    ExpectControlsInTemplate<CDlgMw>("CDlgMw");
    ExpectControlsInTemplate<CDlgExoPlanet>("CDlgExoPlanet");
    ExpectControlsInTemplate<CDlgCons>("CDlgCons");
    ExpectControlsInTemplate<CDlgStar>("CDlgStar");
    ExpectControlsInTemplate<CDlgStarGsc>("CDlgStarGsc");
    ExpectControlsInTemplate<CDlgStarUsnoA20>("CDlgStarUsnoA20");
    ExpectControlsInTemplate<CDlgStarGcvs>("CDlgStarGcvs");
    ExpectControlsInTemplate<CDlgStarNova>("CDlgStarNova");
    ExpectControlsInTemplate<CDlgStarSNova>("CDlgStarSNova");
    ExpectControlsInTemplate<CDlgStarWds>("CDlgStarWds");
    ExpectControlsInTemplate<CDlgNbl>("CDlgNbl");
}

}  // namespace

// SPDX-License-Identifier: BSD-3-Clause
// CDlgExoPlanet: stars known to have planets: their mark, the star's name, the planets' names
// and orbits. The settings belong to the engine's star object.
#pragma once

#include "framework/settingsdialog.h"
#include "resources/resource_ids.h"

class ZEM_EXPORT CDlgExoPlanet : public CSettingsDialog {
public:
    CDlgExoPlanet(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    // This form leaves the help key empty.
    explicit CDlgExoPlanet(CWnd* parent = nullptr);

    BOOL GetScript(CString* script) override;

    const CMessageMap* GetMessageMap() const override;
    static const DialogTraits& Traits();
    // The boxes under the show box (every row but it) follow it.
    enum RowGroup : unsigned char { kLabels, kShow };
    static zem::SettingRows<CDlgExoPlanet> Rows();
    static zem::SettingRows<CDlgExoPlanet> Rows(RowGroup group);

    using D = CDlgExoPlanet;
    static const zem::SettingRow<D> kRows[];

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AttachControls() override;

    // The enable rules take the boxes into the model first.
    void UpdateStatus();
    void SetEnableRules() override { UpdateStatus(); }
    void OnButtonFont();

    BOOL m_bVisible = FALSE;
    BOOL m_bStarName = FALSE;
    BOOL m_bMark = FALSE;
    BOOL m_bOrbit = FALSE;
    BOOL m_bPlanetName = FALSE;
    // Gates the planet-name and orbit boxes. Nothing sets it yet: the projection the engine
    // reports at opening is asked for and not used.
    int m_nProjection = 0;
};

// Read through GetBool on "star", written with the object in the path. The sub-switches travel
// with their own values whatever the main switch says.
inline constexpr zem::SettingRow<CDlgExoPlanet> CDlgExoPlanet::kRows[] = {
    {.control = IDC_EXO_VISIBLE, .member = &D::m_bVisible, .read = L"extrasolarplanet.visible",
     .write = L"star.extrasolarplanet.visible", .click = zem::Click::EnableApply, .group = D::kShow, .object = L"star"},
    {.control = IDC_EXO_STAR_NAME, .member = &D::m_bStarName, .read = L"extrasolarplanet.Star.Name.visible",
     .write = L"star.extrasolarplanet.Star.Name.visible", .object = L"star"},
    {.control = IDC_EXO_MARK, .member = &D::m_bMark, .read = L"extrasolarplanet.Mark.visible",
     .write = L"star.extrasolarplanet.Mark.visible", .object = L"star"},
    {.control = IDC_EXO_ORBIT, .member = &D::m_bOrbit, .read = L"extrasolarplanet.Orbit.visible",
     .write = L"star.extrasolarplanet.Orbit.visible", .object = L"star", .flags = zem::kRowOwnRule},
    {.control = IDC_EXO_PLANET_NAME, .member = &D::m_bPlanetName, .read = L"extrasolarplanet.Name.visible",
     .write = L"star.extrasolarplanet.Name.visible", .object = L"star", .flags = zem::kRowOwnRule},
};

inline zem::SettingRows<CDlgExoPlanet> CDlgExoPlanet::Rows() { return kRows; }

inline zem::SettingRows<CDlgExoPlanet> CDlgExoPlanet::Rows(RowGroup group) {
    static constexpr auto groups = zem::Groups<2>(kRows);
    return groups[group];
}

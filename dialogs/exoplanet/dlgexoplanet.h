// SPDX-License-Identifier: BSD-3-Clause
// CDlgExoPlanet: stars known to have planets: their mark, the star's name, the planets' names
// and orbits. The settings belong to the engine's star object.
#pragma once

#include "framework/settingsdialog.h"

class ZEM_EXPORT CDlgExoPlanet : public CSettingsDialog {
public:
    CDlgExoPlanet(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    // This form leaves the help key empty.
    explicit CDlgExoPlanet(CWnd* parent = nullptr);

    BOOL GetScript(CString* script) override;

    const CMessageMap* GetMessageMap() const override;
    static zem::SettingRows<CDlgExoPlanet> Rows();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AttachControls() override;

    void UpdateStatus();
    void OnCheckVisible();
    void OnApply();
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

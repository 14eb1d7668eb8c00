// CDlgStarGsc: which object classes of the GSC-ACT catalog are drawn. The star dialog opens it.
#pragma once

#include "companions/zemcst/qelcontrols.h"
#include "dialogs/overlay/detaildialog.h"

class CDlgStarGsc : public CDetailDialog {
public:
    CDlgStarGsc(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStarGsc(CWnd* parent = nullptr);

    CString GetScript() override;

    const CMessageMap* GetMessageMap() const override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AttachControls() override;
    void OnApply();

    BOOL m_bStar = FALSE;
    BOOL m_bGalaxy = FALSE;
    BOOL m_bBlend = FALSE;
    BOOL m_bNonStar = FALSE;
    BOOL m_bArtifact = FALSE;

    CQelGroupBox m_grpGsc;
    CQelCheckBox m_chkStar, m_chkGalaxy, m_chkBlend, m_chkNonStar, m_chkArtifact;
};

// CDlgStarNova and CDlgStarSNova: novae and supernovae, the same dialog twice. Their labels
// (name, discovery magnitude, discoverers or sender, discovery date), the magnitude that follows
// the date and time with its offset, and which of them are drawn by magnitude. Nothing typed is
// checked: every change is sent as it stands.
//
// One implementation serves both; a small table says where they differ: the template and keys,
// the property prefix, the fourth label's property, and the control ids (the supernova's are the
// nova's plus 100).
#pragma once

#include "companions/zemcst/qelcontrols.h"
#include "dialogs/overlay/overlaydialog.h"

struct NovaTraits {
    DialogTraits dialog;
    UINT idOffset;                  // added to every IDC_NOVA_* id
    const wchar_t* prefix;          // "Star.Nova"
    const wchar_t* fourthLabel;     // the property of the fourth label, after the prefix
    zem::MagField magOffset;        // the magnitude offset field
    zem::MagLimitTraits limit;
};

class CDlgStarNovaBase : public COverlayDialog {
public:
    BOOL GetScript(CString* script) override;

protected:
    CDlgStarNovaBase(CCorQel* engine, CCorQel* engine2, CWnd* parent, const NovaTraits& nova);
    CDlgStarNovaBase(CWnd* parent, const NovaTraits& nova);

    // The message map of the dialog whose ids are the nova's plus idOffset.
    static CMessageMap BuildMessageMap(UINT idOffset);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AttachControls() override;
    void InitData();
    // The handlers drop the object word of their names (OnCheckNovaView, OnCheckSupernovaView):
    // one member serves both dialogs.
    void SetEnableOrDisable();
    void OnCheckView();
    void OnCheckLimitMag();
    void OnClickRadioAutoMag();
    void OnClickRadioFixedMag();
    void OnDeltaposSpinMagOffset(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposSpinMagMax(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposSpinMagMin(NMHDR* pNotify, LRESULT* pResult);

    int Id(UINT novaId) const { return static_cast<int>(novaId + m_nova.idOffset); }
    CString Path(const wchar_t* suffix) const { return CString(m_nova.prefix) + suffix; }

    const NovaTraits& m_nova;

    BOOL m_bVisible = FALSE;
    BOOL m_bName = FALSE;
    BOOL m_bDiscoveryMag = FALSE;
    BOOL m_bDiscoverers = FALSE;    // novae: discoverers; supernovae: sender
    BOOL m_bDiscoveryDate = FALSE;
    BOOL m_bMagVariable = FALSE;    // the magnitude follows the date and time
    double m_dMagOffset = 0.0;      // always read from the engine before use

    CQelButton m_btnFont;
    CQelGroupBox m_grpNova, m_grpMag, m_grpLimit;
    CQelCheckBox m_chkView, m_chkName, m_chkDiscoveryMag, m_chkDiscoverers, m_chkDiscoveryDate, m_chkMagVariable,
        m_chkLimitMag;
    CQelStatic m_stcOffset, m_stcTo, m_stcUnit;
    CQelEdit m_editMagOffset, m_editMagMax, m_editMagMin;
    CQelSpinButton m_spinMagOffset, m_spinMagMax, m_spinMagMin;
    CQelRadioButton m_rdoAutoMag, m_rdoFixedMag;
};

class CDlgStarNova : public CDlgStarNovaBase {
public:
    CDlgStarNova(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStarNova(CWnd* parent = nullptr);

    const CMessageMap* GetMessageMap() const override;
};

class CDlgStarSNova : public CDlgStarNovaBase {
public:
    CDlgStarSNova(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStarSNova(CWnd* parent = nullptr);

    const CMessageMap* GetMessageMap() const override;
};

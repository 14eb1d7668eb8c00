#include "dialogs/overlay/dlgstargsc.h"

#include "resources/resource_ids.h"

namespace {

const DialogTraits kTraits{IDD_DSP_STAR_GSC, IDS_HELP_STAR_GSC, nullptr, ApplyKind::Live};

}  // namespace

CDlgStarGsc::CDlgStarGsc(CCorQel* engine, CCorQel* engine2, CWnd* parent) : CDetailDialog(engine, engine2, parent, kTraits) {}
CDlgStarGsc::CDlgStarGsc(CWnd* parent) : CDetailDialog(parent, kTraits) {}

const CMessageMap* CDlgStarGsc::GetMessageMap() const {
    using M = MessageMapOf<CDlgStarGsc>;
    static const CMessageMap map(&CQelDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_GSC_STAR, &CDlgStarGsc::OnApply),
        M::OnBnClicked(IDC_GSC_GALAXY, &CDlgStarGsc::OnApply),
        M::OnBnClicked(IDC_GSC_BLEND, &CDlgStarGsc::OnApply),
        M::OnBnClicked(IDC_GSC_NONSTAR, &CDlgStarGsc::OnApply),
        M::OnBnClicked(IDC_GSC_ARTIFACT, &CDlgStarGsc::OnApply),
    });
    return &map;
}

void CDlgStarGsc::DoDataExchange(CDataExchange* pDX) {
    CQelDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_GSC_STAR, m_bStar);
    DDX_Check(pDX, IDC_GSC_GALAXY, m_bGalaxy);
    DDX_Check(pDX, IDC_GSC_BLEND, m_bBlend);
    DDX_Check(pDX, IDC_GSC_NONSTAR, m_bNonStar);
    DDX_Check(pDX, IDC_GSC_ARTIFACT, m_bArtifact);
}

void CDlgStarGsc::AttachControls() {
    CQelDialog::AttachControls();
    m_grpGsc.Attach(IDC_GSC_GROUP, this);
    m_chkStar.Attach(IDC_GSC_STAR, this);
    m_chkGalaxy.Attach(IDC_GSC_GALAXY, this);
    m_chkBlend.Attach(IDC_GSC_BLEND, this);
    m_chkNonStar.Attach(IDC_GSC_NONSTAR, this);
    m_chkArtifact.Attach(IDC_GSC_ARTIFACT, this);
}

BOOL CDlgStarGsc::OnInitDialog() {
    CQelDialog::OnInitDialog();
    AttachControls();
    m_bStar = Query(L"Star.Catalog.Gsc.Star.Visible") == L"TRUE";
    m_bGalaxy = Query(L"Star.Catalog.Gsc.Galaxy.Visible") == L"TRUE";
    m_bBlend = Query(L"Star.Catalog.Gsc.Blend.Visible") == L"TRUE";
    m_bNonStar = Query(L"Star.Catalog.Gsc.NonStar.Visible") == L"TRUE";
    m_bArtifact = Query(L"Star.Catalog.Gsc.Artifact.Visible") == L"TRUE";
    UpdateData(FALSE);
    StoreUndoScript();
    return TRUE;
}

CString CDlgStarGsc::GetScript() {
    UpdateData(TRUE);
    return GetScriptBool(L"Star.Catalog.Gsc.Star.Visible", m_bStar) +
           GetScriptBool(L"Star.Catalog.Gsc.Galaxy.Visible", m_bGalaxy) +
           GetScriptBool(L"Star.Catalog.Gsc.Blend.Visible", m_bBlend) +
           GetScriptBool(L"Star.Catalog.Gsc.NonStar.Visible", m_bNonStar) +
           GetScriptBool(L"Star.Catalog.Gsc.Artifact.Visible", m_bArtifact);
}

void CDlgStarGsc::OnApply() { Apply(); }

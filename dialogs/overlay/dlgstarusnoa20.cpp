#include "dialogs/overlay/dlgstarusnoa20.h"

#include "resources/resource_ids.h"

namespace {

const DialogTraits kTraits{IDD_DSP_STAR_USNOA20, IDS_HELP_STAR_USNOA20, nullptr, ApplyKind::Live};

}  // namespace

CDlgStarUsnoA20::CDlgStarUsnoA20(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : CDetailDialog(engine, engine2, parent, kTraits) {}
CDlgStarUsnoA20::CDlgStarUsnoA20(CWnd* parent) : CDetailDialog(parent, kTraits) {}

const CMessageMap* CDlgStarUsnoA20::GetMessageMap() const {
    using M = MessageMapOf<CDlgStarUsnoA20>;
    static const CMessageMap map(&CQelDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_USNO_ALL_STARS, &CDlgStarUsnoA20::OnApply),
    });
    return &map;
}

void CDlgStarUsnoA20::DoDataExchange(CDataExchange* pDX) {
    CQelDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_USNO_ALL_STARS, m_bAllStars);
}

void CDlgStarUsnoA20::AttachControls() {
    CQelDialog::AttachControls();
    m_grpUsno.Attach(IDC_USNO_GROUP, this);
    m_chkAllStars.Attach(IDC_USNO_ALL_STARS, this);
}

BOOL CDlgStarUsnoA20::OnInitDialog() {
    CQelDialog::OnInitDialog();
    AttachControls();
    // The one answer of these dialogs read without regard to case.
    m_bAllStars = Query(L"Star.Catalog.UsnoA20.FixedMagnitudeLimit").CompareNoCase(L"TRUE") != 0;
    UpdateData(FALSE);
    StoreUndoScript();
    return TRUE;
}

CString CDlgStarUsnoA20::GetScript() {
    UpdateData(TRUE);
    return GetScriptBool(L"Star.Catalog.UsnoA20.FixedMagnitudeLimit", !m_bAllStars);
}

void CDlgStarUsnoA20::OnApply() { Apply(); }

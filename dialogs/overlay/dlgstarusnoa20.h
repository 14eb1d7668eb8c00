// CDlgStarUsnoA20: whether all stars of the USNO-A2.0 catalog are drawn or only those within the
// fixed magnitude limit. The star dialog opens it.
#pragma once

#include "companions/zemcst/qelcontrols.h"
#include "dialogs/overlay/detaildialog.h"

class CDlgStarUsnoA20 : public CDetailDialog {
public:
    CDlgStarUsnoA20(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStarUsnoA20(CWnd* parent = nullptr);

    CString GetScript() override;

    const CMessageMap* GetMessageMap() const override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AttachControls() override;
    void OnApply();

    BOOL m_bAllStars = FALSE;

    CQelGroupBox m_grpUsno;
    CQelCheckBox m_chkAllStars;
};

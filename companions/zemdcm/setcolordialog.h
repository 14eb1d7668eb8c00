// SPDX-License-Identifier: BSD-3-Clause
// CSetColorDialog: the colour and font dialog of a settings dialog, opened on a colour key (the
// property whose colour it starts from) with the two texts the settings dialog's parent supplied.
#pragma once

#include "companions/zemqel/corqel.h"
#include "platform/cstring.h"

class CSetColorDialog;

// Shows the colour dialog. A desktop front end installs one that opens the real dialog; without
// one the run is recorded and ends at once with IDOK.
class ZEM_EXPORT CSetColorDialogPresenter {
public:
    virtual ~CSetColorDialogPresenter();
    virtual INT_PTR Run(CSetColorDialog& dialog) = 0;
};

class ZEM_EXPORT CSetColorDialog {
public:
    CSetColorDialog(CCorQel* engine, CCorQel* engine2, CString text0, CString text1, const wchar_t* colourKey);

    INT_PTR DoModal();

    CCorQel* GetEngine() const { return m_pQel; }
    CCorQel* GetEngine2() const { return m_pQel2; }
    const CString& GetText0() const { return m_strText0; }
    const CString& GetText1() const { return m_strText1; }
    const CString& GetColourKey() const { return m_strKey; }

    static void SetPresenter(CSetColorDialogPresenter* presenter);
    // How often a colour dialog ran in this process, and the key of the last one.
    static int RunCount();
    static CString LastColourKey();

private:
    CCorQel* m_pQel;
    CCorQel* m_pQel2;
    CString m_strText0, m_strText1, m_strKey;
};

// SPDX-License-Identifier: BSD-3-Clause
// CDlgNbl: nebulae, clusters and galaxies. Which annotations are drawn (mark, name, number,
// magnitude), restricted by catalog, observing level and object type in three cell lists and by a
// magnitude range; outlines and images with their brightness; PGC galaxies, whose data may not be
// installed; and six further kinds of object.
//
// Unlike the other dialogs it checks its fields silently while the person works and with messages
// at Close, which it refuses while a check fails. Its script, apply and undo are its own business:
// the host only runs it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "companions/zemcst/qellistboxaobj.h"
#include "framework/magfield.h"
#include "framework/settingsdialog.h"

// One annotation kind and its check box.
struct tagFeatureTypeInfo {
    int nType;        // 0 mark, 1 name (also the Magellanic Clouds' name), 2 number, 3 magnitude
    CString strName;  // property word after the object prefix
    UINT nID;
    BOOL bCheck;
};

// One row of a cell list: a catalog, a level or a type.
struct tagLBoxAObjInfo {
    CString strName;    // property word
    CString strLabel;   // shown
    CString strPrefix;  // designation prefixes joined by '|'; empty for levels and types
    BOOL bSelect;
};

// One row of the other-objects grid.
struct tagEtcObjInfo {
    UINT nLabelID;
    UINT nVisibleID;
    UINT nNameID;
    CString strName;         // top-level property, no object prefix
    BOOL bNameWithVisible;   // the name follows the show box (no row of this dialog does)
    BOOL bVisible;
    BOOL bName;
};

class ZEM_EXPORT CDlgNbl : public CSettingsDialog {
public:
    CDlgNbl(CCorQel* engine, CCorQel* engine2, int pgcDataExists, CWnd* parent);
    // Works as if the PGC data were not installed.
    explicit CDlgNbl(CWnd* parent = nullptr);

    const CMessageMap* GetMessageMap() const override;
    static zem::SettingRows<CDlgNbl> Rows();

protected:
    // Live changes build silently; Close builds with the checks' messages.
    BOOL GetScript(CString* script) override { return GetScript(script, TRUE); }
    BOOL GetScript(CString* script, int silent);
    using CSettingsDialog::Apply;
    using CSettingsDialog::Undo;

    void Init(int pgcDataExists);
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AttachControls() override;
    void OnOK() override;

    // The rows (dlgnbl_lists.cpp).
    void InitFeatureTypes();
    void InitCatalogs();
    void InitLevelsAndTypes();
    // The annotations' states, and when one is shown, the catalogs', levels' and types'; true
    // when one is shown.
    bool ReadListStates();
    void InitListBoxAObj();
    void SetListCounts();
    void UpdateLists();
    LRESULT OnQelListBoxAObj(WPARAM code, LPARAM info);
    void GetAllQelListBoxAObj(CQelListBoxAObj::tagUpdateInfo* info);
    void ChangeDataItemOnceQelListBoxAObj(CQelListBoxAObj::tagUpdateInfo* info);
    void AppendListScript(CString& script);

    // Other objects (dlgnbl_pgc.cpp).
    void InitEtcObj();
    void ReadEtcObj();
    void AppendEtcObj(CString& script);

    // Checks: 1 when the edit's leading number lies within the bounds.
    int CheckMagRange(int editId, double upper, double lower, int silent);
    int CheckPgcMagRange(int editId, double upper, double lower, int silent);
    int CheckImageBrightnessRange(int editId, double lower, double upper, int silent);
    int CheckMagOrder(int maxEditId, int minEditId, int silent);
    void UpdateMagSpin(int editId, int delta);

    void SetNgcEnableOrDisable();
    void SetPgcEnableOrDisable();
    void SetEtcEnableOrDisable();
    bool AnyFeatureChecked() const;
    CString ObjectPath(const wchar_t* suffix) const { return m_strObject + suffix; }

    void OnApply() { Apply(); }
    void OnCheckView();
    void OnCheckLimitMag();
    void OnCheckImage();
    void OnBtnImageReset();
    void OnCheckPgcVisible();
    void OnCheckPgcLimitMag();
    void OnApplyEtc();
    void OnButtonColorFont() { OpenColourDialog(); }
    void OnDeltaposDspNblSpinLimitMagMax(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposDspNblSpinLimitMagMin(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposDspNblSpinImageBrightness(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposDspNblSpinPgcLimitMagMax(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposDspNblSpinPgcLimitMagMin(NMHDR* pNotify, LRESULT* pResult);

    // The model; Init gives the defaults.
    BOOL m_bLimitMag;
    double m_dLimitMagMax;  // bright end
    double m_dLimitMagMin;  // faint end
    BOOL m_bOutline;
    BOOL m_bImage;
    double m_dImageBrightness;
    BOOL m_bPgc;
    BOOL m_bPgcNumber;
    BOOL m_bPgcAliasName;
    BOOL m_bPgcMagnitude;
    BOOL m_bPgcLimitMag;
    double m_dPgcLimitMagMax;
    double m_dPgcLimitMagMin;
    BOOL m_bPgcPoint;
    int m_nPgcShape;  // 0 image, 1 outline, -1 none
    CString m_strObject;
    BOOL m_bPgcDataExist;
    // Set while the PGC handler works, and for good once the missing-data notice has been sent.
    BOOL m_bPgcLock;

    std::vector<tagFeatureTypeInfo> m_aFeatureType;
    std::vector<tagLBoxAObjInfo> m_aCatalog;
    std::vector<tagLBoxAObjInfo> m_aLevel;
    std::vector<tagLBoxAObjInfo> m_aType;
    std::vector<tagEtcObjInfo> m_aEtcObj;

    CQelListBoxAObj m_lstCatalog;
    CQelListBoxAObj m_lstLevel;
    CQelListBoxAObj m_lstType;

    // Only its range check is this dialog's: no edit-ready flag, no spin range.
    zem::CMagFields m_mag{*this};

private:
    // The three cell lists, in the order they are set up: control, rows, list box, text column's
    // title.
    struct CellList {
        UINT id;
        std::vector<tagLBoxAObjInfo> CDlgNbl::*rows;
        CQelListBoxAObj CDlgNbl::*box;
        const wchar_t* title;
    };
    static std::span<const CellList> CellLists();
    // The list with that control id; null for any other id.
    static const CellList* FindCellList(UINT id);
};

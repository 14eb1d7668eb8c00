#include "framework/settingsdialog.h"

#include "companions/zemdcm/setcolordialog.h"
#include "framework/messages.h"
#include "framework/module.h"
#include "platform/crt.h"

CSettingsDialog::CSettingsDialog(CCorQel* engine, CCorQel* engine2, CWnd* parent, const DialogTraits& traits)
    : CQelDialog((zem::ModuleLoad(), engine), engine2, traits.templateId, parent), m_traits(traits) {
    m_strHelpKey.LoadString(traits.helpKeyId);
}

CSettingsDialog::CSettingsDialog(CWnd* parent, const DialogTraits& traits, bool loadHelpKey)
    : CQelDialog((zem::ModuleLoad(), traits.templateId), parent), m_traits(traits) {
    if (loadHelpKey) m_strHelpKey.LoadString(traits.helpKeyId);
}

void CSettingsDialog::Apply() {
    CString script;
    if (!GetScript(&script)) return;
    if (m_traits.applyKind == ApplyKind::Constellation) {
        Doit(script);
        if (CWnd* main = AfxGetMainWnd()) main->SendMessage(kMsgConstellationApplied, 0, 0);
        Doit(L";Show Sky");
    } else {
        Doit(script + L";Show Sky");
    }
    m_bApplied = TRUE;
}

void CSettingsDialog::Undo() {
    Doit(m_strUndoScript);
    if (m_traits.applyKind == ApplyKind::Constellation)
        if (CWnd* main = AfxGetMainWnd()) main->SendMessage(kMsgConstellationApplied, 0, 0);
}

void CSettingsDialog::OnCancel() {
    if (m_traits.applyKind == ApplyKind::Live || m_bApplied) Undo();
    CQelDialog::OnCancel();
}

void CSettingsDialog::StoreUndoScript() {
    CString script;
    if (GetScript(&script)) m_strUndoScript = script;
}

void CSettingsDialog::OpenColourDialog() {
    CString text0, text1;
    if (CWnd* parent = GetParent()) {
        parent->SendMessage(kMsgColourDialogText, 0, reinterpret_cast<LPARAM>(&text0));
        parent->SendMessage(kMsgColourDialogText, 1, reinterpret_cast<LPARAM>(&text1));
    }
    CSetColorDialog dialog(m_pQel, m_pQel2, text0, text1, m_traits.colourKey ? m_traits.colourKey : L"");
    dialog.DoModal();
}

void CSettingsDialog::SendMissingDataNotice(const wchar_t* data, const wchar_t* catalog) {
    if (CWnd* main = AfxGetMainWnd())
        main->SendMessage(kMsgMissingData, reinterpret_cast<WPARAM>(data), reinterpret_cast<LPARAM>(catalog));
}

void CSettingsDialog::DDX_Double(CDataExchange* pDX, int id, double& value, const wchar_t* format) {
    if (pDX->m_bFailed) return;
    if (pDX->m_bSaveAndValidate) {
        DDX_Text(pDX, id, value);
        return;
    }
    wchar_t buffer[256];
    if (crt::swprintf_s(buffer, 256, format, value) < 0) buffer[0] = L'\0';
    if (CWnd* edit = GetDlgItem(id)) edit->SetWindowText(buffer);
}

void CSettingsDialog::EnableItem(UINT id, bool enable) {
    if (CWnd* item = GetDlgItem(static_cast<int>(id))) item->EnableWindow(enable);
}

void CSettingsDialog::EnableItems(std::initializer_list<UINT> ids, bool enable) {
    for (UINT id : ids) EnableItem(id, enable);
}

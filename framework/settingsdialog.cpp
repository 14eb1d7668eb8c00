// SPDX-License-Identifier: BSD-3-Clause
#include "framework/settingsdialog.h"

#include <algorithm>

#include "companions/zemdcm/ddxfmt.h"
#include "companions/zemdcm/setcolordialog.h"
#include "framework/messages.h"
#include "framework/module.h"
#include "platform/crt.h"

using namespace std::string_view_literals;

CSettingsDialog::CSettingsDialog(CCorQel* engine, CCorQel* engine2, CWnd* parent, const DialogTraits& traits)
    : CQelDialog((zem::ModuleLoad(), engine), engine2, traits.templateId, parent), m_traits(traits) {
    m_strHelpKey.LoadString(traits.helpKeyId);
}

CSettingsDialog::CSettingsDialog(CWnd* parent, const DialogTraits& traits, bool loadHelpKey)
    : CQelDialog((zem::ModuleLoad(), traits.templateId), parent), m_traits(traits) {
    if (loadHelpKey) m_strHelpKey.LoadString(traits.helpKeyId);
}

const CMessageMap& CSettingsDialog::ThisMessageMap() {
    static const CMessageMap map(&CQelDialog::ThisMessageMap(), {});
    return map;
}

const CMessageMap* CSettingsDialog::GetMessageMap() const { return &ThisMessageMap(); }

void CSettingsDialog::AttachButton(CQelButton& button, UINT id, CWnd* parent) {
    // The module's buttons: black focus, light grey face, dark grey text, light grey when disabled.
    button.Attach(id, parent, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
}

CSettingsDialog::~CSettingsDialog() {
    for (CWnd* control : m_controls) std::destroy_at(control);
}

template <class T>
T& CSettingsDialog::MakeControl() {
    if (!m_controlArena) {
        // Room at once for an object of the largest kind on each of the template's windows.
        constexpr std::size_t kLargest =
            std::max({sizeof(CQelGroupBox), sizeof(CQelCheckBox), sizeof(CFocusCheckBox), sizeof(CQelRadioButton),
                      sizeof(CQelEdit), sizeof(CQelStatic), sizeof(CQelSpinButton), sizeof(CQelComboBox),
                      sizeof(CQelButton)});
        const std::size_t windows = m_hWnd ? m_hWnd->children.size() : 0;
        m_controlArena.emplace(windows * kLargest + 64);
        m_controls.reserve(windows);
    }
    if (m_controls.size() == m_controls.capacity()) m_controls.reserve(m_controls.size() * 2 + 8);
    T* control = new (m_controlArena->allocate(sizeof(T), alignof(T))) T();
    m_controls.push_back(control);  // within the room reserved: does not throw
    return *control;
}

void CSettingsDialog::AttachTable(std::span<const ControlRow> controls) {
    for (const ControlRow& c : controls) Attach(c.kind, c.id);
}

void CSettingsDialog::Attach(Ctl kind, UINT id) {
    switch (kind) {
        case Ctl::GroupBox: MakeControl<CQelGroupBox>().Attach(id, this); break;
        case Ctl::CheckBox: MakeControl<CQelCheckBox>().Attach(id, this); break;
        case Ctl::FocusCheckBox: MakeControl<CFocusCheckBox>().Attach(id, this); break;
        case Ctl::RadioButton: MakeControl<CQelRadioButton>().Attach(id, this); break;
        case Ctl::Edit: MakeControl<CQelEdit>().Attach(id, this); break;
        case Ctl::Static: MakeControl<CQelStatic>().Attach(id, this); break;
        case Ctl::Spin: MakeControl<CQelSpinButton>().Attach(id, this); break;
        case Ctl::ComboBox: MakeControl<CQelComboBox>().Attach(id, this); break;
        case Ctl::Button: AttachButton(MakeControl<CQelButton>(), id, this); break;
    }
}

CMessageMap::Entry CSettingsDialog::RowEntry(UINT code, UINT control, zem::Click click,
                                             const zem::Companions* companions) {
    return {WM_COMMAND, code, control, nullptr, [control, click, companions](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {
                static_cast<CSettingsDialog*>(t)->OnRowClick(control, click, companions);
                return 0;
            }};
}

void CSettingsDialog::OnRowClick(UINT control, zem::Click click, const zem::Companions* companions) {
    if (companions) EnableCompanions(control, *companions);
    switch (click) {
        case zem::Click::Apply: Apply(); break;
        case zem::Click::RepaintApply:
            SendMessage(WM_PAINT);
            Apply();
            break;
        case zem::Click::ApplyEnable: ApplyAndEnable(); break;
        case zem::Click::EnableApply:
            SetEnableRules();
            Apply();
            break;
        case zem::Click::ByHand: break;
    }
}

void CSettingsDialog::EnableCompanions(UINT control, const zem::Companions& companions) {
    if (companions[0]) EnableItems(companions, IsDlgButtonChecked(static_cast<int>(control)) != 0);
}

void CSettingsDialog::ExchangeNumber(CDataExchange* pDX, UINT edit, double& value, const wchar_t* format, UINT width) {
    if (width) DDX_DoubleFmt(pDX, static_cast<int>(edit), value, format, width);
    else DDX_Double(pDX, static_cast<int>(edit), value, format);
}

BOOL CSettingsDialog::ReadSetting(const wchar_t* read, const wchar_t* read2, const wchar_t* object, unsigned flags) {
    auto isTrue = [&](const wchar_t* path) -> bool {
        if (object) return GetBool(object, path) != FALSE;
        const CString answer = Query(path);
        return (flags & zem::kRowNoCase) ? answer.CompareNoCase(L"TRUE") == 0 : answer == L"TRUE";
    };
    const bool on = isTrue(read) && (!read2 || isTrue(read2));
    return (flags & zem::kRowInverted) ? !on : on;
}

void CSettingsDialog::Apply() {
    CString script;
    if (!GetScript(&script)) return;
    if (m_traits.applyKind == ApplyKind::Constellation) {
        Doit(script);
        if (CWnd* main = AfxGetMainWnd()) main->SendMessage(kMsgConstellationApplied, 0, 0);
        Doit(L";Show Sky");
    } else {
        script += L";Show Sky"sv;
        Doit(script);
    }
    m_bApplied = TRUE;
    m_scriptBuffer = std::move(script);
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
    if (GetScript(&script)) m_strUndoScript = std::move(script);
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
    CWnd* edit = GetDlgItem(id);
    if (!edit) return;
    wchar_t buffer[256];
    if (crt::swprintf_s(buffer, 256, format, value) >= 0) {
        edit->SetWindowText(buffer);
    } else {
        // A number too long for the buffer ("%.1f" of 1e300) is written whole: an empty edit
        // would be a text the dialog then refuses to read back.
        CString text;
        text.Format(format, value);
        edit->SetWindowText(text);
    }
}

void CSettingsDialog::EnableItem(UINT id, bool enable) {
    AfxEnableChild(m_hWnd, id, enable);
}

void CSettingsDialog::EnableItems(std::initializer_list<UINT> ids, bool enable) {
    for (UINT id : ids) EnableItem(id, enable);
}

void CSettingsDialog::EnableItems(const zem::Companions& ids, bool enable) {
    for (UINT id : ids)
        if (id) EnableItem(id, enable);
}

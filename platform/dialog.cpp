// SPDX-License-Identifier: BSD-3-Clause
#include "platform/dialog.h"

#include "platform/crt.h"

void AfxForgetFocusWithin(HWND top);

namespace {
CModalPerson*& Person() {
    static CModalPerson* person = nullptr;
    return person;
}
}  // namespace

void AfxSetModalPerson(CModalPerson* person) { Person() = person; }
CModalPerson* AfxGetModalPerson() { return Person(); }

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CModalPerson::~CModalPerson() = default;

CDialog::~CDialog() {
    if (m_record) {
        AfxForgetFocusWithin(m_record.get());
        m_record.reset();
    }
    m_hWnd = nullptr;
}

const CMessageMap& CDialog::ThisMessageMap() {
    using M = MessageMapOf<CDialog>;
    static const CMessageMap map(nullptr, {
        M::OnBnClicked(IDOK, &CDialog::OnOK),
        M::OnBnClicked(IDCANCEL, &CDialog::OnCancel),
    });
    return map;
}

const CMessageMap* CDialog::GetMessageMap() const { return &ThisMessageMap(); }

INT_PTR CDialog::DoModal() {
    const DialogTemplate* t = AfxFindDialogTemplate(m_nIDTemplate);
    if (!t || m_record) return -1;

    m_record = std::make_unique<WndRecord>();
    WndRecord& self = *m_record;
    self.id = t->id;
    self.isDialog = true;
    self.style = t->style;
    self.text = t->title ? t->title : L"";
    self.cx = t->cx;
    self.cy = t->cy;
    self.attached = this;
    // One allocation for all the controls' records: a dialog has dozens.
    const std::size_t count = t->controls.size();
    self.childRecords = std::make_unique<WndRecord[]>(count);
    self.children.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const ControlTemplate& c = t->controls[i];
        WndRecord* child = &self.childRecords[i];
        child->id = c.id;
        child->wndClass = c.wndClass;
        child->style = c.style;
        child->text = c.label ? c.label : L"";
        child->enabled = (c.style & WS_DISABLED) == 0;
        child->x = c.x;
        child->y = c.y;
        child->cx = c.cx;
        child->cy = c.cy;
        child->parent = &self;
        self.children.push_back(child);
    }
    AfxIndexChildren(&self);
    m_hWnd = &self;
    m_bEnded = false;
    m_nModalResult = -1;
    AfxNotifyWndChanged(m_hWnd, WndChange::Created);

    CModalPerson* person = Person();
    if (person) person->OnBegin(*this);
    try {
        OnInitDialog();
    } catch (...) {
        AfxReportInvalidArg("OnInitDialog");
    }
    if (!m_bEnded && person) person->Run(*this);
    const INT_PTR result = m_bEnded ? m_nModalResult : -1;

    AfxNotifyWndChanged(m_hWnd, WndChange::Destroyed);
    AfxForgetFocusWithin(m_hWnd);
    for (auto& child : self.children)
        if (child->attached) child->attached->m_hWnd = nullptr;  // the objects outlive their windows
    m_hWnd = nullptr;
    m_record.reset();
    if (person) person->OnEnd(*this, result);
    return result;
}

void CDialog::EndDialog(int result) {
    m_bEnded = true;
    m_nModalResult = result;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

CWnd* CDialog::GetParent() const { return m_pParentWnd ? m_pParentWnd : AfxGetMainWnd(); }

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (control) control->SetFocus();
}

bool CDialog::IsOwnControl(LPARAM source) const {
    const auto* w = reinterpret_cast<const WndRecord*>(source);
    return w && m_hWnd && w->parent == m_hWnd;
}

namespace {
// A handler's error ends at the dispatch: it is reported and the message answers 0, so nothing
// the handler had not sent yet is sent and the dialog goes on.
LRESULT Call(const CMessageMap::Entry& e, CCmdTarget* target, WPARAM wParam, LPARAM lParam) {
    try {
        return e.call(target, wParam, lParam);
    } catch (...) {
        AfxReportInvalidArg("message handler");
        return 0;
    }
}
}  // namespace

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const CMessageMap* map = GetMessageMap();
    switch (message) {
        case WM_COMMAND: {
            // While data is exchanged, what the exchange does to the controls is not a user change.
            if (m_nUpdateDataDepth > 0 && IsOwnControl(lParam)) return 0;
            const auto* e = map ? map->FindCommand(WM_COMMAND, HIWORD(wParam), LOWORD(wParam)) : nullptr;
            return e ? Call(*e, this, wParam, lParam) : 0;
        }
        case WM_NOTIFY: {
            const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
            if (!hdr) return 0;
            if (m_nUpdateDataDepth > 0 && IsOwnControl(reinterpret_cast<LPARAM>(hdr->hwndFrom))) return 0;
            const auto* e = map ? map->FindCommand(WM_NOTIFY, hdr->code, static_cast<UINT>(hdr->idFrom)) : nullptr;
            return e ? Call(*e, this, wParam, lParam) : 0;
        }
        case WM_CLOSE:
            // The close box arrives as Cancel.
            return SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        default: {
            const auto* e = map ? map->FindMessage(message) : nullptr;
            if (e) return Call(*e, this, wParam, lParam);
            if (message == WM_PAINT) CPaintDC dc(this);
            return 0;
        }
    }
}

// ---- data exchange ------------------------------------------------------------------------------

HWND CDataExchange::PrepareCtrl(int id) {
    m_idLastControl = static_cast<UINT>(id);
    return m_pDlgWnd ? AfxChild(m_pDlgWnd->m_hWnd, static_cast<UINT>(id)) : nullptr;
}

void CDataExchange::Fail() {
    m_bFailed = true;
    if (m_bSaveAndValidate && m_pDlgWnd)
        if (CWnd* control = m_pDlgWnd->GetDlgItem(static_cast<int>(m_idLastControl))) control->SetFocus();
}

void DDX_Check(CDataExchange* pDX, int id, BOOL& value) {
    if (pDX->m_bFailed) return;
    HWND w = pDX->PrepareCtrl(id);
    if (!w) return;
    if (pDX->m_bSaveAndValidate) {
        value = AfxReadCheck(w);
    } else {
        const int check = (value < 0 || value > 2) ? 0 : value;
        AfxSendMessage(w, BM_SETCHECK, static_cast<WPARAM>(check), 0);
    }
}

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
    if (pDX->m_bFailed) return;
    HWND w = pDX->PrepareCtrl(id);
    if (!w || !w->parent) return;
    if (pDX->m_bSaveAndValidate) value = -1;
    int button = 0;
    for (HWND c : AfxRadioGroup(w)) {
        if (pDX->m_bSaveAndValidate) {
            if (AfxReadCheck(c) != 0 && value == -1) value = button;
        } else {
            AfxSendMessage(c, BM_SETCHECK, button == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++button;
    }
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
    if (pDX->m_bFailed) return;
    HWND w = pDX->PrepareEditCtrl(id);
    if (!w) return;
    CWnd* control = CWnd::FromHandle(w);
    if (pDX->m_bSaveAndValidate) control->GetWindowText(value);
    else control->SetWindowText(value);
}

namespace {

// An int as the framework reads one: blanks around an optional sign and decimal digits, nothing
// else, within the int range.
bool SimpleIntParse(const wchar_t* text, int& value) {
    const wchar_t* p = text ? text : L"";
    while (*p == L' ' || *p == L'\t') ++p;
    const wchar_t* digits = p + ((*p == L'+' || *p == L'-') ? 1 : 0);
    long long v = 0;
    const wchar_t* q = digits;
    while (*q >= L'0' && *q <= L'9' && v <= 0x7FFFFFFFLL) v = v * 10 + (*q++ - L'0');
    const wchar_t* rest = q;
    while (*rest == L' ' || *rest == L'\t') ++rest;
    if (q == digits || *rest != L'\0' || v > 0x7FFFFFFFLL) return false;
    value = static_cast<int>(*p == L'-' ? -v : v);
    return true;
}

bool SimpleIntParse(HWND w, int& value) { return SimpleIntParse(w->text.c_str(), value); }

// Blanks, then the end of the text.
bool OnlyBlanks(const wchar_t* p) {
    while (*p == L' ' || *p == L'\t') ++p;
    return *p == L'\0';
}

// AfxSimpleFloatParse of the edit's text, from the reading the edit keeps: the number the text
// starts with after blanks is the same whichever blanks are passed over first.
bool SimpleFloatParse(HWND w, double& value) {
    const TextNumber number = AfxTextNumber(w);
    if (number.length == 0 || !OnlyBlanks(w->text.c_str() + number.length)) return false;
    value = number.value;
    return true;
}

// The exchange of a number with an edit: written with format; read with parse, and a text it
// cannot read shows message and fails the exchange, leaving value as it was.
template <class T>
void ExchangeNumber(CDataExchange* pDX, int id, T& value, const wchar_t* format, bool (*parse)(HWND, T&),
                    const wchar_t* message) {
    if (pDX->m_bFailed) return;
    HWND w = pDX->PrepareEditCtrl(id);
    if (!w) return;
    if (!pDX->m_bSaveAndValidate) {
        CWnd::FromHandle(w)->SetWindowText(zem::Format(format, value).c_str());
        return;
    }
    T parsed{};
    if (!parse(w, parsed)) {
        AfxMessageBox(message);
        pDX->Fail();
        return;
    }
    value = parsed;
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    ExchangeNumber(pDX, id, value, L"%d", SimpleIntParse, kParseIntMessage);
}

bool AfxSimpleFloatParse(const wchar_t* text, double& value) {
    const wchar_t* p = text ? text : L"";
    while (*p == L' ' || *p == L'\t') ++p;
    wchar_t* end = nullptr;
    const double d = crt::wcstod(p, &end);
    // Whatever number was read counts, zero included, however it is written ("-0.0", ".0",
    // "0."): the dialogs read back every number they write.
    if (end == p || !OnlyBlanks(end)) return false;
    value = d;
    return true;
}

void DDX_Text(CDataExchange* pDX, int id, double& value) {
    ExchangeNumber(pDX, id, value, L"%.15g", SimpleFloatParse, kParseRealMessage);
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& value) {
    if (pDX->m_bFailed) return;
    HWND w = pDX->PrepareCtrl(id);
    if (!w) return;
    if (pDX->m_bSaveAndValidate) value = static_cast<int>(AfxSendMessage(w, CB_GETCURSEL, 0, 0));
    else AfxSendMessage(w, CB_SETCURSEL, static_cast<WPARAM>(static_cast<INT_PTR>(value)), 0);
}

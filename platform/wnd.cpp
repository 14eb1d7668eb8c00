// SPDX-License-Identifier: BSD-3-Clause
#include "platform/wnd.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <utility>

#include "platform/crt.h"
#include "platform/dialog.h"

namespace {

// Initialized before anything runs (and so destroyed after everything else): every change of every
// control reads it, without the test of a first use.
constinit std::vector<CWndObserver*> g_observers;

std::vector<CWndObserver*>& Observers() { return g_observers; }

CWnd*& MainWnd() {
    static CWnd* main = nullptr;
    return main;
}

HWND& Focus() {
    static HWND focus = nullptr;
    return focus;
}

CMessageBoxService*& MessageBoxes() {
    static CMessageBoxService* service = nullptr;
    return service;
}

CInvalidArgReport*& InvalidArgs() {
    static CInvalidArgReport* report = nullptr;
    return report;
}

}  // namespace

void AfxAddWndObserver(CWndObserver* observer) {
    auto& o = Observers();
    if (observer && std::find(o.begin(), o.end(), observer) == o.end()) o.push_back(observer);
}

void AfxRemoveWndObserver(CWndObserver* observer) {
    auto& o = Observers();
    o.erase(std::remove(o.begin(), o.end(), observer), o.end());
}

namespace {

// Those registered now are told, even when one removes itself (or another) while notified. Every
// change of every control comes here: a view or two is copied without allocating. Out of line, so
// that a change nobody observes costs a test.
[[gnu::noinline]] void Tell(const std::vector<CWndObserver*>& observers, HWND window, WndChange change) {
    std::array<CWndObserver*, 4> few;
    if (observers.size() <= few.size()) {
        const std::size_t n = observers.size();
        std::copy_n(observers.begin(), n, few.begin());
        for (std::size_t i = 0; i < n; ++i) few[i]->OnWndChanged(window, change);
        return;
    }
    const auto many = observers;
    for (auto* o : many) o->OnWndChanged(window, change);
}

}  // namespace

void AfxNotifyWndChanged(HWND window, WndChange change) {
    const auto& observers = Observers();
    if (window && !observers.empty()) Tell(observers, window, change);
}

void AfxIndexChildren(HWND parent) {
    if (!parent) return;
    auto& index = parent->childIndex;
    index.assign(std::bit_ceil(2 * parent->children.size() + 1), {});
    const std::size_t mask = parent->childMask = index.size() - 1;
    for (std::size_t i = 0; i < parent->children.size(); ++i) {
        WndRecord* child = parent->children[i];
        std::size_t slot = child->id & mask;
        while (index[slot].child && index[slot].id != child->id) slot = (slot + 1) & mask;
        if (!index[slot].child) index[slot] = {child->id, static_cast<std::uint32_t>(i), child};
    }
}

namespace {

// Where control stands among its siblings, found by its id (or, when an earlier sibling has the
// same id, by walking them).
std::size_t Position(HWND control) {
    if (const auto* slot = AfxChildSlot(control->parent, control->id); slot && slot->child == control) return slot->position;
    const auto& siblings = control->parent->children;
    std::size_t at = 0;
    while (at < siblings.size() && siblings[at] != control) ++at;
    return at;
}

}  // namespace

HWND AfxFindChild(HWND parent, UINT id) { return AfxChild(parent, id); }

TextNumber AfxTextNumber(HWND w) {
    if (!w) return {};
    const std::wstring& text = w->text;
    const std::size_t n = text.size();
    if (std::cmp_equal(w->readLength, n)) {
        std::size_t i = 0;
        while (i < n && text[i] == w->readText[i]) ++i;
        if (i == n) return w->reading;
    }
    wchar_t* end = nullptr;
    const double value = crt::wcstod(text.c_str(), &end);
    const TextNumber reading{value, static_cast<std::size_t>(end - text.c_str())};
    if (n <= w->readText.size()) {
        std::copy(text.begin(), text.end(), w->readText.begin());
        w->readLength = static_cast<int>(n);
        w->reading = reading;
    }
    return reading;
}

bool AfxIsRadio(HWND w) {
    const DWORD kind = w ? (w->style & BS_TYPEMASK) : 0;
    return w && w->wndClass == WndClass::Button && (kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON);
}

CRadioGroup AfxRadioGroup(HWND control) {
    if (!control || !control->parent) return CRadioGroup();
    const auto& siblings = control->parent->children;
    std::size_t first = Position(control);
    if (first == siblings.size()) return CRadioGroup();
    while (first > 0 && !(siblings[first]->style & WS_GROUP)) --first;
    std::size_t last = first + 1;
    while (last < siblings.size() && !(siblings[last]->style & WS_GROUP)) ++last;
    return CRadioGroup(CRadioGroup::Siblings(siblings).subspan(first, last - first));
}

LRESULT AfxSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!window) return 0;
    if (window->attached) return window->attached->WindowProc(message, wParam, lParam);
    return AfxDefControlProc(window, message, wParam, lParam);
}

LRESULT AfxNotifyParent(HWND control, UINT code) {
    if (!control || !control->parent) return 0;
    return AfxSendMessage(control->parent, WM_COMMAND, MAKEWPARAM(control->id, code), reinterpret_cast<LPARAM>(control));
}

// ---- CWnd ------------------------------------------------------------------------------------

CWnd::~CWnd() { Detach(); }

CWndObserver::~CWndObserver() = default;
CMessageBoxService::~CMessageBoxService() = default;
CInvalidArgReport::~CInvalidArgReport() = default;

CWnd* CWnd::StandIn(HWND window) {
    if (!window) return nullptr;
    if (!window->plain) {
        window->plain = std::make_unique<CWnd>();
        window->plain->m_hWnd = window;
    }
    return window->plain.get();
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    HWND child = parent ? AfxFindChild(parent->m_hWnd, id) : nullptr;
    if (!child || child->attached || m_hWnd) return FALSE;
    child->attached = this;
    m_hWnd = child;
    return TRUE;
}

void CWnd::Detach() {
    if (m_hWnd && m_hWnd->attached == this) m_hWnd->attached = nullptr;
    m_hWnd = nullptr;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_hWnd) return WindowProc(message, wParam, lParam);
    return AfxSendMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) { return DefWindowProc(message, wParam, lParam); }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_hWnd ? AfxDefControlProc(m_hWnd, message, wParam, lParam) : 0;
}

void CWnd::SetWindowTextFixed1(double v) {
    if (!m_hWnd) return;
    m_hWnd->text.clear();
    zem::AppendFixed1(m_hWnd->text, v);
    TextWritten();
}

void CWnd::SetWindowText(const wchar_t* text) {
    if (!m_hWnd) return;
    m_hWnd->text = text ? text : L"";
    TextWritten();
}

void CWnd::TextWritten() {
    AfxNotifyWndChanged(m_hWnd, WndChange::Text);
    // An edit reports every write of its text, even one that changes nothing.
    if (m_hWnd->wndClass == WndClass::Edit) AfxNotifyParent(m_hWnd, EN_CHANGE);
}

void CWnd::GetWindowText(CString& text) const {
    // Into the text's own buffer: the data exchange reads every edit on every change.
    if (m_hWnd) text.SetString(m_hWnd->text.data(), static_cast<int>(m_hWnd->text.size()));
    else text.Empty();
}

CString CWnd::GetWindowText() const {
    CString text;
    GetWindowText(text);
    return text;
}

const std::wstring& CWnd::WindowText() const {
    static const std::wstring none;
    return m_hWnd ? m_hWnd->text : none;
}

TextNumber CWnd::WindowNumber() const { return AfxTextNumber(m_hWnd); }

int CWnd::GetWindowTextLength() const { return m_hWnd ? static_cast<int>(m_hWnd->text.size()) : 0; }

BOOL CWnd::EnableWindow(BOOL enable) { return m_hWnd ? AfxEnableWindow(m_hWnd, enable != FALSE) : FALSE; }

BOOL CWnd::IsWindowEnabled() const { return m_hWnd && m_hWnd->enabled; }
int CWnd::GetDlgCtrlID() const { return m_hWnd ? static_cast<int>(m_hWnd->id) : 0; }
DWORD CWnd::GetStyle() const { return m_hWnd ? m_hWnd->style : 0; }
CWnd* CWnd::GetParent() const { return m_hWnd ? FromHandle(m_hWnd->parent) : nullptr; }

CWnd* CWnd::SetFocus() {
    HWND previous = Focus();
    Focus() = m_hWnd;
    if (m_hWnd) AfxNotifyWndChanged(m_hWnd, WndChange::Focus);
    return FromHandle(previous);
}

CWnd* CWnd::GetFocus() { return FromHandle(Focus()); }

void CWnd::Invalidate(BOOL) {}
void CWnd::UpdateWindow() {}

void CWnd::SetDlgItemText(int id, const wchar_t* text) {
    if (CWnd* item = GetDlgItem(id)) item->SetWindowText(text);
}

int CWnd::GetDlgItemText(int id, CString& text) const {
    CWnd* item = GetDlgItem(id);
    if (item) item->GetWindowText(text);
    else text.Empty();
    return text.GetLength();
}

void CWnd::CheckDlgButton(int id, UINT check) { SendDlgItemMessage(id, BM_SETCHECK, check, 0); }

UINT CWnd::IsDlgButtonChecked(int id) const {
    HWND item = AfxChild(m_hWnd, static_cast<UINT>(id));
    return item ? static_cast<UINT>(AfxReadCheck(item)) : 0;
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
    for (int id = firstId; id <= lastId; ++id) CheckDlgButton(id, id == checkId ? BST_CHECKED : BST_UNCHECKED);
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId) const {
    for (int id = firstId; id <= lastId; ++id)
        if (IsDlgButtonChecked(id)) return id;
    return 0;
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return AfxSendMessage(AfxFindChild(m_hWnd, static_cast<UINT>(id)), message, wParam, lParam);
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    ++m_nUpdateDataDepth;
    DoDataExchange(&dx);
    --m_nUpdateDataDepth;
    return dx.m_bFailed ? FALSE : TRUE;
}

int CWnd::MessageBox(const wchar_t* text, const wchar_t* caption, UINT type) {
    CMessageBoxService* service = MessageBoxes();
    return service ? service->Show(CString(text), CString(caption), type) : IDOK;
}

// ---- control procedures -------------------------------------------------------------------------

namespace {

// The messages of lists and combo boxes: their items, selection and caret. They are kept apart
// from the state messages every change sends (a check read or set, a text limit, an up-down's
// range and position), so that those pay for none of the work these do.
[[gnu::noinline]] LRESULT ItemProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case CB_ADDSTRING:
        case LB_ADDSTRING:
        case LB_INSERTSTRING: {
            const auto* text = reinterpret_cast<const wchar_t*>(lParam);
            std::wstring item = text ? text : L"";
            auto& items = w->items;
            std::size_t at = items.size();
            if (message == LB_INSERTSTRING) {
                const auto index = static_cast<int>(static_cast<INT_PTR>(wParam));
                if (index > static_cast<int>(items.size())) return LB_ERR;
                if (index >= 0) at = static_cast<std::size_t>(index);
            } else if (message == LB_ADDSTRING && (w->style & 0x2)) {  // LBS_SORT
                at = static_cast<std::size_t>(std::upper_bound(items.begin(), items.end(), item) - items.begin());
            }
            items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
            AfxNotifyWndChanged(w, WndChange::Items);
            return static_cast<LRESULT>(at);
        }
        case LB_INITSTORAGE:
            w->items.reserve(w->items.size() + wParam);
            return static_cast<LRESULT>(w->items.capacity());
        case CB_GETCOUNT:
        case LB_GETCOUNT:
            return static_cast<LRESULT>(w->items.size());
        case CB_GETCURSEL:
            return w->curSel;
        case CB_SETCURSEL: {
            const auto index = static_cast<int>(static_cast<INT_PTR>(wParam));
            const bool valid = index >= 0 && index < static_cast<int>(w->items.size());
            const int sel = valid ? index : -1;
            if (w->curSel != sel) {
                w->curSel = sel;
                AfxNotifyWndChanged(w, WndChange::Selection);
            }
            return valid ? index : CB_ERR;
        }
        case CB_RESETCONTENT:
        case LB_RESETCONTENT:
            w->items.clear();
            w->curSel = -1;
            w->caret = 0;
            AfxNotifyWndChanged(w, WndChange::Items);
            return 0;
        case LB_SETCARETINDEX: {
            const auto index = static_cast<int>(static_cast<INT_PTR>(wParam));
            if (index < 0 || index >= static_cast<int>(w->items.size())) return LB_ERR;
            if (w->caret != index) {
                w->caret = index;
                AfxNotifyWndChanged(w, WndChange::Selection);
            }
            return 0;
        }
        case LB_GETCARETINDEX:
            return w->caret;
        default:
            return 0;
    }
}

}  // namespace

LRESULT AfxDefControlProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!w) return 0;
    switch (message) {
        case BM_GETCHECK:
            return AfxButtonCheck(w);
        case BM_SETCHECK:
            if (w->wndClass == WndClass::Button) {
                const int check = static_cast<int>(wParam);
                if (w->check != check) {
                    w->check = check;
                    AfxNotifyWndChanged(w, WndChange::Check);
                }
            }
            return 0;
        case EM_LIMITTEXT:
            w->textLimit = wParam == 0 ? 0x7FFFFFFE : static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFE));
            return 0;
        case UDM_SETRANGE:
            w->upper = static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam)));
            w->lower = static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam)));
            return 0;
        case UDM_GETRANGE:
            return MAKELPARAM(static_cast<unsigned>(w->upper), static_cast<unsigned>(w->lower));
        case UDM_SETPOS: {
            const int previous = w->pos;
            w->pos = static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam)));
            return previous;
        }
        case UDM_GETPOS:
            return w->pos;
        default:
            return ItemProc(w, message, wParam, lParam);
    }
}

// ---- main window, registered messages, message boxes, painting -------------------------------------

void AfxSetMainWnd(CWnd* window) { MainWnd() = window; }
CWnd* AfxGetMainWnd() { return MainWnd(); }

UINT RegisterWindowMessageW(const wchar_t* name) {
    static std::map<std::wstring, UINT> registered;
    if (!name || !*name) return 0;
    CString key(name);
    key.MakeLower();
    auto [it, added] = registered.try_emplace(key.str(), static_cast<UINT>(0xC000 + registered.size()));
    return it->second;
}

void AfxSetMessageBoxService(CMessageBoxService* service) { MessageBoxes() = service; }

int AfxMessageBox(const wchar_t* text, UINT type, UINT) {
    CMessageBoxService* service = MessageBoxes();
    return service ? service->Show(CString(text), CString(), type) : IDOK;
}

int AfxMessageBox(UINT stringId, UINT type, UINT helpId) {
    CString text;
    text.LoadString(stringId);
    return AfxMessageBox(text, type, helpId);
}

CPaintDC::CPaintDC(CWnd* window) : window_(window) {
    if (window_ && window_->m_hWnd) ++window_->m_hWnd->paintCount;
}
CPaintDC::~CPaintDC() = default;

int AfxPaintCount(HWND window) { return window ? window->paintCount : 0; }

void AfxSetInvalidArgReport(CInvalidArgReport* report) { InvalidArgs() = report; }
void AfxReportInvalidArg(const char* where) {
    if (CInvalidArgReport* report = InvalidArgs()) report->OnInvalidArg(where);
}

// Used by the dialog when it ends: the focus never points into destroyed windows.
void AfxForgetFocusWithin(HWND top) {
    for (HWND w = Focus(); w; w = w->parent)
        if (w == top) {
            Focus() = nullptr;
            return;
        }
}

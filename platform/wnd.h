// SPDX-License-Identifier: BSD-3-Clause
// Windows: the record every window keeps (its text, state and, for controls, their data), the
// CWnd object a program holds to it, focus, the application's main window, registered messages,
// message boxes and the observer through which a view follows every change of state.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/cstring.h"
#include "platform/msgmap.h"
#include "platform/resource.h"
#include "platform/types.h"

class CWnd;
class CDataExchange;

// A text read as a number the way crt::wcstod reads it: the value, and how many characters the
// number took (0 when there was none; the value is then 0.0).
struct TextNumber {
    double value = 0.0;
    std::size_t length = 0;
};

// The state of one window. Controls keep their data here; the program reaches it through the
// messages and member functions of CWnd and the control classes.
struct WndRecord {
    UINT id = 0;
    WndClass wndClass = WndClass::Static;
    bool isDialog = false;
    DWORD style = 0;
    std::wstring text;
    bool enabled = true;
    short x = 0, y = 0, cx = 0, cy = 0;
    WndRecord* parent = nullptr;
    std::vector<WndRecord*> children;  // dialogs: their controls in template order
    // Dialogs: the records of their controls, made in one piece when the dialog is made (children
    // points into it; a record made apart, as a test may, is owned by whoever made it).
    std::unique_ptr<WndRecord[]> childRecords;
    // Dialogs: their ids' table, a power of two at least twice as long as children (childMask is
    // its length - 1), each id in the slot of its low bits or the next free one. A dialog's ids run
    // side by side, so their low bits spread them.
    struct ChildSlot {
        UINT id = 0;
        std::uint32_t position = 0;  // in children
        WndRecord* child = nullptr;  // null: a free slot
    };
    std::vector<ChildSlot> childIndex;
    std::size_t childMask = 0;

    // Buttons.
    int check = BST_UNCHECKED;
    // Edits: the most characters the user may enter.
    int textLimit = 30000;
    // Up-down controls.
    int lower = 100, upper = 0, pos = 0;
    // Combo boxes and list boxes.
    std::vector<std::wstring> items;
    int curSel = -1;
    int caret = 0;
    int paintCount = 0;
    bool themed = true;                // drawn with the desktop's visual theme
    // Edits: the last reading of the text as a number and the text it was read from, when short
    // (readLength -1: none). See AfxTextNumber.
    TextNumber reading;
    int readLength = -1;
    std::array<wchar_t, 16> readText{};

    CWnd* attached = nullptr;          // the program's object bound to this window, if any
    std::unique_ptr<CWnd> plain;       // stands in where no object is attached
};
using HWND = WndRecord*;

// What changed in a window.
enum class WndChange { Created, Destroyed, Text, Enabled, Check, Selection, Items, Focus, Custom };

class ZEM_EXPORT CWndObserver {
public:
    virtual ~CWndObserver();
    virtual void OnWndChanged(HWND window, WndChange change) = 0;
};
ZEM_EXPORT void AfxAddWndObserver(CWndObserver* observer);
ZEM_EXPORT void AfxRemoveWndObserver(CWndObserver* observer);
ZEM_EXPORT void AfxNotifyWndChanged(HWND window, WndChange change);

class ZEM_EXPORT CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object the program reaches a window by: the attached one, else a plain stand-in.
    static CWnd* FromHandle(HWND window) { return window && window->attached ? window->attached : StandIn(window); }

    // Binds this object to the child window id of parent (the window's messages come to this
    // object's WindowProc first). Fails when there is no such child or it is bound already.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    void Detach();

    // Synchronous: the window's procedure runs before SendMessage returns. A window without a
    // record (a host window) gets the message in its own WindowProc.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    void SetWindowText(const wchar_t* text);
    // Sets the text to v as "%.1f" writes it, in the window's own buffer (an up-down control's
    // edit is written on every press), with the notifications of SetWindowText.
    void SetWindowTextFixed1(double v);
    void GetWindowText(CString& text) const;
    CString GetWindowText() const;
    // The text as the window holds it, read without a copy (valid until the text changes).
    const std::wstring& WindowText() const;
    // The leading number of the text (AfxTextNumber).
    TextNumber WindowNumber() const;
    int GetWindowTextLength() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    int GetDlgCtrlID() const;
    DWORD GetStyle() const;
    virtual CWnd* GetParent() const;
    // Whether the window is a dialog whose modal run has been ended; other windows never are.
    virtual bool HasEnded() const { return false; }
    CWnd* SetFocus();
    static CWnd* GetFocus();
    void Invalidate(BOOL erase = TRUE);
    void UpdateWindow();

    CWnd* GetDlgItem(int id) const;
    void SetDlgItemText(int id, const wchar_t* text);
    int GetDlgItemText(int id, CString& text) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    int GetCheckedRadioButton(int firstId, int lastId) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Data exchange between the window's controls and the program's members.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    int MessageBox(const wchar_t* text, const wchar_t* caption = nullptr, UINT type = MB_OK);

protected:
    // Nonzero while UpdateData runs on this window.
    int m_nUpdateDataDepth = 0;
    friend class CDialog;

private:
    // The plain object of a window no object is attached to.
    static CWnd* StandIn(HWND window);
    // The notifications of a text the program wrote.
    void TextWritten();
};

// The ids' table slot of parent's first child with that id, null when there is none.
inline const WndRecord::ChildSlot* AfxChildSlot(HWND parent, UINT id) {
    if (!parent || parent->childIndex.empty()) return nullptr;
    const auto* index = parent->childIndex.data();
    const std::size_t mask = parent->childMask;
    for (std::size_t slot = id & mask; index[slot].child; slot = (slot + 1) & mask)
        if (index[slot].id == id) return &index[slot];
    return nullptr;
}
// Child window id of parent, or null; the first in template order when ids repeat. Every change
// looks controls up by id (the data exchange all of them, the enable rules many), so the module's
// own lookups take AfxChild inline; AfxFindChild is the same lookup exported for hosts.
inline HWND AfxChild(HWND parent, UINT id) {
    const auto* slot = AfxChildSlot(parent, id);
    return slot ? slot->child : nullptr;
}
ZEM_EXPORT HWND AfxFindChild(HWND parent, UINT id);
inline CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(AfxChild(m_hWnd, static_cast<UINT>(id))); }
// Enables or disables a window, telling the observers when that changes; whether it was
// disabled before (what CWnd::EnableWindow answers).
inline BOOL AfxEnableWindow(HWND w, bool enable) {
    const BOOL wasDisabled = !w->enabled;
    if (w->enabled != enable) {
        w->enabled = enable;
        AfxNotifyWndChanged(w, WndChange::Enabled);
    }
    return wasDisabled;
}
// What GetDlgItem(id)->EnableWindow(enable) does, reaching only the child's record: the enable
// rules of a change set a dozen controls, and going through each one's object costs two more
// loads that depend on each other.
inline void AfxEnableChild(HWND parent, UINT id, bool enable) {
    if (HWND child = AfxChild(parent, id)) AfxEnableWindow(child, enable);
}
// Builds the table AfxFindChild looks ids up in, once a dialog has all its children.
void AfxIndexChildren(HWND parent);
// The leading number of the window's text. The window keeps its last reading with the short text
// it was read from: a change reads a magnitude edit three times (its range check, the order
// check, the data exchange), and the next change reads the same text again.
TextNumber AfxTextNumber(HWND window);
// Radio buttons, automatic or not.
ZEM_EXPORT bool AfxIsRadio(HWND window);
// The radio buttons of control's group, in template order. A group runs from the nearest control
// at or before it with the group style to the next control that has the style. The range walks
// the dialog's own list of controls; it holds nothing of its own.
class ZEM_EXPORT CRadioGroup {
public:
    using Siblings = std::span<WndRecord* const>;
    class iterator {
    public:
        iterator(Siblings::iterator at, Siblings::iterator end) : at_(at), end_(end) { Skip(); }
        HWND operator*() const { return *at_; }
        iterator& operator++() {
            ++at_;
            Skip();
            return *this;
        }
        bool operator==(const iterator& o) const { return at_ == o.at_; }

    private:
        void Skip() {
            while (at_ != end_ && !AfxIsRadio(*at_)) ++at_;
        }
        Siblings::iterator at_, end_;
    };
    explicit CRadioGroup(Siblings controls = {}) : controls_(controls) {}
    iterator begin() const { return iterator(controls_.begin(), controls_.end()); }
    iterator end() const { return iterator(controls_.end(), controls_.end()); }

private:
    Siblings controls_;
};
ZEM_EXPORT CRadioGroup AfxRadioGroup(HWND control);
// The procedure of each standard control kind (what DefWindowProc runs).
ZEM_EXPORT LRESULT AfxDefControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Sends message to the window's own procedure (the attached object first).
ZEM_EXPORT LRESULT AfxSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// What a button's default procedure answers to BM_GETCHECK (0 for any other window).
inline int AfxButtonCheck(HWND w) { return w->wndClass == WndClass::Button ? w->check : 0; }
// A control's check as BM_GETCHECK reads it: from its record when no object took its messages.
inline int AfxReadCheck(HWND w) {
    return w->attached ? static_cast<int>(AfxSendMessage(w, BM_GETCHECK, 0, 0)) : AfxButtonCheck(w);
}
// A control tells its parent: WM_COMMAND with its id and code.
ZEM_EXPORT LRESULT AfxNotifyParent(HWND control, UINT code);

// The application's main window (a host window).
ZEM_EXPORT void AfxSetMainWnd(CWnd* window);
ZEM_EXPORT CWnd* AfxGetMainWnd();

// Registered messages: the same name (without regard to case) gives the same number, from 0xC000.
ZEM_EXPORT UINT RegisterWindowMessageW(const wchar_t* name);

// Message boxes are modal and answer IDOK unless the service says otherwise.
class ZEM_EXPORT CMessageBoxService {
public:
    virtual ~CMessageBoxService();
    virtual int Show(const CString& text, const CString& caption, UINT type) = 0;
};
ZEM_EXPORT void AfxSetMessageBoxService(CMessageBoxService* service);  // null: answered IDOK silently
ZEM_EXPORT int AfxMessageBox(const wchar_t* text, UINT type = MB_OK, UINT helpId = 0);
ZEM_EXPORT int AfxMessageBox(UINT stringId, UINT type = MB_OK, UINT helpId = 0);

// Painting: a paint context begins and ends painting of a window; nothing is drawn headless.
class ZEM_EXPORT CPaintDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

private:
    CWnd* window_;
};
ZEM_EXPORT int AfxPaintCount(HWND window);  // how often painting of the window began (for views and tests)

// Raised (not thrown) where the dialog framework the dialogs were written for would throw an
// error: the platform reports it and the operation that hit it sends nothing.
class ZEM_EXPORT CInvalidArgReport {
public:
    virtual ~CInvalidArgReport();
    virtual void OnInvalidArg(const char* where) = 0;
};
ZEM_EXPORT void AfxSetInvalidArgReport(CInvalidArgReport* report);
ZEM_EXPORT void AfxReportInvalidArg(const char* where);

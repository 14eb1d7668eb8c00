// SPDX-License-Identifier: BSD-3-Clause
// The lifecycle every settings dialog follows: it reads the engine when it opens and keeps the
// script of what it shows (the undo script), sends its whole script on every change, gives the
// opening state back on Cancel, opens the colour dialog, and tells the host of missing data.
// A dialog configures it with its template, help key, colour key and way of applying.
#pragma once

#include <initializer_list>
#include <memory>
#include <memory_resource>
#include <optional>
#include <span>
#include <vector>

#include "companions/zemcst/qelcontrols.h"
#include "companions/zemcst/qeldialog.h"
#include "companions/zemcst/statements.h"
#include "framework/magfield.h"
#include "framework/settingrows.h"
#include "platform/crt.h"

// How a dialog applies a change.
enum class ApplyKind {
    Live = 1,           // script + ";Show Sky"; Cancel always undoes
    LiveTracked = 2,    // as Live, and Cancel undoes only after something was applied
    Constellation = 3,  // script, message 2066 to the main window, ";Show Sky" alone; tracked
};

struct DialogTraits {
    UINT templateId;
    UINT helpKeyId;
    const wchar_t* colourKey;  // null for a dialog without a colour/font button
    ApplyKind applyKind;
};

class ZEM_EXPORT CSettingsDialog : public CQelDialog {
public:
    CSettingsDialog(CCorQel* engine, CCorQel* engine2, CWnd* parent, const DialogTraits& traits);
    CSettingsDialog(CWnd* parent, const DialogTraits& traits, bool loadHelpKey = true);
    ~CSettingsDialog() override;

    // Builds the dialog's whole script into *script; 0 when validation refuses.
    virtual BOOL GetScript(CString* script) = 0;
    // Sends the current script (kind-dependent); nothing when GetScript refuses.
    virtual void Apply();
    // Sends the undo script as it is.
    virtual void Undo();

    const CString& GetUndoScript() const { return m_strUndoScript; }
    BOOL IsApplied() const { return m_bApplied; }

    void OnCancel() override;

    const CMessageMap* GetMessageMap() const override;
    static const CMessageMap& ThisMessageMap();

protected:
    // The message map of dialog D: its own entries, then one for each row (a click does what the
    // row says) and for each number row (a change of the text does what the row says), chained
    // to base. Rows whose click is ByHand are in the dialog's own entries.
    template <class D>
    static CMessageMap MapWithRows(const CMessageMap& base, std::vector<CMessageMap::Entry> entries) {
        for (const auto& r : D::Rows())
            if (r.click != zem::Click::ByHand) entries.push_back(RowEntry(BN_CLICKED, r.control, r.click, &r.enables));
        if constexpr (requires { D::Numbers(); })
            for (const auto& n : D::Numbers())
                if (n.change != zem::Click::ByHand) entries.push_back(RowEntry(EN_CHANGE, n.edit, n.change, nullptr));
        return CMessageMap(&base, std::move(entries));
    }

    // Attaches a control object of its kind to each control of the table; the objects belong to
    // the dialog. Push buttons get the module's button colours.
    void AttachTable(std::span<const ControlRow> controls);
    static void AttachButton(CQelButton& button, UINT id, CWnd* parent);
    // The rows' boxes; the number rows' edits and spins.
    template <class D>
    void AttachRows(zem::SettingRows<D> rows) {
        for (const auto& r : rows) Attach(r.kind, r.control);
    }
    template <class D>
    void AttachNumbers(zem::NumberRows<D> rows) {
        for (const auto& n : rows) {
            Attach(Ctl::Edit, n.edit);
            if (n.spin) Attach(Ctl::Spin, n.spin);
        }
    }

    // Ranges of a dialog's setting rows: exchanged with their boxes, read from the engine, and
    // appended to a script, each in the order of the range.
    template <class D>
    void ExchangeRows(CDataExchange* pDX, zem::SettingRows<D> rows) {
        D& self = static_cast<D&>(*this);
        for (const auto& r : rows) DDX_Check(pDX, static_cast<int>(r.control), self.*r.member);
    }
    template <class D>
    void ReadRows(zem::SettingRows<D> rows) {
        D& self = static_cast<D&>(*this);
        for (const auto& r : rows)
            self.*r.member = (r.gate && !(self.*r.gate)) ? FALSE : ReadSetting(r.read, r.read2, r.object, r.flags);
    }
    template <class D>
    void AppendRows(CString& script, zem::SettingRows<D> rows) {
        // A row alone is appended as it is: opening room in the script would cost more than it saves.
        if (rows.size() == 1) {
            const auto& r = rows.front();
            AppendScriptBool(script, r.write, RowValue(r));
            if (!r.write2.empty()) AppendScriptBool(script, r.write2, RowValue(r));
            return;
        }
        zem::AppendStatements(script, [&](zem::StatementWriter& out) { WriteRows(out, rows); });
    }
    template <class D>
    void WriteRows(zem::StatementWriter& out, zem::SettingRows<D> rows) const {
        for (const auto& r : rows) {
            const bool value = RowValue(r);
            out.Bool({r.write}, value);
            if (!r.write2.empty()) out.Bool({r.write2}, value);
        }
    }
    // What a row's statement says.
    template <class D>
    bool RowValue(const zem::SettingRow<D>& r) const {
        const D& self = static_cast<const D&>(*this);
        bool value = self.*r.member != FALSE;
        if (r.flags & zem::kRowInverted) value = !value;
        return r.gate ? value && self.*r.gate : value;
    }

    // Number rows: the defaults (when the dialog is made); the text limits and the spins' ranges
    // (before anything is read); the exchange, in the order of the rows; one read from the engine.
    template <class D>
    void InitNumbers(zem::NumberRows<D> rows) {
        D& self = static_cast<D&>(*this);
        for (const auto& n : rows) self.*n.member = n.initial;
    }
    template <class D>
    void PrepareNumbers(zem::NumberRows<D> rows) {
        for (const auto& n : rows)
            if (n.textLimit > 0)
                SendDlgItemMessage(static_cast<int>(n.edit), EM_LIMITTEXT, static_cast<WPARAM>(n.textLimit), 0);
        for (const auto& n : rows)
            if (n.spinRange) zem::PrepareSpin(*this, n.spin);
    }
    template <class D>
    void ExchangeNumbers(CDataExchange* pDX, zem::NumberRows<D> rows) {
        for (const auto& n : rows) ExchangeNumber(pDX, n);
    }
    template <class D>
    void ExchangeNumber(CDataExchange* pDX, const zem::NumberRow<D>& n) {
        ExchangeNumber(pDX, n.edit, static_cast<D&>(*this).*n.member, n.format, n.width);
    }
    template <class D>
    void ReadNumber(const zem::NumberRow<D>& n) {
        static_cast<D&>(*this).*n.member = crt::_wtof(Query(n.read));
    }
    // One number's exchange: the dialog's own (width 0) or the common-dialog one.
    void ExchangeNumber(CDataExchange* pDX, UINT edit, double& value, const wchar_t* format, UINT width);

    // A script is built in the buffer of the dialog's last one, with room for it, and handed
    // over whole; Apply gives the buffer back, so a live change allocates nothing. The first
    // (the undo script, at opening) starts with room for most dialogs' whole script.
    CString StartScript() {
        static constexpr int kFirstRoom = 2048;
        CString s = std::move(m_scriptBuffer);
        s.Empty();
        s.Preallocate((m_nScriptLength > 0 ? m_nScriptLength : kFirstRoom) + 16);  // room for the redraw Apply adds
        return s;
    }
    BOOL FinishScript(CString& s, CString* script) {
        m_nScriptLength = s.GetLength();
        *script = std::move(s);
        return TRUE;
    }

    // The handlers that apply and then bring the enable rules up to date share this body.
    void ApplyAndEnable() {
        Apply();
        SetEnableRules();
    }
    // The dialog's enable rules, from the controls' states.
    virtual void SetEnableRules() {}
    // Each row's companions enabled while its box is ticked.
    template <class D>
    void EnableCompanions(zem::SettingRows<D> rows) {
        for (const auto& r : rows) EnableCompanions(r.control, r.enables);
    }
    void EnableCompanions(UINT control, const zem::Companions& companions);
    // Whether a row enables control (it is a name box under a show box).
    template <class D>
    static bool IsCompanion(zem::SettingRows<D> rows, UINT control) {
        for (const auto& r : rows)
            for (UINT id : r.enables)
                if (id == control) return true;
        return false;
    }
    // What a click on a row's box (or a change of a number row's text) does.
    void OnRowClick(UINT control, zem::Click click, const zem::Companions* companions);

    // The last step of OnInitDialog: the undo script is the dialog's own rendering of what it
    // shows (it stays empty when the dialog refuses its own state).
    void StoreUndoScript();
    // The colour/font button: asks the parent for the two texts, then runs the colour dialog on
    // the dialog's colour key. Nothing is applied or read afterwards.
    void OpenColourDialog();
    // Tells the main window that the data named is not installed.
    void SendMissingDataNotice(const wchar_t* data, const wchar_t* catalog);
    // Enable rules; a control the dialog does not have (no window yet) is passed over.
    void EnableItem(UINT id, bool enable);
    void EnableItems(std::initializer_list<UINT> ids, bool enable);
    void EnableItems(const zem::Companions& ids, bool enable);
    // The rows' boxes (but those with a rule of their own); the number rows' edits and spins.
    template <class D>
    void EnableRows(zem::SettingRows<D> rows, bool enable) {
        for (const auto& r : rows)
            if (!(r.flags & zem::kRowOwnRule)) EnableItem(r.control, enable);
    }
    template <class D>
    void EnableNumbers(zem::NumberRows<D> rows, bool enable) {
        for (const auto& n : rows) EnableItems({n.edit, n.spin}, enable);
    }
    // Exchange of a double shown with format; reads it back as the framework reads doubles.
    void DDX_Double(CDataExchange* pDX, int id, double& value, const wchar_t* format);

    const DialogTraits m_traits;
    // The objects AttachTable made. A dialog attaches dozens of small ones: they are made in one
    // arena and destroyed with the dialog.
    std::optional<std::pmr::monotonic_buffer_resource> m_controlArena;
    std::vector<CWnd*> m_controls;
    CString m_strUndoScript;
    BOOL m_bApplied = FALSE;
    int m_nScriptLength = 0;
    CString m_scriptBuffer;  // the last script sent, kept for its room

    // A command entry that does what a row's click says.
    static CMessageMap::Entry RowEntry(UINT code, UINT control, zem::Click click, const zem::Companions* companions);
    // One control object of its kind attached to a template control.
    void Attach(Ctl kind, UINT id);

private:
    // A control object of kind T, made in the arena and kept in m_controls.
    template <class T>
    T& MakeControl();
    BOOL ReadSetting(const wchar_t* read, const wchar_t* read2, const wchar_t* object, unsigned flags);
};

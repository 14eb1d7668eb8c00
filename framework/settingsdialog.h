// The lifecycle every settings dialog follows: it reads the engine when it opens and keeps the
// script of what it shows (the undo script), sends its whole script on every change, gives the
// opening state back on Cancel, opens the colour dialog, and tells the host of missing data.
// A dialog configures it with its template, help key, colour key and way of applying.
#pragma once

#include <initializer_list>

#include "companions/zemcst/qeldialog.h"

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

class CSettingsDialog : public CQelDialog {
public:
    CSettingsDialog(CCorQel* engine, CCorQel* engine2, CWnd* parent, const DialogTraits& traits);
    CSettingsDialog(CWnd* parent, const DialogTraits& traits, bool loadHelpKey = true);

    // Builds the dialog's whole script into *script; 0 when validation refuses.
    virtual BOOL GetScript(CString* script) = 0;
    // Sends the current script (kind-dependent); nothing when GetScript refuses.
    virtual void Apply();
    // Sends the undo script as it is.
    virtual void Undo();

    const CString& GetUndoScript() const { return m_strUndoScript; }
    BOOL IsApplied() const { return m_bApplied; }

    void OnCancel() override;

protected:
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
    // Exchange of a double shown with format; reads it back as the framework reads doubles.
    void DDX_Double(CDataExchange* pDX, int id, double& value, const wchar_t* format);

    const DialogTraits m_traits;
    CString m_strUndoScript;
    BOOL m_bApplied = FALSE;
};

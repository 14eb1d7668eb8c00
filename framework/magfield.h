// SPDX-License-Identifier: BSD-3-Clause
// Magnitude fields: an edit that holds one magnitude with an up-down control beside it. The
// up-down control never writes its edit; the dialog steps the text itself, one tenth per arrow
// press, and clamps it, so that the text always reads back as the number that was meant.
//
// A dialog owns one CMagFields (the edit-ready flag and the field operations) and, for each
// limit group of the catalog overlays (limit box, linked/fixed radios, fixed range), one CMagLimit
// configured by a MagLimitTraits table.
#pragma once

#include <string_view>

#include "companions/zemcst/qeldialog.h"
#include "companions/zemcst/statements.h"
#include "framework/numbers.h"

namespace zem {

// One edit with its up-down control, the tenths a step keeps it within, and the value its member
// holds before the engine is read.
struct MagField {
    UINT edit;
    UINT spin;
    int lower10;
    int upper10;
    double initial = 0.0;
};

// The up-down control's own position means nothing; it starts mid-range so that it never runs
// out before the person does, and its up arrow counts up.
void PrepareSpin(CWnd& dialog, UINT spin);

// The leading number of an edit's text, read in place (0.0 without one, or without the edit).
double EditNumber(const CWnd& dialog, UINT edit);

// How a range check reads its edit.
enum class MagText {
    Strict,         // the whole text must be a number, else "数値を入力してください。" and focus to it
    LeadingNumber,  // the leading number counts, 0.0 when there is none; no message of its own
};

class ZEM_EXPORT CMagFields {
public:
    explicit CMagFields(CWnd& dialog) : m_dialog(dialog) {}
    CMagFields(const CMagFields&) = delete;
    CMagFields& operator=(const CMagFields&) = delete;

    // Clear only while a step writes an edit: the edit's own change notification comes in the
    // middle of the write, and a validating dialog's GetScript returns at once while it is clear.
    BOOL IsEditReady() const { return m_bEditReady; }
    void SetEditReady(BOOL ready) { m_bEditReady = ready; }

    // The dialog-held bounds of the two-argument step; the dialog keeps the ints up to date.
    void HoldBounds(const int& upper10, const int& lower10) {
        m_pUpper10 = &upper10;
        m_pLower10 = &lower10;
    }

    // One tenth up (delta > 0) or down (delta < 0), whatever the size of delta, within
    // [lower10, upper10]; the text is rewritten even when the value does not change.
    void UpdateMagSpin(int editId, int delta, int upper10, int lower10);
    // The same with the dialog-held bounds (nothing happens before HoldBounds).
    void UpdateMagSpin(int editId, int delta);
    // Rewrites the edit only when its tenths lie outside [lower10, upper10].
    void ClampMagEdit(int editId, int upper10, int lower10);
    // A program write of an edit, with the edit-ready flag clear during it.
    void SetEditText(int editId, const wchar_t* text);
    // The same with v as "%.1f" writes it, in the edit's own buffer.
    void SetEditFixed1(int editId, double v);

    // The edit's whole text as a number. Otherwise "数値を入力してください。", the focus to the edit,
    // and false; the edit keeps its text.
    bool ReadWholeNumber(int editId, double& value);

    // 1 when the edit holds a number within [lower, upper]. Otherwise 0, after the message: the
    // non-number message (Strict), or messageId filled with lower then upper ("%.1f"); messageId
    // 0 checks silently. The edit keeps its text either way.
    int CheckMagRange(int editId, double upper, double lower, UINT messageId, MagText rule = MagText::Strict);

private:
    void WriteFixed1(CWnd& edit, double v);
    bool ReadWholeNumber(CWnd& edit, double& value);

    CWnd& m_dialog;
    BOOL m_bEditReady = TRUE;
    const int* m_pUpper10 = nullptr;
    const int* m_pLower10 = nullptr;
};

// The limit group of a catalog overlay dialog.
struct MagLimitTraits {
    const wchar_t* prefix;  // property prefix, "Star.GCVS"
    UINT group;             // the frame the limit box sits on
    UINT limitCheck;        // "等級限定": any limit applies
    UINT autoRadio;         // "恒星等級に連動(&L)", mode 0; first of the radio group
    UINT fixedRadio;        // "固定(&F)", mode 1
    MagField maximum;       // bright end (left)
    MagField minimum;       // faint end (right)
    UINT toStatic;          // "～"
    UINT unitStatic;        // "等"
    int textLimit;          // characters the user may type in each edit; 0: no limit set
    UINT rangeMessage;      // the fields' bounds are checked where it is set; 0: no range check
    UINT orderMessage;      // 0: no order check
    UINT exchangeWidth = 0; // the fields' exchange: 0 the dialog's own, else the common-dialog one with this width
};

class ZEM_EXPORT CMagLimit {
public:
    CMagLimit(CQelDialog& dialog, const MagLimitTraits& traits)
        : m_dMax(traits.maximum.initial), m_dMin(traits.minimum.initial), m_dialog(dialog), m_traits(traits),
          m_prefix(traits.prefix) {}
    CMagLimit(const CMagLimit&) = delete;
    CMagLimit& operator=(const CMagLimit&) = delete;

    const MagLimitTraits& Traits() const { return m_traits; }

    // Text limits, then the spins (faint end first).
    void Prepare();
    // The four queries: auto, fixed, maximum, minimum.
    void ReadFromEngine();
    // The four statements that end an overlay dialog's script. The range is written in every
    // mode, so that it survives while the limit is off or linked.
    void WriteScript(StatementWriter& out) const;
    // The bright end must not exceed the faint end (equal passes); shows the order message. Always
    // passes when the traits name no order message.
    BOOL CheckOrder();
    // Enable rules of the group, from the controls' states; view is the dialog's main switch.
    void EnableControls(bool view);

    // The model.
    BOOL m_bLimit = FALSE;  // any limit applies
    int m_nMode = 0;        // 0 linked to the star magnitude limit, 1 fixed
    double m_dMax = 0.0;    // bright end
    double m_dMin = 0.0;    // faint end

private:
    CQelDialog& m_dialog;
    const MagLimitTraits m_traits;
    const std::wstring_view m_prefix;  // measured once: every change writes it four times
};

// The delta of an up-down control's notification.
inline int SpinDelta(const NMHDR* notify) {
    return notify ? reinterpret_cast<const NMUPDOWN*>(notify)->iDelta : 0;
}

}  // namespace zem

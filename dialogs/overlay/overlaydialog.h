// The catalog overlay dialogs (variable stars, novae and supernovae, double stars) have one
// shape: a main show box with label boxes under it, the magnitude limit group, a colour/font
// button, Close, Cancel and Help. This base holds their magnitude fields and what they do alike.
#pragma once

#include "framework/magfield.h"
#include "framework/settingsdialog.h"

class COverlayDialog : public CSettingsDialog {
public:
    COverlayDialog(CCorQel* engine, CCorQel* engine2, CWnd* parent, const DialogTraits& traits,
                   const zem::MagLimitTraits& limit)
        : CSettingsDialog(engine, engine2, parent, traits), m_limit(*this, m_mag, limit) {}
    COverlayDialog(CWnd* parent, const DialogTraits& traits, const zem::MagLimitTraits& limit)
        : CSettingsDialog(parent, traits), m_limit(*this, m_mag, limit) {}

protected:
    void InitSpin(int spinId) { m_mag.InitSpin(spinId); }
    void UpdateMagSpin(int editId, int delta, int upper, int lower) {
        m_mag.UpdateMagSpin(editId, delta, upper, lower);
    }
    int CheckMagRange(int editId, double upper, double lower, int messageId) {
        return m_mag.CheckMagRange(editId, upper, lower, static_cast<UINT>(messageId));
    }

    // The first steps of a validating dialog's GetScript: nothing while a spin step writes its
    // edit (the step applies once itself, right after); then the faint end's range, the bright
    // end's and their order, stopping at the first failure, so one message at most.
    BOOL ValidateLimit();

    // The limit group's exchange: the limit box, the mode radios, the bright end, the faint end.
    void ExchangeLimit(CDataExchange* pDX);
    // One magnitude field's exchange, the way the dialog's traits say ("%.1f" either way).
    void ExchangeMag(CDataExchange* pDX, UINT editId, double& value);

    // A spin handler's work: one step of the field within its bounds, then Apply; the up-down
    // control may move its own position.
    void StepField(const zem::MagField& field, NMHDR* pNotify, LRESULT* pResult);

    void OnApply() { Apply(); }
    void OnButtonFont() { OpenColourDialog(); }

    zem::CMagFields m_mag{*this};
    zem::CMagLimit m_limit;
};

// SPDX-License-Identifier: BSD-3-Clause
// The catalog overlay dialogs (variable stars, novae and supernovae, double stars) have one
// shape: a main show box with label boxes under it, the magnitude limit group, a colour/font
// button, Close, Cancel and Help. This base holds the limit group (its fields, message-map
// entries, handlers and controls) and the lifecycle they share; each dialog gives its own
// settings (rows, and the nova's offset) through the hooks.
#pragma once

#include "framework/magfield.h"
#include "framework/settingsdialog.h"

class ZEM_EXPORT COverlayDialog : public CSettingsDialog {
public:
    COverlayDialog(CCorQel* engine, CCorQel* engine2, CWnd* parent, const DialogTraits& traits,
                   const zem::MagLimitTraits& limit)
        : CSettingsDialog(engine, engine2, parent, traits), m_limit(*this, limit) {}
    COverlayDialog(CWnd* parent, const DialogTraits& traits, const zem::MagLimitTraits& limit)
        : CSettingsDialog(parent, traits), m_limit(*this, limit) {}

    // The validating script: nothing while a spin step writes its edit (the step applies once
    // itself, right after), then the range and order checks, then the exchange, which must read
    // every field; then the dialog's settings and the limit group.
    BOOL GetScript(CString* script) override;

protected:
    // The message map of overlay dialog D: its own entries, its rows' and number rows', and the
    // limit group's (D::Limit()): the box and the radios apply and run the enable rules, the
    // edits apply, the spins step.
    template <class D>
    static CMessageMap OverlayMap(std::vector<CMessageMap::Entry> own) {
        AddLimitEntries(own, D::Limit());
        return MapWithRows<D>(ThisMessageMap(), std::move(own));
    }
    static void AddLimitEntries(std::vector<CMessageMap::Entry>& entries, const zem::MagLimitTraits& limit);

    // Attach, prepare the fields, read the settings and the limit, show them, run the enable
    // rules and keep the undo script.
    BOOL OnInitDialog() override;
    // The dialog's settings, then the limit group.
    void DoDataExchange(CDataExchange* pDX) override;
    // The limit group's controls.
    void AttachControls() override;

    // The dialog's own settings, in the order of its exchange, its reads and its script.
    virtual void ExchangeSettings(CDataExchange* pDX) = 0;
    virtual void ReadSettings() = 0;
    virtual void WriteSettings(zem::StatementWriter& out) = 0;
    // Text limits and spins before anything is read.
    virtual void PrepareFields() { m_limit.Prepare(); }

    // The settings and the limit group's statements.
    void AppendScript(CString& script) {
        zem::AppendStatements(script, [this](zem::StatementWriter& out) {
            WriteSettings(out);
            m_limit.WriteScript(out);
        });
    }

    // The faint end's range, the bright end's and their order, stopping at the first failure, so
    // one message at most.
    BOOL ValidateLimit();
    // One magnitude field's exchange, the way the dialog's traits say ("%.1f" either way).
    void ExchangeMag(CDataExchange* pDX, UINT editId, double& value);

    // A spin handler's work: one step of the field within its bounds, then Apply; the up-down
    // control may move its own position.
    void StepField(UINT edit, int lower10, int upper10, NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposSpinMagMax(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposSpinMagMin(NMHDR* pNotify, LRESULT* pResult);

    void OnButtonFont() { OpenColourDialog(); }

    zem::CMagFields m_mag{*this};
    zem::CMagLimit m_limit;
};

// An overlay dialog whose own settings are its rows alone (D::Rows()).
template <class D>
class ZEM_EXPORT CRowOverlayDialog : public COverlayDialog {
public:
    using COverlayDialog::COverlayDialog;

protected:
    void AttachControls() override {
        COverlayDialog::AttachControls();
        AttachRows(D::Rows());
    }
    void ExchangeSettings(CDataExchange* pDX) override { ExchangeRows(pDX, D::Rows()); }
    void ReadSettings() override { ReadRows(D::Rows()); }
    void WriteSettings(zem::StatementWriter& out) override { WriteRows(out, D::Rows()); }
};

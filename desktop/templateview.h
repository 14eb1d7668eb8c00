// SPDX-License-Identifier: BSD-3-Clause
// A dialog of the module in a real window: widgets built from the dialog's template, placed by the
// dialog-unit rule, showing the state of the platform's windows as the observer reports it, and
// handing every action of the person to the platform's input entry points. The view decides
// nothing about the dialog: what a click does is the module's own behaviour.
#pragma once

#include <QDialog>
#include <functional>
#include <unordered_map>
#include <vector>

#include "desktop/dialogunits.h"
#include "platform/dialog.h"
#include "platform/input.h"

class QFrame;
class QScrollArea;

// A label as drawn without its access key: "&" is dropped, "&&" is one "&".
QString WithoutAccessKey(const QString& text);

class TemplateView : public QDialog, private CWndObserver {
public:
    // Builds the window of a dialog whose platform window exists (its modal run has begun).
    TemplateView(CDialog& dialog, QWidget* parent);
    ~TemplateView() override;
    TemplateView(const TemplateView&) = delete;
    TemplateView& operator=(const TemplateView&) = delete;

    CDialog& Dialog() const { return dialog_; }
    const BaseUnits& Units() const { return units_; }
    // The widget of control id, or null.
    QWidget* ControlWidget(UINT id) const;
    // The ids of the controls in template order.
    std::vector<UINT> ControlIds() const;
    // The area the template's dialog units give the control, in the dialog's pixels.
    QRect TemplateRect(UINT id) const;
    // The size of the dialog's client area by its template.
    QSize TemplateSize() const;

    // Sizes the window for the room it has (its screen's when room is empty), scrolling when the
    // dialog is larger, and gives the first tab stop the focus, as the dialog opens.
    void Present(QSize room = QSize());
    QScrollArea* Scroller() const { return scroll_; }
    // Shows the person where a setting is: control id takes the focus (when it can) and is
    // outlined for a few seconds, scrolled into sight.
    void Highlight(UINT id);
    // The outline, while it shows (null before any).
    QFrame* Outline() const { return outline_; }
    // Hands one action of the person on control id to the platform; closes the window when the
    // dialog has ended. False when the window has no such control or is gone.
    bool Act(UINT id, const std::function<InputResult(CDialog&)>& action);

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Control {
        HWND window = nullptr;
        QWidget* widget = nullptr;
        QRect rect;  // by the template
    };

    void OnWndChanged(HWND window, WndChange change) override;
    void Build();
    QWidget* MakeWidget(Control& control);
    void Connect(Control& control);
    void SetUpKeyboard();
    void Sync(const Control& control, WndChange change);
    void SyncRadioTabStops();
    void MoveInRadioGroup(std::size_t index, bool forward);
    void FollowFocus(const Control& control);
    const Control* Find(HWND window) const;

    CDialog& dialog_;
    HWND window_;
    bool alive_ = true;
    BaseUnits units_;
    QScrollArea* scroll_ = nullptr;
    QWidget* canvas_ = nullptr;
    std::vector<Control> controls_;
    std::unordered_map<HWND, std::size_t> index_;
    HWND pendingFocus_ = nullptr;
    QFrame* outline_ = nullptr;
};

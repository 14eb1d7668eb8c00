// SPDX-License-Identifier: BSD-3-Clause
// The platform's modal runs, message boxes, colour dialog and help, played with real windows: a
// dialog runs in a modal template view (nested runs nest), a message box is an information box, the
// colour dialog picks a colour for its key on the engine. Each still writes its transcript line.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "companions/zemcst/qeldialog.h"
#include "desktop/dialogplacement.h"
#include "desktop/templateview.h"
#include "host/services.h"

// Runs a modal window; whoever automates the desktop (its tests) learns of each one as it shows.
int ExecModal(QDialog& window);
void SetModalShownHook(std::function<void(QDialog&)> hook);

// The module's message boxes and the host's own notices look alike.
int ShowInformation(QWidget* parent, const QString& text, QMessageBox::Icon icon = QMessageBox::Information);

// The window a new modal window belongs to.
QWidget* ModalParent(QWidget* fallback);

class DesktopPerson : public CModalPerson {
public:
    DesktopPerson(Transcript& out, QWidget* mainWindow) : out_(out), main_(mainWindow) {}
    void SetMainWindow(QWidget* window) { main_ = window; }

    void OnBegin(CDialog& dialog) override;
    void Run(CDialog& dialog) override;
    void OnEnd(CDialog& dialog, INT_PTR result) override;

    // The innermost open dialog's window, or null.
    TemplateView* Top() const { return views_.empty() ? nullptr : views_.back().get(); }
    // Called when a dialog was cancelled: its undo script asks for no redraw, so the host does it.
    void SetCancelled(std::function<void()> cancelled) { cancelled_ = std::move(cancelled); }
    // Where dialog windows open and their positions are kept; none: where the system puts them.
    void SetPlacement(DialogPlacement* placement) { placement_ = placement; }

private:
    std::function<void()> cancelled_;
    DialogPlacement* placement_ = nullptr;
    Transcript& out_;
    QPointer<QWidget> main_;
    std::vector<std::unique_ptr<TemplateView>> views_;
};

class DesktopServices : public HostServices {
public:
    DesktopServices(Transcript& out, QWidget* mainWindow) : HostServices(out), main_(mainWindow) {}
    void SetMainWindow(QWidget* window) { main_ = window; }

    int Show(const CString& text, const CString& caption, UINT type) override;
    INT_PTR Run(CSetColorDialog& dialog) override;
    void ShowHelp(const CString& helpKey) override;

private:
    QPointer<QWidget> main_;
};

// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/bridges.h"

#include <QApplication>
#include <QColorDialog>
#include <QTimer>

#include "companions/zemdcm/setcolordialog.h"
#include "host/classes.h"

namespace {
std::function<void(QDialog&)>& ShownHook() {
    static std::function<void(QDialog&)> hook;
    return hook;
}
}  // namespace

void SetModalShownHook(std::function<void(QDialog&)> hook) { ShownHook() = std::move(hook); }

int ExecModal(QDialog& window) {
    QTimer::singleShot(0, &window, [&window] {
        if (ShownHook() && window.isVisible()) ShownHook()(window);
    });
    return window.exec();
}

QWidget* ModalParent(QWidget* fallback) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return fallback;
}

int ShowInformation(QWidget* parent, const QString& text, QMessageBox::Icon icon) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, ModalParent(parent));
    return ExecModal(box);
}

// ---- modal runs -----------------------------------------------------------------------------

void DesktopPerson::OnBegin(CDialog& dialog) {
    out_.Line(L"O " + DialogClassName(dialog));
    QWidget* owner = Top() ? static_cast<QWidget*>(Top()) : main_.data();
    views_.push_back(std::make_unique<TemplateView>(dialog, owner));
}

void DesktopPerson::Run(CDialog& dialog) {
    TemplateView* view = Top();
    if (!view || &view->Dialog() != &dialog) return;
    view->Present();
    if (placement_) placement_->Place(*view, views_.size() > 1 ? views_[views_.size() - 2].get() : nullptr);
    view->setWindowModality(Qt::ApplicationModal);
    ExecModal(*view);
    // The window went away without the dialog ending (the application is quitting): close it as
    // by the close box; a dialog that refuses even that ends its run unfinished.
    if (!dialog.HasEnded()) input::Close(dialog);
}

void DesktopPerson::OnEnd(CDialog& dialog, INT_PTR result) {
    if (!views_.empty() && &views_.back()->Dialog() == &dialog) {
        if (placement_) placement_->Closed(*views_.back());
        views_.pop_back();
    }
    if (result == IDOK) out_.Line(L"E " + DialogClassName(dialog) + L" IDOK");
    else if (result == IDCANCEL) out_.Line(L"E " + DialogClassName(dialog) + L" IDCANCEL");
    if (result == IDCANCEL && cancelled_) cancelled_();
}

// ---- services -------------------------------------------------------------------------------

int DesktopServices::Show(const CString& text, const CString& caption, UINT type) {
    HostServices::Show(text, caption, type);
    const bool info = (type & 0xF0) == MB_ICONINFORMATION;
    ShowInformation(main_, QString::fromStdWString(text.str()), info ? QMessageBox::Information : QMessageBox::NoIcon);
    return IDOK;
}

INT_PTR DesktopServices::Run(CSetColorDialog& dialog) {
    HostServices::Run(dialog);
    CCorQel* engine = dialog.GetEngine();
    const std::wstring key = dialog.GetColourKey().str();
    // The colour the key holds now ("#rrggbb"); a key without one starts from white.
    QColor colour(engine ? QString::fromStdWString(engine->Peek(CString(key)).str()).trimmed() : QString());
    if (!colour.isValid()) colour = Qt::white;
    QColorDialog picker(colour, ModalParent(main_));
    picker.setOption(QColorDialog::DontUseNativeDialog);
    picker.setWindowTitle(QStringLiteral("%1（%2・%3）")
                              .arg(QString::fromStdWString(key), QString::fromStdWString(dialog.GetText0().str()),
                                   QString::fromStdWString(dialog.GetText1().str())));
    if (ExecModal(picker) != QDialog::Accepted || !engine) return IDCANCEL;
    const std::wstring script = key + L" = " + picker.selectedColor().name(QColor::HexRgb).toStdWString() + L";Show Sky";
    engine->Doit(script.c_str());
    return IDOK;
}

void DesktopServices::ShowHelp(const CString& helpKey) {
    HostServices::ShowHelp(helpKey);
    ShowInformation(main_, QStringLiteral("ヘルプ: %1").arg(QString::fromStdWString(helpKey.str())));
}

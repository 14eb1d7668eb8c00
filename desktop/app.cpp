// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/app.h"

#include <QSettings>

#include "companions/zemreg/registry.h"

DesktopApp::DesktopApp(DesktopOptions options)
    : options_(std::move(options)),
      store_(options_.configFolder),
      window_(std::make_unique<MainWindow>(session_, DefaultState())),
      services_(session_.Out(), window_.get()),
      person_(session_.Out(), window_.get()),
      host_({.mainWindow = session_.MainTarget(), .person = &person_, .engine = &session_.Engine(), .engine2 = &session_.Engine2()}) {
    session_.Engine().SetDataPath(CString(options_.dataFolder.toStdWString()));
    window_->UseFolders(store_.Folder(), options_.dataFolder);
    person_.SetPlacement(&window_->Placement());
    // Every change is kept as soon as the call that made it has returned.
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(0);
    connect(&saveTimer_, &QTimer::timeout, this, &DesktopApp::SaveNow);
    connect(&session_, &Session::ScriptSent, &saveTimer_, qOverload<>(&QTimer::start));
    // Without its data the program still works; only the sky stays away.
    if (catalog_.Load(options_.dataFolder + QStringLiteral("/skyview"))) {
        sky_ = new sky::SkyView(&session_.Engine(), catalog_);
        window_->SetSkyView(sky_);
        tap_ = std::make_unique<sky::RedrawTap>(sky_, session_.Engine().GetListener());
        session_.Engine().SetListener(tap_.get());
        person_.SetCancelled([this] { sky_->refresh(); });
        skyControls_ = std::make_unique<SkyControls>(*window_, *window_->ViewMenu(), *sky_, SettingsPath());
    }
}

DesktopApp::~DesktopApp() {
    if (tap_) session_.Engine().SetListener(tap_->Next());
    saveTimer_.stop();
    SaveNow();
    SaveGeometry();
}

QString DesktopApp::SettingsPath() const { return store_.Folder() + QStringLiteral("/desktop.ini"); }

QString DesktopApp::RegistryPath() const { return store_.Folder() + QStringLiteral("/registry.ini"); }

QString DesktopApp::DefaultState() const { return options_.dataFolder + QStringLiteral("/sky/default.qel"); }

void DesktopApp::Start() {
    loaded_ = store_.Load(session_.Engine(), DefaultState());
    // Registry values the module reads (the star dialog's "Default" section) may be set in a file.
    CRegistry::LoadFile(CString(RegistryPath().toStdWString()));
    window_->StateLoaded();
    if (sky_) sky_->refresh();
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    if (skyControls_) skyControls_->Restore(settings);
    window_->restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());
    window_->restoreState(settings.value(QStringLiteral("windowState")).toByteArray());
    window_->show();
    QString notice;
    if (!loaded_.setAside.isEmpty())
        notice = QStringLiteral("保存されていた星空の設定が読めなかったため、既定の星空を読み込みました。\n読めなかったファイルは %1 にあります。")
                     .arg(loaded_.setAside);
    if (!loaded_.ok) notice += QStringLiteral("\n既定の星空 %1 も読み込めませんでした。").arg(DefaultState());
    if (!notice.isEmpty()) QTimer::singleShot(0, window_.get(), [this, notice] { ShowInformation(window_.get(), notice, QMessageBox::Warning); });
}

bool DesktopApp::SaveNow() {
    const bool ok = store_.Save(session_.Engine());
    emit Saved(++saves_, ok);
    return ok;
}

void DesktopApp::SaveGeometry() {
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    if (skyControls_) skyControls_->Save(settings);
    settings.setValue(QStringLiteral("geometry"), window_->saveGeometry());
    settings.setValue(QStringLiteral("windowState"), window_->saveState());
}

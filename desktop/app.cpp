// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/app.h"

#include <QSettings>

DesktopApp::DesktopApp(DesktopOptions options)
    : options_(std::move(options)),
      window_(std::make_unique<MainWindow>(session_, DefaultState())),
      services_(session_.Out(), window_.get()),
      person_(session_.Out(), window_.get()),
      persistence_(options_.configFolder, session_.Engine(), window_.get()),
      host_({.mainWindow = session_.MainTarget(), .person = &person_, .engine = &session_.Engine(), .engine2 = &session_.Engine2()}) {
    session_.Engine().SetDataPath(CString(options_.dataFolder.toStdWString()));
    window_->UseFolders(Store().Folder(), options_.dataFolder);
    person_.SetPlacement(&window_->Placement());
    // Every change is kept as soon as the call that made it has returned.
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(0);
    connect(&saveTimer_, &QTimer::timeout, this, &DesktopApp::SaveNow);
    connect(&persistence_, &Persistence::Saved, this, &DesktopApp::Saved);
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
    persistence_.SaveNow(false);  // the window is going: nobody to tell
    if (!persistence_.ReadOnly()) SaveGeometry();
}

QString DesktopApp::SettingsPath() const { return Store().Folder() + QStringLiteral("/desktop.ini"); }

QString DesktopApp::RegistryPath() const { return Store().RegistryPath(); }

QString DesktopApp::DefaultState() const { return options_.dataFolder + QStringLiteral("/sky/default.qel"); }

void DesktopApp::Start() {
    persistence_.Start(DefaultState());
    if (skyControls_ && persistence_.ReadOnly()) skyControls_->KeepNothing();
    if (persistence_.ReadOnly()) window_->KeepNothing();
    window_->StateLoaded();
    if (sky_) sky_->refresh();
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    if (skyControls_) skyControls_->Restore(settings);
    window_->restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());
    window_->restoreState(settings.value(QStringLiteral("windowState")).toByteArray());
    window_->show();
}

void DesktopApp::SaveGeometry() {
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    if (skyControls_) skyControls_->Save(settings);
    settings.setValue(QStringLiteral("geometry"), window_->saveGeometry());
    settings.setValue(QStringLiteral("windowState"), window_->saveState());
}

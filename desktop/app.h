// SPDX-License-Identifier: BSD-3-Clause
// The desktop program as a whole: the session with its engines, the real-window bridges of the
// platform, the main window, and the engine state kept between runs.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

#include "desktop/bridges.h"
#include "desktop/mainwindow.h"
#include "desktop/persistence.h"
#include "desktop/session.h"
#include "desktop/skycontrols.h"
#include "desktop/sky/skycatalog.h"
#include "desktop/sky/skytap.h"
#include "desktop/sky/skyview.h"
#include "framework/hostguard.h"

struct DesktopOptions {
    QString dataFolder;    // the engine's data path; the shipped default sky is in sky/default.qel
    QString configFolder;  // where the state and the window geometry are kept
};

class DesktopApp : public QObject {
    Q_OBJECT
public:
    explicit DesktopApp(DesktopOptions options);
    ~DesktopApp() override;
    DesktopApp(const DesktopApp&) = delete;
    DesktopApp& operator=(const DesktopApp&) = delete;

    // Loads the state and shows the main window; tells the person about a damaged saved state.
    void Start();
    // Writes the state now; false when it was not written.
    bool SaveNow() { return persistence_.SaveNow(); }

    Session& GetSession() { return session_; }
    MainWindow& Window() { return *window_; }
    DesktopPerson& Person() { return person_; }
    sky::SkyView* Sky() { return sky_; }
    SkyControls* SkyControl() { return skyControls_.get(); }
    QString SettingsPath() const;
    const StateStore& Store() const { return persistence_.Store(); }
    const StateStore::Loaded& LoadResult() const { return persistence_.LoadResult(); }
    const Persistence& Keeper() const { return persistence_; }
    QString DefaultState() const;
    // The registry library's file in the config folder, read at start when it is there.
    QString RegistryPath() const;

signals:
    // A save finished; count saves since start.
    void Saved(int count, bool ok);

private:
    void SaveGeometry();

    DesktopOptions options_;
    Session session_;
    std::unique_ptr<MainWindow> window_;
    DesktopServices services_;
    DesktopPerson person_;
    Persistence persistence_;
    QTimer saveTimer_;
    // The live sky in the middle of the main window; it follows every "Show Sky" of the engine.
    sky::Catalog catalog_;
    sky::SkyView* sky_ = nullptr;  // owned by the main window
    std::unique_ptr<sky::RedrawTap> tap_;
    std::unique_ptr<SkyControls> skyControls_;  // its window, menu entries, and place and time kept
    // Last, so that the module is installed before the constructor's body and taken away before
    // anything it points at goes.
    zem::HostGuard host_;
};

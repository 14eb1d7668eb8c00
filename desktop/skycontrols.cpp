// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/skycontrols.h"

#include <QAction>
#include <QMenu>
#include <QSettings>

#include "desktop/placetimewindow.h"
#include "desktop/sky/skyview.h"

namespace {
const QString kView = QStringLiteral("Sky"), kPlaceTime = QStringLiteral("PlaceTime");
}

SkyControls::SkyControls(QWidget& window, QMenu& viewMenu, sky::SkyView& view, QString iniPath)
    : view_(view), iniPath_(std::move(iniPath)), placeTime_(new PlaceTimeWindow(*view.placeTime(), &window)) {
    viewMenu.addSeparator();
    placeTimeAction_ = viewMenu.addAction(QStringLiteral("場所と時刻(&T)..."), placeTime_, [this] {
        if (!placeTime_->isVisible()) return placeTime_->show();
        placeTime_->raise();  // already open: to the front
        placeTime_->activateWindow();
    });
    altAzGrid_ = viewMenu.addAction(QStringLiteral("高度・方位のグリッド(&A)"));
    altAzGrid_->setCheckable(true);
    connect(altAzGrid_, &QAction::toggled, &view_, &sky::SkyView::setAltAzimuthGrid);
    equatorialGrid_ = viewMenu.addAction(QStringLiteral("赤経・赤緯のグリッド(&G)"));
    equatorialGrid_->setCheckable(true);
    connect(equatorialGrid_, &QAction::toggled, &view_, &sky::SkyView::setEquatorialGrid);
    // A new place or time is kept at once; the view itself is kept when the program ends.
    connect(view.placeTime(), &sky::PlaceTime::changed, this, [this] {
        if (restoring_ || !keep_) return;
        QSettings settings(iniPath_, QSettings::IniFormat);
        settings.beginGroup(kPlaceTime);
        view_.placeTime()->save(settings);
    });
}

void SkyControls::Restore(QSettings& settings) {
    restoring_ = true;
    settings.beginGroup(kPlaceTime);
    view_.placeTime()->load(settings);
    settings.endGroup();
    settings.beginGroup(kView);
    view_.restoreState(settings);
    settings.endGroup();
    altAzGrid_->setChecked(view_.altAzimuthGrid());
    equatorialGrid_->setChecked(view_.equatorialGrid());
    restoring_ = false;
}

void SkyControls::Save(QSettings& settings) const {
    settings.beginGroup(kPlaceTime);
    view_.placeTime()->save(settings);
    settings.endGroup();
    settings.beginGroup(kView);
    view_.saveState(settings);
    settings.endGroup();
}
